#include "ToolStrip.h"

#include <QToolTip>

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "game/AudioSwitches.h"
#include "game/GameFlow.h"
#include "game/Round.h"
#include "presentation/Accessibility.h"
#include "presentation/Contrast.h"
#include "presentation/GameActions.h"
#include "presentation/GameTexts.h"
#include "presentation/PictureCache.h"
#include "presentation/Pictures.h"

namespace daz {
namespace {

// The strip stays light under high contrast: its words turn black.
void SetTextColour(QWidget* widget, QColor colour)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    UseOwnPalette(widget, palette, DarkOnLight());
}

// The audio switches. On: bright green, a note or a speaker. Off: grey,
// pressed in, the words struck through and the sign crossed out. Under
// high contrast: white on black, and black on white when off.
QString ToggleStyle()
{
    if (HighContrastInUse()) {
        return QStringLiteral("QPushButton { background: #000000; color: #FFFFFF; border: 2px solid #FFFFFF; }"
                              "QPushButton:checked { background: #FFFFFF; color: #000000; border: 2px solid #000000;"
                              " text-decoration: line-through; }");
    }
    return QStringLiteral("QPushButton { background: #0A8A0A; color: #FFFFC0; border: 1px solid #0B4F0B;"
                          " border-bottom: 2px solid #063306; border-radius: 3px; }"
                          "QPushButton:checked { background: #9A9A9A; color: #3A3A3A; border: 1px solid #5A5A5A;"
                          " border-top: 2px solid #4A4A4A; text-decoration: line-through; }");
}

const QColor kBlueText = FromBgr(0xFF0000);
const QColor kRedText = FromBgr(0x0000FF);

// The strip's letters at its own size, in pixels.
constexpr int kFontPixels = 12;

// The strip's picture is drawn as designed up to this column (in its own
// pixels), before the ornament that sat beyond the window's design width;
// a plain stretch of it fills whatever lies left and right.
constexpr int kPictureKept = 766;
constexpr QRect kPlainLeft(0, 0, 4, 59);
constexpr QRect kPlainRight(900, 0, 100, 59);

// A note for the music, a speaker for the effects; struck through when off.
QIcon ToggleIcon(bool music, bool on, int size, qreal dpr)
{
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const QColor ink = on ? QColor(0xFF, 0xFF, 0xC0) : QColor(0x40, 0x40, 0x40);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (music) {
        p.drawEllipse(QRectF(2, 10, 5, 4));
        p.drawEllipse(QRectF(9, 9, 5, 4));
        p.setPen(QPen(ink, 1.6));
        p.drawLine(QPointF(6.2, 12), QPointF(6.2, 3));
        p.drawLine(QPointF(13.2, 11), QPointF(13.2, 2));
        p.setPen(QPen(ink, 2.4));
        p.drawLine(QPointF(6.2, 3.5), QPointF(13.2, 2.5));
    } else {
        QPainterPath speaker;
        speaker.moveTo(2, 6);
        speaker.lineTo(5, 6);
        speaker.lineTo(9, 2);
        speaker.lineTo(9, 14);
        speaker.lineTo(5, 10);
        speaker.lineTo(2, 10);
        speaker.closeSubpath();
        p.drawPath(speaker);
        if (on) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(ink, 1.4));
            p.drawArc(QRectF(7, 5, 5, 6), -60 * 16, 120 * 16);
            p.drawArc(QRectF(7, 2.5, 8, 11), -60 * 16, 120 * 16);
        }
    }
    if (!on) {
        p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 1.5));
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    event->accept();
}

void ClickLabel::leaveEvent(QEvent* event)
{
    emit left();
    QLabel::leaveEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

TimeBar::TimeBar(QWidget* parent) : QWidget(parent) {}

void TimeBar::SetScale(double pixelsPerTwip)
{
    scale_ = pixelsPerTwip;
    SetTimeLeft(timeLeft_);
    update();
}

void TimeBar::SetTimeLeft(float twips)
{
    timeLeft_ = twips;
    // A screen reader reads the time left in whole percents of the full bar.
    if (const int percent = static_cast<int>(std::lround(std::max(0.0F, twips) * 100 / Round::kFullTime));
        percent != percent_) {
        percent_ = percent;
        setAccessibleName(tr("生命：%1%").arg(percent));
    }
    const int w = std::max(0, static_cast<int>(std::lround(twips * scale_)));
    if (w != barWidth_) {
        const int changedFrom = std::min(w, barWidth_);
        barWidth_ = w;
        update(QRect(changedFrom, 0, width() - changedFrom, height()));
    }
}

void TimeBar::Retranslate()
{
    percent_ = -1;
    SetTimeLeft(timeLeft_);
}

void TimeBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x30, 0x22, 0x18));
    if (barWidth_ > 0) {
        // The picture stretched to the time left.
        const QString name = QStringLiteral("timebar.png");
        p.drawPixmap(
            0, 0,
            PictureCache::Scaled(name, WindowPicture(name).toImage(), QSize(barWidth_, height()), devicePixelRatioF()));
    }
}

ToolStrip::ToolStrip(Toolbar& toolbar, GameActions& actions, const GameFlow& flow, const Round& round,
                     const AudioSwitches& audio, QWidget* parent)
    : QWidget(parent), toolbar_(toolbar), actions_(actions), audio_(audio)
{
    InstallAccessibility(); // before a client asks for the labels
    setMouseTracking(true);
    picture_ = WindowPicture(QStringLiteral("toolbar.png"));
    const QCursor pointer = ToolbarPointer();

    for (const auto& [button, twips] : {std::pair{Toolbar::MenuButton::Main, QRect(200, 80, 1050, 300)},
                                        std::pair{Toolbar::MenuButton::Mode, QRect(1340, 80, 1245, 300)}}) {
        auto* label = new ClickLabel(this);
        label->setScaledContents(true);
        Place(label, twips, false);
        label->setCursor(pointer);
        QAction* action = actions.Get(Toolbar::ActionOf(button));
        label->setObjectName(Toolbar::ActionOf(button) + QStringLiteral("Button"));
        const auto which = button;
        connect(label, &ClickLabel::hovered, this, [this, which] { toolbar_.HoverMenuButton(which); });
        connect(label, &ClickLabel::clicked, action, &QAction::trigger);
        (button == Toolbar::MenuButton::Main ? mainButton_ : modeButton_) = label;
    }

    for (const Toolbar::Label index : Toolbar::kLabels) {
        auto* label = new ClickLabel(this);
        Place(label, Toolbar::LabelRect(index), true);
        label->setCursor(pointer);
        label->setObjectName(Toolbar::ActionOf(index) + QStringLiteral("Label"));
        connect(label, &ClickLabel::hovered, this, [this, index] { toolbar_.HoverLabel(index); });
        connect(label, &ClickLabel::left, this, [this, index] { toolbar_.LeaveLabel(index); });
        connect(label, &ClickLabel::clicked, this, [this, index] { toolbar_.Click(index); });
        labels_[static_cast<std::size_t>(index)] = label;
    }

    // On: bright green, a note or a speaker. Off: grey, pressed in, the
    // words struck through and the sign crossed out.
    for (auto [button, left] : {std::pair{&checkMedia_, 8640}, std::pair{&checkSound_, 10080}}) {
        auto* toggle = new QPushButton(this);
        toggle->setCheckable(true);
        toggle->setFocusPolicy(Qt::NoFocus);
        Place(toggle, QRect(left, 23, 1095, 375), false);
        toggle->setStyleSheet(ToggleStyle());
        toggle->setCursor(pointer);
        *button = toggle;
    }
    checkMedia_->setObjectName(QStringLiteral("musicToggle"));
    checkSound_->setObjectName(QStringLiteral("effectsToggle"));
    // Pressed means off: a click turns the switch as its menu item does.
    connect(checkMedia_, &QPushButton::clicked, actions.Get(QStringLiteral("music")), &QAction::trigger);
    connect(checkSound_, &QPushButton::clicked, actions.Get(QStringLiteral("effects")), &QAction::trigger);

    words_.emplace_back(AddText(QString(), {600, 600, 900, 180}, kBlueText), QT_TR_NOOP("玩家姓名："));
    name_ = AddText(QString(), {1680, 600, 720, 180}, kRedText);
    scoreWords_ = AddText(QString(), {2760, 600, 540, 180}, kBlueText);
    words_.emplace_back(scoreWords_, QT_TR_NOOP("积分："));
    for (int position = 1; position <= 8; ++position) {
        auto* digit = new QLabel(this);
        digit->setScaledContents(true);
        Place(digit, QRect(3360 + (8 - position) * 240, 593, 225, 195), false);
        digit->setObjectName(QStringLiteral("digit%1").arg(position));
        digits_[static_cast<std::size_t>(position)] = digit;
    }
    words_.emplace_back(AddText(QString(), {5640, 600, 540, 180}, kBlueText), QT_TR_NOOP("等级："));
    rank_ = AddText(InitialRankTitle(), {6240, 600, 1500, 180}, kRedText);
    words_.emplace_back(AddText(QString(), {7800, 600, 540, 180}, kBlueText), QT_TR_NOOP("生命："));
    timeBar_ = new TimeBar(this);
    Place(timeBar_, QRect(8400, 563, 3000, 255), false);

    connect(&toolbar_, &Toolbar::changed, this, &ToolStrip::ShowLabels);
    // A refused tool says why beside its label, for a moment.
    connect(&actions, &GameActions::refused, this, [this](const QString& action, const QString& why) {
        for (const Toolbar::Label index : Toolbar::kLabels) {
            if (Toolbar::ActionOf(index) == action) {
                QLabel* label = Label(index);
                QToolTip::showText(label->mapToGlobal(QPoint(0, label->height())), why, label, {}, kRefusalNoteTime);
            }
        }
    });
    connect(&audio, &AudioSwitches::switchesChanged, this, &ToolStrip::ShowSwitches);
    connect(&round, &Round::scoreChanged, this, [this](std::int64_t score) { ShowScore(score, true); });
    connect(&round, &Round::timeChanged, timeBar_, &TimeBar::SetTimeLeft);
    connect(&flow, &GameFlow::userChanged, this, [this, &flow] {
        name_->setText(flow.UserName());
        LayOutChildren();
    });
    Retranslate();
    SetScale(1.0 / kTwipsPerPixel, Px(kContentWidth));
    ShowLabels();
    ShowSwitches();
    ShowScore(round.Score(), false); // the rank's title shows once the score is read
    timeBar_->SetTimeLeft(round.TimeLeft());
}

QLabel* ToolStrip::AddText(const QString& text, QRect twips, QColor colour)
{
    auto* label = new QLabel(text, this);
    Place(label, twips, true);
    SetTextColour(label, colour);
    return label;
}

void ToolStrip::Place(QWidget* widget, QRect twips, bool text)
{
    placed_.push_back({widget, twips, text});
}

void ToolStrip::SetScale(double pixelsPerTwip, int width)
{
    const QSize size(width, static_cast<int>(std::lround(kHeight * pixelsPerTwip)));
    if (pixelsPerTwip == scale_ && size == this->size() && !placed_.empty() && !background_.isNull()) {
        return;
    }
    scale_ = pixelsPerTwip;
    setFixedSize(size);
    QFont font = this->font();
    font.setPixelSize(std::max(1, static_cast<int>(kFontPixels * kTwipsPerPixel * scale_)));
    setFont(font);
    timeBar_->SetScale(scale_);
    LayOutChildren();
    ShowSwitches();
    ScaleBackground();
    update();
}

void ToolStrip::LayOutChildren()
{
    const auto px = [this](double twips) { return static_cast<int>(std::lround(twips * scale_)); };
    const int left = std::max(0, (width() - px(kContentWidth)) / 2);
    const QFontMetrics metrics(font());
    for (const Placed& placed : placed_) {
        // Set on each: a child with a style sheet keeps its own font.
        placed.widget->setFont(font());
        QRect r(left + px(placed.twips.x()), px(placed.twips.y()), px(placed.twips.width()), px(placed.twips.height()));
        if (placed.text) {
            // Text takes the room its letters need, around the row's middle.
            if (const auto* label = qobject_cast<const QLabel*>(placed.widget)) {
                r.setWidth(std::max(r.width(), metrics.horizontalAdvance(label->text()) + 1));
            }
            const int height = std::max(r.height(), metrics.height());
            r.moveTop(r.top() + (r.height() - height) / 2);
            r.setHeight(height);
        }
        placed.widget->setGeometry(r);
    }
    // A tool the score cannot pay for is struck through as well as grey, so
    // that its colour is not all that tells it.
    for (const Toolbar::Label index : Toolbar::kLabels) {
        QFont struck = font();
        struck.setStrikeOut(toolbar_.Unpaid(index));
        Label(index)->setFont(struck);
    }
    SpreadToolLabels(left);
    const int icon = std::max(6, px(200));
    for (QPushButton* toggle : {checkMedia_, checkSound_}) {
        toggle->setIconSize(QSize(icon, icon));
    }
}

void ToolStrip::SpreadToolLabels(int left)
{
    // Each label keeps its place while its text ends before the next one's
    // place (the last within half a gap of its own end, short of the
    // picture's frame): a longer language spreads the row evenly from the
    // first place to the last one's end instead.
    const auto px = [this](double twips) { return static_cast<int>(std::lround(twips * scale_)); };
    const QRect first = Toolbar::LabelRect(Toolbar::kLabels.front());
    const QRect last = Toolbar::LabelRect(Toolbar::kLabels.back());
    const auto& order = Toolbar::kLabels;
    int gap = kContentWidth;
    for (std::size_t i = 1; i < order.size(); ++i) {
        gap = std::min(gap, Toolbar::LabelRect(order[i]).left() - Toolbar::LabelRect(order[i - 1]).right() - 1);
    }
    bool fits = true;
    int widths = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int next = i + 1 < order.size() ? Toolbar::LabelRect(order[i + 1]).left() : last.right() + 1 + gap / 2;
        fits = fits && Label(order[i])->geometry().right() < left + px(next);
        widths += Label(order[i])->width();
    }
    if (fits) {
        return;
    }
    const int from = left + px(first.left());
    const double spacing = double(left + px(last.right() + 1) - from - widths) / static_cast<double>(order.size() - 1);
    double x = from;
    for (const Toolbar::Label index : order) {
        Label(index)->move(static_cast<int>(std::lround(x)), Label(index)->y());
        x += Label(index)->width() + spacing;
    }
}

void ToolStrip::ScaleBackground()
{
    // The width and the scale lay the picture out.
    const QString name = QStringLiteral("toolbar.png strip at %1").arg(scale_, 0, 'g', 17);
    background_ = PictureCache::Drawn(name, size(), devicePixelRatioF(), QColor(0xF6, 0xEE, 0xDC),
                                      [this](QPainter& p) { DrawBackground(p); });
}

void ToolStrip::DrawBackground(QPainter& p) const
{
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double unit = kTwipsPerPixel * scale_; // screen pixels per picture pixel
    const double left = std::max(0, (width() - static_cast<int>(std::lround(kContentWidth * scale_))) / 2);
    const double kept = std::min<double>(kPictureKept, picture_.deviceIndependentSize().width()) * unit;
    const double h = height();
    // Source rectangles count the picture's own pixels.
    const double ratio = picture_.devicePixelRatio();
    const auto source = [ratio](const QRectF& r) {
        return QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
    };
    p.drawPixmap(QRectF(0, 0, left, h), picture_, source(kPlainLeft));
    p.drawPixmap(QRectF(left, 0, kept, h), picture_,
                 source(QRectF(0, 0, kept / unit, picture_.deviceIndependentSize().height())));
    p.drawPixmap(QRectF(left + kept, 0, width() - left - kept, h), picture_, source(kPlainRight));
}

ClickLabel* ToolStrip::MenuButton(Toolbar::MenuButton button) const
{
    return button == Toolbar::MenuButton::Main ? mainButton_ : modeButton_;
}

void ToolStrip::ShowLabels()
{
    for (const Toolbar::Label index : Toolbar::kLabels) {
        ClickLabel* label = Label(index);
        label->setText(toolbar_.Text(index));
        label->setEnabled(toolbar_.Enabled(index));
        if (const QString name = toolbar_.AccessibleName(index); label->accessibleName() != name) {
            label->setAccessibleName(name);
        }
        if (const QString note = toolbar_.Unpaid(index) ? tr("积分不足") : QString();
            label->accessibleDescription() != note) {
            label->setAccessibleDescription(note);
        }
        SetTextColour(label, FromBgr(toolbar_.Colour(index)));
    }
    mainButton_->setPixmap(ImageList1(toolbar_.MenuButtonPicture(Toolbar::MenuButton::Main)));
    modeButton_->setPixmap(ImageList1(toolbar_.MenuButtonPicture(Toolbar::MenuButton::Mode)));
    LayOutChildren();
}

void ToolStrip::ShowToggle(QPushButton* toggle, bool music)
{
    const bool on = !toggle->isChecked();
    toggle->setIcon(ToggleIcon(music, on, toggle->iconSize().width(), devicePixelRatioF()));
}

void ToolStrip::ShowSwitches()
{
    checkMedia_->setChecked(!audio_.MusicOn());
    checkSound_->setChecked(!audio_.EffectsOn());
    ShowToggle(checkMedia_, true);
    ShowToggle(checkSound_, false);
}

void ToolStrip::ShowScore(std::int64_t points, bool withTitle)
{
    const ScoreDisplay score = daz::ShowScore(points);
    for (int position = 1; position <= 8; ++position) {
        digits_[static_cast<std::size_t>(position)]->setPixmap(
            ImageList1(score.digit[static_cast<std::size_t>(position - 1)] + 1));
    }
    score_ = points;
    scoreWords_->setAccessibleName(tr("积分：%1").arg(points));
    titleShown_ = titleShown_ || withTitle;
    if (const QString title = RankTitle(score.rank); withTitle && rank_->text() != title) {
        rank_->setText(title);
        LayOutChildren();
    }
}

void ToolStrip::Retranslate()
{
    for (const auto& [label, source] : words_) {
        label->setText(tr(source));
    }
    checkMedia_->setText(tr("背景音乐"));
    checkSound_->setText(tr("鼠标音效"));
    for (const Toolbar::MenuButton button : {Toolbar::MenuButton::Main, Toolbar::MenuButton::Mode}) {
        MenuButton(button)->setToolTip(actions_.Get(Toolbar::ActionOf(button))->toolTip());
        MenuButton(button)->setAccessibleName(actions_.Get(Toolbar::ActionOf(button))->text());
    }
    for (const Toolbar::Label index : Toolbar::kLabels) {
        Label(index)->setToolTip(actions_.Get(Toolbar::ActionOf(index))->toolTip());
    }
    rank_->setText(titleShown_ ? RankTitle(daz::ShowScore(score_).rank) : InitialRankTitle());
    scoreWords_->setAccessibleName(tr("积分：%1").arg(score_));
    timeBar_->Retranslate();
    ShowLabels(); // lays the strip out again for the new words
}

void ToolStrip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    // High contrast turned: the window's palette changed.
    if (event->type() == QEvent::PaletteChange && checkMedia_ != nullptr) {
        checkMedia_->setStyleSheet(ToggleStyle());
        checkSound_->setStyleSheet(ToggleStyle());
    }
    QWidget::changeEvent(event);
}

void ToolStrip::paintEvent(QPaintEvent*)
{
    if (background_.devicePixelRatio() != devicePixelRatioF()) {
        // Moved to a screen of another scale.
        ScaleBackground();
        ShowSwitches();
    }
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
}

void ToolStrip::mouseMoveEvent(QMouseEvent*)
{
    toolbar_.HoverStrip();
}

} // namespace daz
