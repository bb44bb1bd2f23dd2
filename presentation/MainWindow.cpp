#include "MainWindow.h"

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
#include "presentation/GameTexts.h"
#include "presentation/HelpWindow.h"
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

MainWindow::MainWindow(GameParts& parts, LevelTools tools)
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

    connect(strip_, &ToolStrip::menuButtonClicked, this, &MainWindow::OpenMenu);
    connect(&flow_.GetRound(), &Round::phaseChanged, this, &MainWindow::ShowOverlay);
    connect(&flow_.Audio(), &AudioSwitches::switchesChanged, this, &MainWindow::ShowSwitches);
    connect(&flow_, &GameFlow::modeChanged, this, &MainWindow::ShowModes);
    connect(&flow_, &GameFlow::levelMenuChanged, this, &MainWindow::ShowLevelMenu);
    connect(&flow_, &GameFlow::helpOpened, this, &MainWindow::ShowHelp);
    ShowSwitches();
    ShowModes();
    ShowLevelMenu();
    ShowOverlay();
    LayOut();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus()
{
    mainMenu_ = new QMenu(QStringLiteral("选关"), this);
    GiveKeys(mainMenu_->addAction(QStringLiteral("重新开始"), this, [this] { flow_.Restart(); }),
             Toolbar::Keys(Toolbar::Restart));
    mainMenu_->addSeparator();
    levelMenu_ = mainMenu_->addMenu(QStringLiteral("选择关卡"));
    levelMenu_->addAction(QStringLiteral("随机选关"), this, [this] { flow_.RandomLevel(); });
    levelMenu_->addSeparator();
    for (int i = 1; i <= GameFlow::kLevelMenuSize; ++i) {
        QAction* item = levelMenu_->addAction(QString::number(i), this, [this, i] { flow_.ChooseLevel(i); });
        item->setVisible(false);
        levelItems_[static_cast<std::size_t>(i)] = item;
    }
    GiveKeys(mainMenu_->addAction(QStringLiteral("成绩榜"), this, [this] { openRecords_(this); }),
             {QKeySequence(Qt::CTRL | Qt::Key_R)});
    mainMenu_->addSeparator();
    soundItem_ = mainMenu_->addAction(QStringLiteral("鼠标音效"));
    soundItem_->setCheckable(true);
    connect(soundItem_, &QAction::triggered, this, [this](bool on) { flow_.Audio().SetEffectsOn(on); });
    musicItem_ = mainMenu_->addAction(QStringLiteral("背景音乐"));
    musicItem_->setCheckable(true);
    connect(musicItem_, &QAction::triggered, this, [this](bool on) { flow_.Audio().SetMusicOn(on); });
    mainMenu_->addAction(QStringLiteral("霁岚--关卡修改器"), this, [this] {
        if (tools_.openModifier) {
            tools_.openModifier(this);
        }
    });
    mainMenu_->addAction(QStringLiteral("霁岚--关卡编辑器"), this, [this] {
        if (tools_.openEditor && tools_.openEditor(this)) {
            flow_.LevelAdded();
        }
    });
    mainMenu_->addSeparator();
    GiveKeys(mainMenu_->addAction(QStringLiteral("主题帮助"), this, [this] { flow_.OpenHelp(); }),
             {QKeySequence(Qt::Key_F1)});
    mainMenu_->addAction(QStringLiteral("建议反馈"), this, [this] { flow_.SendFeedback(); });
    mainMenu_->addSeparator();
    mainMenu_->addAction(QStringLiteral("最新软件下载"), this, [this] { flow_.OpenDownloads(); });
    mainMenu_->addAction(QStringLiteral("最新关卡下载"), this, [this] { flow_.OpenDownloads(); });
    mainMenu_->addSeparator();
    mainMenu_->addAction(QStringLiteral("关于作者"), this, [this] { flow_.ShowAbout(); });
    mainMenu_->addSeparator();
    GiveKeys(mainMenu_->addAction(QStringLiteral("退出"), this, [this] { quitKey_->Quit(); }), {QuitKey::Key()});

    modeMenu_ = new QMenu(QStringLiteral("游戏模式"), this);
    for (int mode = 1; mode <= kModeCount; ++mode) {
        // The mode's name, and in a few words what it does.
        QAction* item = modeMenu_->addAction(ModeCaption(mode) + QStringLiteral(" — ") + ModeSummary(mode), this,
                                             [this, mode] { flow_.ChooseMode(mode); });
        item->setCheckable(true);
        GiveKeys(item, {QKeySequence(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_0 + mode)))});
        modeItems_[static_cast<std::size_t>(mode)] = item;
    }
}

void MainWindow::GiveKeys(QAction* item, const QList<QKeySequence>& keys)
{
    item->setShortcuts(keys);
    item->setShortcutVisibleInContextMenu(true);
    addAction(item);
}

void MainWindow::BuildKeys()
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

void MainWindow::keyPressEvent(QKeyEvent* event)
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
    case Qt::Key_Escape: round.ClickBoard(MouseButton::Right); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void MainWindow::ShowSwitches()
{
    soundItem_->setChecked(flow_.Audio().EffectsOn());
    musicItem_->setChecked(flow_.Audio().MusicOn());
}

void MainWindow::ShowModes()
{
    for (int mode = 1; mode <= kModeCount; ++mode) {
        modeItems_[static_cast<std::size_t>(mode)]->setChecked(mode == flow_.Mode());
    }
}

void MainWindow::ShowLevelMenu()
{
    const QStringList items = flow_.LevelMenu();
    for (int i = 1; i <= GameFlow::kLevelMenuSize; ++i) {
        QAction* item = levelItems_[static_cast<std::size_t>(i)];
        const bool listed = i <= items.size() && !items[i - 1].isEmpty();
        item->setVisible(listed);
        item->setText(listed ? items[i - 1] : QString::number(i));
    }
}

QAction* MainWindow::MainItem(const QString& text) const
{
    for (QAction* item : mainMenu_->actions()) {
        if (item->text() == text)
            return item;
    }
    return nullptr;
}

void MainWindow::ShowHelp(const QString& text)
{
    // One help window, left open beside the game as long as the player likes.
    if (!help_)
        help_ = new HelpWindow(this);
    help_->SetText(text);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

QPoint MainWindow::MenuPosition(Toolbar::MenuButton button) const
{
    const QWidget* b = strip_->MenuButton(button);
    return strip_->mapToGlobal(QPoint(b->x() + b->width() / 2, b->y() + b->height()));
}

void MainWindow::OpenMenu(Toolbar::MenuButton button)
{
    // The level pauses before its menu opens.
    flow_.GetRound().PauseQuietly();
    parts_.toolbar.RestMenuButton(button);
    QMenu* menu = button == Toolbar::MenuButton::Main ? mainMenu_ : modeMenu_;
    const QPoint at = MenuPosition(button);
    if (runMenu_) {
        runMenu_(menu, at);
    } else {
        menu->exec(at);
    }
    // The level stays paused until the overlay is clicked or a command
    // loads a level.
}

void MainWindow::ShowOverlay()
{
    board_->setVisible(!BoardHidden(flow_.GetRound().GetPhase()));
    overlay_->Show();
}

double MainWindow::ScaleFor(QSize size)
{
    return std::min(static_cast<double>(size.width()) / kDesignWidth,
                    static_cast<double>(size.height()) / kDesignHeight);
}

void MainWindow::LayOut()
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

void MainWindow::showEvent(QShowEvent* event)
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

void MainWindow::resizeEvent(QResizeEvent*)
{
    LayOut();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        flow_.WindowMinimised();
    }
    QWidget::changeEvent(event);
}

void MainWindow::Quit()
{
    quitKey_->Quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        flow_.Unload();
    }
    event->accept();
}

} // namespace daz
