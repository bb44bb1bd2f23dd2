#include "Toolbar.h"

#include <algorithm>

#include <QStringList>

#include "game/Round.h"

namespace daz {

Toolbar::Toolbar(Round& round, std::function<void()> restart) : round_(round), restart_(std::move(restart))
{
    connect(&round_, &Round::countersChanged, this, &Toolbar::changed);
    connect(&round_, &Round::phaseChanged, this, &Toolbar::changed);
    // The tools grey out and light up again as the score moves.
    connect(&round_, &Round::scoreChanged, this, &Toolbar::changed);
}

std::size_t Toolbar::Slot(int index)
{
    return static_cast<std::size_t>(index);
}

QRect Toolbar::LabelRect(int index)
{
    switch (index) {
    case Restart: return {3120, 120, 900, 180};
    case Pause: return {4920, 120, 540, 180};
    case Undo: return {5640, 120, 720, 180};
    case Hint: return {6540, 120, 720, 180};
    case Shuffle: return {7440, 120, 720, 180};
    default: return {};
    }
}

QList<QKeySequence> Toolbar::Keys(int index)
{
    switch (index) {
    case Restart: return {QKeySequence(Qt::Key_F5)};
    case Pause: return {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)};
    case Undo: return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
    case Hint: return {QKeySequence(Qt::Key_H)};
    case Shuffle: return {QKeySequence(Qt::Key_S)};
    default: return {};
    }
}

QKeySequence Toolbar::MenuButtonKey(MenuButton button)
{
    return button == MenuButton::Main ? QKeySequence(Qt::ALT | Qt::Key_M) : QKeySequence(Qt::ALT | Qt::Key_G);
}

namespace {

QString WithKeys(const QString& text, const QList<QKeySequence>& keys)
{
    QStringList names;
    for (const QKeySequence& key : keys) {
        names.append(key.toString(QKeySequence::NativeText));
    }
    return text + QStringLiteral("（") + names.join(QStringLiteral(" 或 ")) + QStringLiteral("）");
}

} // namespace

QString Toolbar::ToolTip(int index)
{
    switch (index) {
    case Restart: return WithKeys(QStringLiteral("从头再玩本关"), Keys(index));
    case Pause: return WithKeys(QStringLiteral("暂停，再按一次继续"), Keys(index));
    case Undo: return WithKeys(QStringLiteral("放回最后消掉的一对牌，花 2 分"), Keys(index));
    case Hint: return WithKeys(QStringLiteral("让一对能消的牌闪烁，花 2 分"), Keys(index));
    case Shuffle: return WithKeys(QStringLiteral("把剩下的牌重新打乱，花 10 分"), Keys(index));
    default: return {};
    }
}

QString Toolbar::MenuButtonToolTip(MenuButton button)
{
    return button == MenuButton::Main ? WithKeys(QStringLiteral("主菜单"), {MenuButtonKey(button)})
                                      : WithKeys(QStringLiteral("游戏模式"), {MenuButtonKey(button)});
}

QString Toolbar::Text(int index) const
{
    switch (index) {
    case Restart: return QStringLiteral("■重新开始");
    case Pause: return QStringLiteral("◆暂停");
    case Undo: return QStringLiteral("←撤消*%1").arg(round_.Left(Tool::Undo));
    case Hint: return QStringLiteral("◎提示*%1").arg(round_.Left(Tool::Hint));
    case Shuffle: return QStringLiteral("※重排*%1").arg(round_.Left(Tool::Shuffle));
    default: return {};
    }
}

bool Toolbar::Enabled(int index) const
{
    return index == Restart || round_.GetPhase() == Phase::Playing;
}

bool Toolbar::ScorePays(int index) const
{
    const std::int64_t score = round_.Score();
    switch (index) {
    case Undo: return score >= kUndoCost;
    case Hint: return score >= kHintCost;
    case Shuffle: return score >= kShuffleCost;
    default: return true;
    }
}

unsigned Toolbar::Colour(int index) const
{
    if (Enabled(index) && !ScorePays(index)) {
        return kUnpaidColour;
    }
    return hovered_[Slot(index)] ? kHoverColour : kRestColour;
}

void Toolbar::Click(int index)
{
    if (!Enabled(index)) {
        return; // a disabled label takes no clicks
    }
    const bool pays = ScorePays(index);
    switch (index) {
    case Restart: restart_(); break;
    case Pause: round_.Use(Tool::Pause); break;
    case Undo: round_.Use(Tool::Undo); break;
    case Hint: round_.Use(Tool::Hint); break;
    case Shuffle: round_.Use(Tool::Shuffle); break;
    default: break;
    }
    // The round refused it with a cue; the strip says why.
    if (!pays) {
        emit refused(index, QStringLiteral("积分不足"));
    }
}

void Toolbar::HoverLabel(int index)
{
    if (index < 0 || index > Shuffle || index == 1 || hovered_[Slot(index)]) {
        return;
    }
    hovered_[Slot(index)] = true;
    emit changed();
}

void Toolbar::LeaveLabel(int index)
{
    if (index < 0 || index > Shuffle || !hovered_[Slot(index)]) {
        return;
    }
    hovered_[Slot(index)] = false;
    emit changed();
}

void Toolbar::HoverStrip()
{
    const bool anything = mainHovered_ || modeHovered_
                          || std::find(hovered_.begin(), hovered_.end(), true) != hovered_.end();
    hovered_.fill(false);
    mainHovered_ = modeHovered_ = false;
    if (anything) {
        emit changed();
    }
}

void Toolbar::HoverMenuButton(MenuButton button)
{
    bool& hovered = button == MenuButton::Main ? mainHovered_ : modeHovered_;
    if (!hovered) {
        hovered = true;
        emit changed();
    }
}

void Toolbar::RestMenuButton(MenuButton button)
{
    bool& hovered = button == MenuButton::Main ? mainHovered_ : modeHovered_;
    if (hovered) {
        hovered = false;
        emit changed();
    }
}

int Toolbar::MenuButtonPicture(MenuButton button) const
{
    if (button == MenuButton::Main) {
        return mainHovered_ ? 12 : 11;
    }
    return modeHovered_ ? 17 : 16;
}

} // namespace daz
