#include "ToolStrip.h"

#include <QMouseEvent>
#include <QPainter>

#include "presentation/MainController.h"
#include "presentation/Pictures.h"

namespace daz {
namespace {

QRect PxRect(QRect twips)
{
    return {Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())};
}

void SetTextColour(QWidget* widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

const QColor kBlueText = FromBgr(0xFF0000);
const QColor kRedText = FromBgr(0x0000FF);

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

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

TimeBar::TimeBar(QWidget* parent) : QWidget(parent) {}

void TimeBar::SetTimeLeft(float twips)
{
    const int w = std::max(0, Px(twips));
    if (w != barWidth_) {
        const int changedFrom = std::min(w, barWidth_);
        barWidth_ = w;
        update(QRect(changedFrom, 0, width() - changedFrom, height()));
    }
}

void TimeBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x30, 0x22, 0x18));
    if (barWidth_ > 0) {
        const QPixmap bar = WindowPicture(QStringLiteral("timebar.png"), {200, 17});
        p.drawPixmap(QRect(0, 0, barWidth_, height()), bar);
    }
}

ToolStrip::ToolStrip(MainController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller), toolbar_(controller.GetToolbar())
{
    setFixedSize(Px(15135), Px(915));
    setMouseTracking(true);
    background_ = WindowPicture(QStringLiteral("toolbar.png"), {1007, 59});
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);
    const QCursor pointer = ToolbarPointer();

    for (const auto& [button, twips] : {std::pair{Toolbar::MenuButton::Main, QRect(200, 80, 1050, 300)},
                                        std::pair{Toolbar::MenuButton::Mode, QRect(1340, 80, 1245, 300)}}) {
        auto* label = new ClickLabel(this);
        label->setGeometry(PxRect(twips));
        label->setCursor(pointer);
        label->setToolTip(Toolbar::MenuButtonToolTip(button));
        const auto which = button;
        connect(label, &ClickLabel::hovered, this, [this, which] { toolbar_.HoverMenuButton(which); });
        connect(label, &ClickLabel::clicked, this, [this, which] { emit menuButtonClicked(which); });
        (button == Toolbar::MenuButton::Main ? mainButton_ : modeButton_) = label;
    }

    for (const int index : Toolbar::kLabels) {
        auto* label = new ClickLabel(this);
        label->setGeometry(PxRect(Toolbar::LabelRect(index)));
        label->setCursor(pointer);
        label->setToolTip(Toolbar::ToolTip(index));
        connect(label, &ClickLabel::hovered, this, [this, index] { toolbar_.HoverLabel(index); });
        connect(label, &ClickLabel::clicked, this, [this, index] { toolbar_.Click(index); });
        labels_[static_cast<std::size_t>(index)] = label;
    }

    const QString toggleStyle = QStringLiteral(
        "QPushButton { background: #008000; color: #FFFFC0; border: 1px solid #0B4F0B; border-radius: 3px; }"
        "QPushButton:checked { background: #005A00; border-style: inset; color: #E0E0A8; }");
    for (auto [button, left, text] : {std::tuple{&checkMedia_, 8640, QStringLiteral("背景音乐")},
                                      std::tuple{&checkSound_, 10080, QStringLiteral("鼠标音效")}}) {
        auto* toggle = new QPushButton(text, this);
        toggle->setCheckable(true);
        toggle->setFocusPolicy(Qt::NoFocus);
        toggle->setGeometry(PxRect(QRect(left, 23, 1095, 375)));
        toggle->setStyleSheet(toggleStyle);
        toggle->setCursor(pointer);
        *button = toggle;
    }
    // Pressed means off.
    AudioSwitches& audio = controller_.Audio();
    connect(checkMedia_, &QPushButton::clicked, this, [&audio](bool pressed) { audio.SetMusicOn(!pressed); });
    connect(checkSound_, &QPushButton::clicked, this, [&audio](bool pressed) { audio.SetEffectsOn(!pressed); });

    AddText(QStringLiteral("玩家姓名："), {600, 600, 900, 180}, kBlueText);
    name_ = AddText(QString(), {1680, 600, 720, 180}, kRedText);
    AddText(QStringLiteral("积分："), {2760, 600, 540, 180}, kBlueText);
    for (int position = 1; position <= 8; ++position) {
        auto* digit = new QLabel(this);
        digit->setGeometry(PxRect(QRect(3360 + (8 - position) * 240, 593, 225, 195)));
        digits_[static_cast<std::size_t>(position)] = digit;
    }
    AddText(QStringLiteral("等级："), {5640, 600, 540, 180}, kBlueText);
    rank_ = AddText(InitialRankTitle(), {6240, 600, 1500, 180}, kRedText);
    AddText(QStringLiteral("生命："), {7800, 600, 540, 180}, kBlueText);
    timeBar_ = new TimeBar(this);
    timeBar_->setGeometry(PxRect(QRect(8400, 563, 3000, 255)));
    AddText(QStringLiteral("霁岚连连看 · 原创游戏"), {12480, 600, 2340, 180}, kBlueText);
    AddText(QStringLiteral("© 霁岚工作室"), {13320, 120, 1440, 180}, kBlueText);

    Game& game = controller_.GetGame();
    connect(&toolbar_, &Toolbar::changed, this, &ToolStrip::ShowLabels);
    connect(&audio, &AudioSwitches::switchesChanged, this, &ToolStrip::ShowSwitches);
    connect(&game, &Game::scoreChanged, this, &ToolStrip::ShowScore);
    connect(&game, &Game::timeChanged, this, [this, &game] { timeBar_->SetTimeLeft(game.TimeLeft()); });
    connect(&controller_, &MainController::userChanged, this, [this] { name_->setText(controller_.UserName()); });
    ShowLabels();
    ShowSwitches();
    ShowScore();
    timeBar_->SetTimeLeft(game.TimeLeft());
}

QLabel* ToolStrip::AddText(const QString& text, QRect twips, QColor colour)
{
    auto* label = new QLabel(text, this);
    label->setGeometry(PxRect(twips));
    SetTextColour(label, colour);
    return label;
}

ClickLabel* ToolStrip::MenuButton(Toolbar::MenuButton button) const
{
    return button == Toolbar::MenuButton::Main ? mainButton_ : modeButton_;
}

void ToolStrip::ShowLabels()
{
    for (const int index : Toolbar::kLabels) {
        ClickLabel* label = labels_[static_cast<std::size_t>(index)];
        label->setText(toolbar_.Text(index));
        label->setEnabled(toolbar_.Enabled(index));
        SetTextColour(label, FromBgr(toolbar_.Colour(index)));
    }
    mainButton_->setPixmap(ImageList1(toolbar_.MenuButtonPicture(Toolbar::MenuButton::Main)));
    modeButton_->setPixmap(ImageList1(toolbar_.MenuButtonPicture(Toolbar::MenuButton::Mode)));
}

void ToolStrip::ShowSwitches()
{
    checkMedia_->setChecked(!controller_.Audio().MusicOn());
    checkSound_->setChecked(!controller_.Audio().EffectsOn());
}

void ToolStrip::ShowScore()
{
    const ScoreDisplay& score = controller_.GetGame().Score();
    for (int position = 1; position <= 8; ++position) {
        digits_[static_cast<std::size_t>(position)]->setPixmap(ImageList1(score.digit[static_cast<std::size_t>(position)] + 1));
    }
    rank_->setText(score.title);
}

void ToolStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xF6, 0xEE, 0xDC));
    p.drawPixmap(0, 0, background_);
}

void ToolStrip::mouseMoveEvent(QMouseEvent*)
{
    toolbar_.HoverStrip();
}

} // namespace daz
