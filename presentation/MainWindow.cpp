#include "MainWindow.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

#include "game/AudioSwitches.h"
#include "game/GameFlow.h"
#include "presentation/Announcer.h"
#include "presentation/BoardCaption.h"
#include "presentation/BoardMotion.h"
#include "presentation/BoardView.h"
#include "presentation/Contrast.h"
#include "presentation/GameActions.h"
#include "presentation/GameInfo.h"
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

MainWindow::MainWindow(Parts parts, LevelTools tools)
    : parts_(parts),
      tools_(std::move(tools)),
      actions_(new GameActions(parts.flow, parts.round, parts.audio, parts.info, parts.boxes, this)),
      toolbar_(parts.round, *actions_),
      strip_(new ToolStrip(toolbar_, *actions_, parts.flow, parts.round, parts.audio, this)),
      board_(new BoardView({parts.flow, parts.round, parts.motion, parts.particles, parts.caption}, this)),
      overlay_(new OverlayBox({parts.flow, parts.round, parts.motion, parts.particles, parts.caption}, *board_, this)),
      credits_(new QLabel(this)),
      announcer_(new Announcer(parts.round, *board_, parts.caption, *actions_, this)),
      quitKey_(new QuitKey(this))
{
    setWindowIcon(QIcon(WindowPicture(QStringLiteral("app-icon.png"))));
    setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xF6, 0xEE, 0xDC));
    UseOwnPalette(this, palette);
    resize(Px(kDesignWidth), Px(kDesignHeight));
    setMinimumSize(Px(kDesignWidth * kSmallest), Px(kDesignHeight * kSmallest));

    QPalette creditPalette;
    creditPalette.setColor(QPalette::WindowText, FromBgr(0xFF0000));
    UseOwnPalette(credits_, creditPalette);

    setFocusPolicy(Qt::StrongFocus);
    // Every command's keys work in the window, its menus closed.
    for (QAction* action : actions_->All()) {
        addAction(action);
    }
    BuildMenus();
    ConnectWindowCommands();
    Retranslate();
    // Another program's window took the focus (not one of the game's own).
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive) {
            PlayerAway();
        }
    });
    connect(actions_, &GameActions::languageChosen, this, [this](const QString& choice) {
        if (chooseLanguage_) {
            chooseLanguage_(choice);
        }
    });

    connect(&parts_.round, &Round::phaseChanged, this, &MainWindow::ShowOverlay);
    connect(&parts_.info, &GameInfo::helpOpened, this, &MainWindow::ShowHelp);
    ShowOverlay();
    LayOut();
}

QLabel* MainWindow::ShowBox() const
{
    return overlay_->Picture();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus()
{
    const auto item = [this](const char* name) { return actions_->Get(QString::fromLatin1(name)); };
    mainMenu_ = new QMenu(this);
    mainMenu_->setObjectName(QStringLiteral("mainMenu"));
    mainMenu_->addAction(item("restart"));
    mainMenu_->addSeparator();
    levelMenu_ = mainMenu_->addMenu(QString());
    levelMenu_->setObjectName(QStringLiteral("levelMenu"));
    levelMenu_->addAction(item("randomLevel"));
    levelMenu_->addSeparator();
    levelMenu_->addActions({actions_->Levels().begin(), actions_->Levels().end()});
    for (const char* name :
         {"records", "settings", "", "effects", "music", "languages", "levelModifier", "levelEditor", "", "help",
          "feedback", "", "softwareDownload", "levelDownload", "", "about", "", "quit"}) {
        if (name == std::string_view("languages")) {
            languageMenu_ = mainMenu_->addMenu(QString());
            languageMenu_->setObjectName(QStringLiteral("languageMenu"));
            languageMenu_->addActions({item("languageSystem"), item("languageChinese"), item("languageEnglish")});
        } else if (*name) {
            mainMenu_->addAction(item(name));
        } else {
            mainMenu_->addSeparator();
        }
    }
    modeMenu_ = new QMenu(this);
    modeMenu_->setObjectName(QStringLiteral("modeMenu"));
    modeMenu_->addActions({actions_->Modes().begin(), actions_->Modes().end()});
}

void MainWindow::Retranslate()
{
    setWindowTitle(GameInfo::WindowCaption());
    credits_->setText(tr("霁岚连连看 · 原创游戏　　© 霁岚工作室"));
    mainMenu_->setTitle(tr("选关"));
    levelMenu_->setTitle(tr("选择关卡"));
    // Named in both languages, so that a player who reads only one finds it.
    languageMenu_->setTitle(tr("语言 / Language"));
    modeMenu_->setTitle(tr("游戏模式"));
    actions_->Retranslate();
    LayOut(); // the credits' width changed
}

void MainWindow::SetLanguageChooser(const QString& current, std::function<void(const QString& choice)> choose)
{
    actions_->ShowLanguage(current);
    chooseLanguage_ = std::move(choose);
}

void MainWindow::ConnectWindowCommands()
{
    const auto on = [this](const char* name, auto run) {
        connect(actions_->Get(QString::fromLatin1(name)), &QAction::triggered, this, run);
    };
    on("mainMenu", [this] { OpenMenu(Toolbar::MenuButton::Main); });
    on("modeMenu", [this] { OpenMenu(Toolbar::MenuButton::Mode); });
    on("records", [this] { openRecords_(this); });
    on("settings", [this] {
        // The level waits while the player chooses.
        parts_.round.PauseQuietly();
        if (openSettings_) {
            openSettings_(this);
        }
    });
    on("levelModifier", [this] {
        if (tools_.openModifier) {
            tools_.openModifier(this);
        }
    });
    on("levelEditor", [this] {
        if (tools_.openEditor && tools_.openEditor(this)) {
            parts_.flow.LevelAdded();
        }
    });
    on("quit", [this] { quitKey_->Quit(); });
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // The board's keys go to the board view, also while the picture that
    // hides it shows.
    if (board_->PressKey(*event)) {
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void MainWindow::ShowHelp(const QString& text)
{
    // One help window, left open beside the game as long as the player likes.
    if (!help_) {
        help_ = new HelpWindow(this);
    }
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
    parts_.round.PauseQuietly();
    toolbar_.RestMenuButton(button);
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
    board_->setVisible(!BoardHidden(parts_.round.GetPhase()));
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

void MainWindow::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // Qt points a screen reader at the window once its focus is settled;
    // the board's cursor then takes it, as it holds the keys.
    QMetaObject::invokeMethod(board_, &BoardView::TellCursorFocus, Qt::QueuedConnection);
}

void MainWindow::resizeEvent(QResizeEvent*)
{
    LayOut();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        PlayerAway();
    }
    // First the actions, whose tool tips the strip shows; Qt then tells
    // the children.
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        overlay_->Show();
        // The help open beside the game: its file is the new language's.
        if (help_ && help_->isVisible()) {
            if (const std::optional<QString> text = parts_.info.HelpText()) {
                help_->SetText(*text);
            }
        }
    }
    QWidget::changeEvent(event);
}

void MainWindow::PlayerAway()
{
    if (pauseWhenAway_) {
        parts_.round.PauseQuietly();
    }
}

void MainWindow::SetUntimed(bool on)
{
    parts_.round.SetUntimedPlay(on);
}

void MainWindow::Quit()
{
    quitKey_->Quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        parts_.flow.Unload();
    }
    event->accept();
}

} // namespace daz
