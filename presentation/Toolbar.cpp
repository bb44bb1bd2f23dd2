#include "Toolbar.h"

#include <algorithm>

#include <QAction>

#include "game/Round.h"
#include "presentation/GameActions.h"

namespace daz {
namespace {

struct LabelPlace {
    const char* action;
    QRect twips;
};

// In the order of Toolbar::Label.
constexpr std::array<LabelPlace, Toolbar::kLabels.size()> kPlaces{{
    {"restart", {3120, 120, 900, 180}},
    {"pause", {4920, 120, 540, 180}},
    {"undo", {5640, 120, 720, 180}},
    {"hint", {6540, 120, 720, 180}},
    {"shuffle", {7440, 120, 720, 180}},
}};

} // namespace

Toolbar::Toolbar(const Round& round, const GameActions& actions) : round_(round), actions_(actions)
{
    // The labels grey out and light up again as the tools and the score move.
    for (const Label label : kLabels) {
        connect(actions_.Get(ActionOf(label)), &QAction::changed, this, &Toolbar::changed);
    }
    connect(&round_, &Round::countersChanged, this, &Toolbar::changed);
    connect(&round_, &Round::scoreChanged, this, &Toolbar::changed);
}

QString Toolbar::ActionOf(Label label)
{
    return QString::fromLatin1(kPlaces[Slot(label)].action);
}

QString Toolbar::ActionOf(MenuButton button)
{
    return button == MenuButton::Main ? QStringLiteral("mainMenu") : QStringLiteral("modeMenu");
}

QRect Toolbar::LabelRect(Label label)
{
    return kPlaces[Slot(label)].twips;
}

QString Toolbar::Text(Label label) const
{
    switch (label) {
    case Label::Restart: return tr("■重新开始");
    case Label::Pause: return tr("◆暂停");
    case Label::Undo: return tr("←撤消*%1").arg(round_.Left(Tool::Undo));
    case Label::Hint: return tr("◎提示*%1").arg(round_.Left(Tool::Hint));
    case Label::Shuffle: return tr("※重排*%1").arg(round_.Left(Tool::Shuffle));
    }
    return {};
}

QString Toolbar::AccessibleName(Label label) const
{
    //: A tool of the strip as a screen reader reads it: its name and how often it may still be used.
    const auto counted = [this](const QString& name, Tool tool) {
        return tr("%1，剩余 %2 次").arg(name).arg(round_.Left(tool));
    };
    switch (label) {
    case Label::Restart: return tr("重新开始");
    case Label::Pause: return tr("暂停");
    case Label::Undo: return counted(tr("撤消"), Tool::Undo);
    case Label::Hint: return counted(tr("提示"), Tool::Hint);
    case Label::Shuffle: return counted(tr("重排"), Tool::Shuffle);
    }
    return {};
}

bool Toolbar::Enabled(Label label) const
{
    if (label == Label::Pause) {
        return round_.CanUse(Tool::Pause);
    }
    const QAction* action = actions_.Get(ActionOf(label));
    return action && action->isEnabled();
}

bool Toolbar::Unpaid(Label label) const
{
    return Enabled(label) && !actions_.ScorePays(ActionOf(label));
}

unsigned Toolbar::Colour(Label label) const
{
    if (Unpaid(label)) {
        return kUnpaidColour;
    }
    return hovered_[Slot(label)] ? kHoverColour : kRestColour;
}

void Toolbar::Click(Label label)
{
    if (Enabled(label)) {
        actions_.Get(ActionOf(label))->trigger();
    }
}

void Toolbar::HoverLabel(Label label)
{
    if (!hovered_[Slot(label)]) {
        hovered_[Slot(label)] = true;
        emit changed();
    }
}

void Toolbar::LeaveLabel(Label label)
{
    if (hovered_[Slot(label)]) {
        hovered_[Slot(label)] = false;
        emit changed();
    }
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
