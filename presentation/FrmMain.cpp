#include "FrmMain.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

#include "presentation/BoardView.h"
#include "presentation/FrmHelp.h"
#include "presentation/OverlayBox.h"
#include "presentation/Pictures.h"
#include "presentation/QuitKey.h"
#include "presentation/ToolStrip.h"

namespace daz {
namespace {

// The window's client area as designed, in twips. Everything in it is
// drawn at one scale, the largest at which the design fits the window.
constexpr int kDesignWidth = 11925;
constexpr int kDesignHeight = 9465;
// Where the board area sits below the strip in a window of the design's
// proportions; more height is shared above and below it.
constexpr int kBoardTop = 932;
// The credit line under the board, its letters at the design scale.
constexpr int kCreditPixels = 12;
// The window may shrink to three quarters of the design.
constexpr double kSmallest = 0.75;
// Frame and title bar, when the window system has not told them yet.
constexpr QMargins kGuessedFrame(4, 32, 4, 4);

} // namespace

FrmMain::FrmMain(GameParts& parts, LevelTools tools)
    : parts_(parts),
      flow_(parts.flow),
      tools_(std::move(tools)),
      strip_(new ToolStrip(parts, this)),
      board_(new BoardView(parts, this)),
      overlay_(new OverlayBox(parts, *board_, this)),
      credits_(new QLabel(QStringLiteral("霁岚连连看 · 原创游戏　　© 霁岚工作室"), this)),
      quitKey_(new QuitKey(this))
{
    setWindowTitle(GameFlow::WindowCaption());
    setWindowIcon(QIcon(WindowPicture(QStringLiteral("app-icon.png"))));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xF6, 0xEE, 0xDC));
    setPalette(palette);
    resize(Px(kDesignWidth), Px(kDesignHeight));
    setMinimumSize(Px(kDesignWidth * kSmallest), Px(kDesignHeight * kSmallest));

    QPalette creditPalette = credits_->palette();
    creditPalette.setColor(QPalette::WindowText, FromBgr(0xFF0000));
    credits_->setPalette(creditPalette);

    BuildMenus();
    BuildKeys();

    connect(strip_, &ToolStrip::menuButtonClicked, this, &FrmMain::OpenMenu);
    connect(&flow_.GetRound(), &Round::overlayChanged, this, &FrmMain::ShowOverlay);
    connect(&flow_.Audio(), &AudioSwitches::switchesChanged, this, &FrmMain::ShowSwitches);
    connect(&flow_, &GameFlow::modeChanged, this, &FrmMain::ShowModes);
    connect(&flow_, &GameFlow::levelMenuChanged, this, &FrmMain::ShowLevelMenu);
    connect(&flow_, &GameFlow::helpOpened, this, &FrmMain::ShowHelp);
    ShowSwitches();
    ShowModes();
    ShowLevelMenu();
    ShowOverlay();
    LayOut();
}

FrmMain::~FrmMain() = default;

void FrmMain::BuildMenus()
{
    munMain_ = new QMenu(QStringLiteral("选关"), this);
    GiveKeys(munMain_->addAction(QStringLiteral("重新开始"), this, [this] { flow_.Restart(); }),
             Toolbar::Keys(Toolbar::Restart));
    munMain_->addSeparator();
    munGameSelect_ = munMain_->addMenu(QStringLiteral("选择关卡"));
    munGameSelect_->addAction(QStringLiteral("随机选关"), this, [this] { flow_.RandomLevel(); });
    munGameSelect_->addSeparator();
    for (int i = 1; i <= GameFlow::kLevelMenuSize; ++i) {
        QAction* item = munGameSelect_->addAction(QString::number(i), this, [this, i] { flow_.ChooseLevel(i); });
        item->setVisible(false);
        munGame_[static_cast<std::size_t>(i)] = item;
    }
    GiveKeys(munMain_->addAction(QStringLiteral("成绩榜"), this, [this] { openRecords_(this); }),
             {QKeySequence(Qt::CTRL | Qt::Key_R)});
    munMain_->addSeparator();
    munSound_ = munMain_->addAction(QStringLiteral("鼠标音效"));
    munSound_->setCheckable(true);
    connect(munSound_, &QAction::triggered, this, [this](bool on) { flow_.Audio().SetEffectsOn(on); });
    munMedia_ = munMain_->addAction(QStringLiteral("背景音乐"));
    munMedia_->setCheckable(true);
    connect(munMedia_, &QAction::triggered, this, [this](bool on) { flow_.Audio().SetMusicOn(on); });
    munMain_->addAction(QStringLiteral("霁岚--关卡修改器"), this, [this] {
        if (tools_.openModifier) {
            tools_.openModifier(this);
        }
    });
    munMain_->addAction(QStringLiteral("霁岚--关卡编辑器"), this, [this] {
        if (tools_.openEditor && tools_.openEditor(this)) {
            flow_.LevelAdded();
        }
    });
    munMain_->addSeparator();
    GiveKeys(munMain_->addAction(QStringLiteral("主题帮助"), this, [this] { flow_.OpenHelp(); }),
             {QKeySequence(Qt::Key_F1)});
    munMain_->addAction(QStringLiteral("建议反馈"), this, [this] { flow_.SendFeedback(); });
    munMain_->addSeparator();
    munMain_->addAction(QStringLiteral("最新软件下载"), this, [this] { flow_.OpenDownloads(); });
    munMain_->addAction(QStringLiteral("最新关卡下载"), this, [this] { flow_.OpenDownloads(); });
    munMain_->addSeparator();
    munMain_->addAction(QStringLiteral("关于作者"), this, [this] { flow_.ShowAbout(); });
    munMain_->addSeparator();
    GiveKeys(munMain_->addAction(QStringLiteral("退出"), this, [this] { quitKey_->Quit(); }), {QuitKey::Key()});

    munMode_ = new QMenu(QStringLiteral("游戏模式"), this);
    for (int mode = 1; mode <= kModeCount; ++mode) {
        // The mode's name, and in a few words what it does.
        const ModeRules& rules = RulesFor(mode);
        QAction* item = munMode_->addAction(
            QString::fromUtf8(rules.caption) + QStringLiteral(" — ") + QString::fromUtf8(rules.summary), this,
            [this, mode] { flow_.ChooseMode(mode); });
        item->setCheckable(true);
        GiveKeys(item, {QKeySequence(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_0 + mode)))});
        munGameMode_[static_cast<std::size_t>(mode)] = item;
    }
}

void FrmMain::GiveKeys(QAction* item, const QList<QKeySequence>& keys)
{
    item->setShortcuts(keys);
    item->setShortcutVisibleInContextMenu(true);
    addAction(item);
}

void FrmMain::BuildKeys()
{
    setFocusPolicy(Qt::StrongFocus);
    Toolbar& toolbar = parts_.toolbar;
    for (const int index : {Toolbar::Undo, Toolbar::Hint, Toolbar::Shuffle}) {
        auto* key = new QAction(this);
        key->setShortcuts(Toolbar::Keys(index));
        // Through the label's own click: a disabled label takes no key.
        connect(key, &QAction::triggered, this, [&toolbar, index] { toolbar.Click(index); });
        addAction(key);
    }
    auto* pause = new QAction(this);
    pause->setShortcuts(Toolbar::Keys(Toolbar::Pause));
    connect(pause, &QAction::triggered, this, [this] { flow_.PauseKey(); });
    addAction(pause);
    for (const auto button : {Toolbar::MenuButton::Main, Toolbar::MenuButton::Mode}) {
        auto* key = new QAction(this);
        key->setShortcut(Toolbar::MenuButtonKey(button));
        connect(key, &QAction::triggered, this, [this, button] { OpenMenu(button); });
        addAction(key);
    }
}

void FrmMain::keyPressEvent(QKeyEvent* event)
{
    Round& round = flow_.GetRound();
    if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: round.MoveCursor(Direction::Left); break;
    case Qt::Key_Right: round.MoveCursor(Direction::Right); break;
    case Qt::Key_Up: round.MoveCursor(Direction::Up); break;
    case Qt::Key_Down: round.MoveCursor(Direction::Down); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: flow_.ClickKey(MouseButton::Left); break;
    case Qt::Key_Backspace: flow_.ClickKey(MouseButton::Right); break;
    case Qt::Key_Escape: round.DropSelection(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void FrmMain::ShowSwitches()
{
    munSound_->setChecked(flow_.Audio().EffectsOn());
    munMedia_->setChecked(flow_.Audio().MusicOn());
}

void FrmMain::ShowModes()
{
    for (int mode = 1; mode <= kModeCount; ++mode) {
        munGameMode_[static_cast<std::size_t>(mode)]->setChecked(mode == flow_.Mode());
    }
}

void FrmMain::ShowLevelMenu()
{
    const QStringList items = flow_.LevelMenu();
    for (int i = 1; i <= GameFlow::kLevelMenuSize; ++i) {
        QAction* item = munGame_[static_cast<std::size_t>(i)];
        const bool listed = i <= items.size() && !items[i - 1].isEmpty();
        item->setVisible(listed);
        item->setText(listed ? items[i - 1] : QString::number(i));
    }
}

QAction* FrmMain::MainItem(const QString& text) const
{
    for (QAction* item : munMain_->actions()) {
        if (item->text() == text)
            return item;
    }
    return nullptr;
}

void FrmMain::ShowHelp(const QString& text)
{
    // One help window, left open beside the game as long as the player likes.
    if (!help_)
        help_ = new FrmHelp(this);
    help_->SetText(text);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

QPoint FrmMain::MenuPosition(Toolbar::MenuButton button) const
{
    const QWidget* b = strip_->MenuButton(button);
    return strip_->mapToGlobal(QPoint(b->x() + b->width() / 2, b->y() + b->height()));
}

void FrmMain::OpenMenu(Toolbar::MenuButton button)
{
    // The level pauses before its menu opens.
    flow_.GetRound().ShowOverlay();
    parts_.toolbar.RestMenuButton(button);
    QMenu* menu = button == Toolbar::MenuButton::Main ? munMain_ : munMode_;
    const QPoint at = MenuPosition(button);
    if (runMenu_) {
        runMenu_(menu, at);
    } else {
        menu->exec(at);
    }
    // The level stays paused until the overlay is clicked or a command
    // loads a level.
}

void FrmMain::ShowOverlay()
{
    board_->setVisible(flow_.GetRound().BoardVisible());
    overlay_->Show();
}

double FrmMain::ScaleFor(QSize size)
{
    return std::min(static_cast<double>(size.width()) / kDesignWidth,
                    static_cast<double>(size.height()) / kDesignHeight);
}

void FrmMain::LayOut()
{
    const int w = width();
    const int h = height();
    const double scale = ScaleFor(size());
    const auto px = [scale](double twips) { return static_cast<int>(std::lround(twips * scale)); };

    strip_->SetScale(scale, w);
    strip_->move(0, 0);

    // The board under the strip, centred; a window taller than the
    // design's proportions shares the rest above and below it.
    board_->SetScale(scale);
    const int spare = std::max(0, h - px(kDesignHeight));
    board_->move((w - board_->width()) / 2, px(kBoardTop) + spare / 2);

    // The credits under the board's right end.
    QFont font = credits_->font();
    font.setPixelSize(std::max(1, static_cast<int>(kCreditPixels * kTwipsPerPixel * scale)));
    credits_->setFont(font);
    credits_->adjustSize();
    const int below = board_->geometry().bottom() + 1;
    credits_->move(board_->geometry().right() + 1 - credits_->width(),
                   std::min(h - credits_->height(), below + std::max(0, (h - below - credits_->height()) / 2)));

    ShowOverlay();
}

void FrmMain::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        // The window opens at its design size, smaller when the screen's
        // work area cannot hold it with its frame, and in the middle of it.
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                           frameGeometry().right() - geometry().right(),
                           frameGeometry().bottom() - geometry().bottom());
            const bool frameKnown = !frame.isNull();
            if (!frameKnown) {
                frame = kGuessedFrame;
            }
            const QSize room = area.size().shrunkBy(frame);
            const double fit = std::min(1.0, ScaleFor(room) * kTwipsPerPixel);
            const QSize smallest(Px(kDesignWidth * kSmallest), Px(kDesignHeight * kSmallest));
            setMinimumSize(smallest.boundedTo(room));
            resize(QSize(Px(kDesignWidth * fit), Px(kDesignHeight * fit)).boundedTo(room).expandedTo(minimumSize()));
            QRect outer = QRect(QPoint(0, 0), size()).marginsAdded(frame);
            outer.moveCenter(area.center());
            outer.moveTop(std::max(area.top(), outer.top()));
            outer.moveLeft(std::max(area.left(), outer.left()));
            // The frame goes inside the work area, title bar and all. Before
            // the window manager has framed the window, Qt places its inside
            // and the frame is added around that: the inside goes below
            // where the title bar will be.
            if (frameKnown) {
                move(outer.topLeft());
            } else {
                setGeometry(outer.marginsRemoved(frame));
            }
        }
        // The mode was chosen in another window, perhaps by keyboard: the
        // keys go on here at once.
        activateWindow();
    }
    QWidget::showEvent(event);
}

void FrmMain::resizeEvent(QResizeEvent*)
{
    LayOut();
}

void FrmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        flow_.WindowMinimised();
    }
    QWidget::changeEvent(event);
}

void FrmMain::Quit()
{
    quitKey_->Quit();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        flow_.Unload();
    }
    event->accept();
}

} // namespace daz
