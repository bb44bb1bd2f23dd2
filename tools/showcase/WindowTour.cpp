#include "WindowTour.h"

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "engine/HintSearch.h"
#include "game/GameFlow.h"
#include "game/ResultKeeper.h"
#include "game/Round.h"
#include "leveldata/Records.h"
#include "platform/QtDesktop.h"
#include "platform/QtMessageBoxes.h"
#include "presentation/Contrast.h"
#include "presentation/HelpWindow.h"
#include "presentation/MainWindow.h"
#include "presentation/ModeChooserWindow.h"
#include "presentation/RecordsWindow.h"
#include "presentation/SplashWindow.h"
#include "presentation/leveltools/LevelEditorWindow.h"
#include "presentation/leveltools/LevelToolWindow.h"
#include "presentation/leveltools/ToolWidgets.h"

namespace daz {
namespace {

// How long a window may take to show and paint before the tour gives up
// on its picture.
constexpr int kPatience = 10000; // ms

// Runs the event loop until the condition holds; false when it still did
// not after kPatience.
bool WaitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake; // so that the wait below never outlasts the patience
    wake.start(kPatience);
    while (!condition()) {
        if (clock.elapsed() > kPatience) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Hears the widget's next paint once its window is on screen, and ends the
// loop after it (not inside it: the paint is finished first).
class PaintWatch final : public QObject {
public:
    PaintWatch(QWidget& widget, QEventLoop& loop) : widget_(widget), loop_(loop) { widget_.installEventFilter(this); }
    ~PaintWatch() override { widget_.removeEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QWindow* window = widget_.window()->windowHandle();
        if (watched == &widget_ && event->type() == QEvent::Paint && window != nullptr && window->isExposed()) {
            painted = true;
            QTimer::singleShot(0, &loop_, &QEventLoop::quit);
        }
        return false;
    }

private:
    QWidget& widget_;
    QEventLoop& loop_;
};

// Waits until the widget's window is shown on screen and the widget has
// been painted since this was called, so that whatever changed before
// shows; false when that took too long.
bool WaitUntilPainted(QWidget& widget)
{
    QEventLoop loop;
    PaintWatch watch(widget, loop);
    QTimer::singleShot(kPatience, &loop, &QEventLoop::quit);
    widget.update();
    loop.exec();
    return watch.painted;
}

// The window and the pop-ups over it, as the screen shows them: each taken
// on its own and laid where it stands.
QImage Together(QWidget& window, std::initializer_list<QWidget*> above)
{
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    QRect area(origin, window.size());
    for (const QWidget* widget : above) {
        area |= widget->geometry();
    }
    const qreal ratio = window.devicePixelRatioF();
    QImage picture((QSizeF(area.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawPixmap(origin - area.topLeft(), window.grab());
    for (QWidget* widget : above) {
        painter.drawPixmap(widget->geometry().topLeft() - area.topLeft(), widget->grab());
    }
    return picture;
}

// A shaped window as the desktop shows it: its key colour see-through.
QImage Shaped(ShapedWindow& window)
{
    QImage face = window.Face().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = window.KeyColour().rgb() | 0xFF000000u;
    for (int y = 0; y < face.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < face.width(); ++x) {
            if (line[x] == key) {
                line[x] = 0;
            }
        }
    }
    return face;
}

// Starts a window that waits in its own event loop (a modal dialog or a
// message box): once it shows and is painted, take runs with it, and it
// is closed as Esc closes it.
void WhileModal(const std::function<void()>& open, const std::function<void(QDialog&)>& take)
{
    QWidget* const before = QApplication::activeModalWidget();
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == before) {
            if (clock.elapsed() > kPatience) {
                look.stop();
            }
            return;
        }
        look.stop();
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog == nullptr) {
            modal->close(); // not a window the tour knows: nothing to wait for
            return;
        }
        seen = true;
        if (WaitUntilPainted(*dialog)) {
            take(*dialog);
        }
        dialog->reject();
    });
    look.start();
    open();
    look.stop();
    if (!seen) {
        std::fprintf(stderr, "daz-showcase: no modal window opened\n");
    }
}

void Trigger(MainWindow& window, const char* name)
{
    if (auto* action = window.findChild<QAction*>(QString::fromLatin1(name))) {
        action->trigger();
    } else {
        std::fprintf(stderr, "daz-showcase: no action %s\n", name);
    }
}

} // namespace

WindowTour::WindowTour(Parts parts, QString folder, QString prefix)
    : parts_(parts), folder_(std::move(folder)), prefix_(std::move(prefix))
{
}

bool WindowTour::Save(const QImage& picture, const char* name)
{
    const QString file = QDir(folder_).filePath(prefix_ + QString::fromLatin1(name) + QStringLiteral(".png"));
    if (picture.isNull() || !picture.save(file, "PNG")) {
        std::fprintf(stderr, "daz-showcase: could not take %s\n", qPrintable(file));
        ++failures_;
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

int WindowTour::Run()
{
    QApplication::setQuitOnLastWindowClosed(false);
    QDir().mkpath(folder_);
    AddResults();
    Splash();
    ModeChooser();
    MainWindowInPlay();
    Menus();
    Question();
    RecordsPages();
    Help();
    Settings();
    Looks();
    LevelTools();
    Cleared();
    return failures_;
}

void WindowTour::Splash()
{
    platform::QtInstanceLock lock(platform::QtInstanceLock::PathFor(parts_.ini.Folders().Player()));
    QPointer<SplashWindow> splash = new SplashWindow(lock, parts_.boxes, parts_.timers);
    if (!splash->Load()) {
        delete splash;
        Save({}, "splash");
        return;
    }
    // The bar a little more than half full.
    const bool filled = WaitFor([&] { return !splash || splash->Model().BarWidth() >= Splash::kBarFullWidth / 2; });
    if (splash && filled && WaitUntilPainted(*splash)) {
        Save(Shaped(*splash), "splash");
    } else {
        Save({}, "splash");
    }
    if (splash) {
        splash->onFinished = {};
        splash->close(); // it deletes itself
    }
}

void WindowTour::ModeChooser()
{
    auto* chooser = new ModeChooserWindow(parts_.effects, parts_.ini.Folders());
    QPointer<ModeChooserWindow> alive = chooser;
    chooser->Load();
    // Two steps of the Tab key: 正常模式 lit, and described.
    chooser->Model().MoveFocus(1);
    chooser->Model().MoveFocus(1);
    if (WaitUntilPainted(*chooser)) {
        Save(Shaped(*chooser), "mode-chooser");
    } else {
        Save({}, "mode-chooser");
    }
    if (alive) {
        alive->close(); // it deletes itself
    }
}

void WindowTour::MainWindowInPlay()
{
    MainWindow& window = parts_.window;
    Round& round = parts_.round;
    round.SetScore(1280); // enough for a hint
    window.show();
    WaitUntilPainted(window);
    for (int second = 0; second < 40; ++second) {
        parts_.tickLevelClock();
    }
    const Board& board = round.GetBoard();
    if (const auto pair = FindPair(board)) {
        round.ClickTile(board.CellOf(pair->first), MouseButton::Left);
        round.ClickTile(board.CellOf(pair->second), MouseButton::Left); // the pair goes, its path is drawn
    }
    Trigger(window, "hint");
    // A tile selected that is not of the hinted pair.
    for (int n = board.CellCount(); n >= 1; --n) {
        const Cell cell = board.CellOf(n);
        if (board.At(cell) != 0) {
            round.ClickTile(cell, MouseButton::Left);
            break;
        }
    }
    if (WaitUntilPainted(window)) {
        Save(window.grab().toImage(), "main");
    } else {
        Save({}, "main");
    }

    Trigger(window, "pause");
    if (round.GetPhase() == Phase::Paused && WaitUntilPainted(window)) {
        Save(window.grab().toImage(), "paused");
    } else {
        Save({}, "paused");
    }
    Trigger(window, "pause"); // and on again
}

void WindowTour::Menus()
{
    MainWindow& window = parts_.window;
    QMenu* mainMenu = nullptr;
    window.SetMenuRunner([&mainMenu](QMenu* menu, QPoint at) {
        menu->popup(at);
        mainMenu = menu;
    });
    Trigger(window, "mainMenu");
    auto* languages = window.findChild<QMenu*>(QStringLiteral("languageMenu"));
    bool shown = mainMenu != nullptr && languages != nullptr && WaitUntilPainted(*mainMenu);
    if (shown) {
        // The language submenu open, as the pointer on its item opens it.
        mainMenu->setActiveAction(languages->menuAction());
        shown = WaitFor([&] { return languages->isVisible(); }) && WaitUntilPainted(*languages)
                && WaitUntilPainted(window);
    }
    if (shown) {
        Save(Together(window, {mainMenu, languages}), "menu");
    } else {
        Save({}, "menu");
    }
    if (mainMenu != nullptr) {
        mainMenu->close();
    }
    window.SetMenuRunner({});
    parts_.round.Continue();
}

void WindowTour::Question()
{
    bool taken = false;
    parts_.boxes.SetParent(&parts_.window);
    WhileModal([&] { Trigger(parts_.window, "restart"); },
               [&](QDialog& box) { taken = Save(box.grab().toImage(), "question"); });
    if (!taken) {
        Save({}, "question");
    }
}

void WindowTour::RecordsPages()
{
    Trigger(parts_.window, "records");
    auto* records = parts_.window.findChild<RecordsWindow*>();
    if (records != nullptr && WaitUntilPainted(*records)) {
        Save(records->grab().toImage(), "records");
        records->ShowPage(RecordsWindow::Statistics);
        if (WaitUntilPainted(*records)) {
            Save(records->grab().toImage(), "statistics");
        } else {
            Save({}, "statistics");
        }
    } else {
        Save({}, "records");
        Save({}, "statistics");
    }
    if (records != nullptr) {
        records->close(); // it deletes itself
    }
    parts_.round.Continue();
}

void WindowTour::Help()
{
    Trigger(parts_.window, "help");
    auto* help = parts_.window.findChild<HelpWindow*>();
    if (help != nullptr && WaitUntilPainted(*help)) {
        Save(help->grab().toImage(), "help");
    } else {
        Save({}, "help");
    }
    if (help != nullptr) {
        help->close();
    }
}

void WindowTour::Settings()
{
    bool taken = false;
    WhileModal([&] { Trigger(parts_.window, "settings"); },
               [&](QDialog& window) { taken = Save(window.grab().toImage(), "settings"); });
    if (!taken) {
        Save({}, "settings");
    }
    parts_.round.Continue();
}

// The main window under high contrast, a tile selected and the keyboard's
// cursor on another, and 设置 with its box ticked; then with less motion, a
// pair gone (its path at one width) and the hint marked steadily.
void WindowTour::Looks()
{
    MainWindow& window = parts_.window;
    Round& round = parts_.round;
    const Board& board = round.GetBoard();
    UseHighContrast(true);
    std::optional<Cell> selected;
    for (int n = 1; n <= board.CellCount() && !selected; ++n) {
        if (board.At(board.CellOf(n)) != 0) {
            selected = board.CellOf(n);
        }
    }
    round.ClickBoard(MouseButton::Right);
    if (selected) {
        round.ClickTile(*selected, MouseButton::Left);
    }
    round.MoveCursor(Direction::Down);
    round.MoveCursor(Direction::Right);
    round.MoveCursor(Direction::Right);
    if (WaitUntilPainted(window)) {
        Save(window.grab().toImage(), "high-contrast-main");
    } else {
        Save({}, "high-contrast-main");
    }
    bool taken = false;
    WhileModal([&] { Trigger(window, "settings"); },
               [&](QDialog& settings) { taken = Save(settings.grab().toImage(), "high-contrast-settings"); });
    if (!taken) {
        Save({}, "high-contrast-settings");
    }
    round.Continue();
    UseHighContrast(false);

    parts_.lessMotion(true);
    round.ClickBoard(MouseButton::Right);
    if (const auto pair = FindPair(board)) {
        round.ClickTile(board.CellOf(pair->first), MouseButton::Left);
        round.ClickTile(board.CellOf(pair->second), MouseButton::Left);
    }
    Trigger(window, "hint");
    if (WaitUntilPainted(window)) {
        Save(window.grab().toImage(), "less-motion-main");
    } else {
        Save({}, "less-motion-main");
    }
    parts_.lessMotion(false);
}

void WindowTour::LevelTools()
{
    bool editor = false;
    bool chooser = false;
    WhileModal([&] { Trigger(parts_.window, "levelEditor"); },
               [&](QDialog& window) {
                   editor = Save(window.grab().toImage(), "level-editor");
                   // Its "…" beside the pictures' folder opens the folder chooser.
                   auto* tool = qobject_cast<LevelEditorWindow*>(&window);
                   if (tool == nullptr || tool->Button(tools::Role::SourceButton) == nullptr) {
                       return;
                   }
                   WhileModal([&] { tool->Button(tools::Role::SourceButton)->click(); },
                              [&](QDialog& folders) { chooser = Save(folders.grab().toImage(), "folder-chooser"); });
               });
    if (!editor) {
        Save({}, "level-editor");
    }
    if (!chooser) {
        Save({}, "folder-chooser");
    }
    bool modifier = false;
    WhileModal([&] { Trigger(parts_.window, "levelModifier"); },
               [&](QDialog& window) {
                   // The level in play chosen in its list, as the player would.
                   auto* tool = qobject_cast<LevelToolWindow*>(&window);
                   QComboBox* levels = tool != nullptr ? tool->List(tools::Role::LevelList) : nullptr;
                   const Level* level = parts_.flow.CurrentLevel();
                   if (levels != nullptr && level != nullptr) {
                       const std::vector<CatalogueEntry> listed = parts_.flow.ListedLevels();
                       for (std::size_t i = 0; i < listed.size(); ++i) {
                           if (listed[i].path == level->folder && static_cast<int>(i) < levels->count()) {
                               levels->setCurrentIndex(static_cast<int>(i));
                           }
                       }
                       WaitUntilPainted(window);
                   }
                   modifier = Save(window.grab().toImage(), "level-modifier");
               });
    if (!modifier) {
        Save({}, "level-modifier");
    }
}

void WindowTour::Cleared()
{
    Round& round = parts_.round;
    // Every pair the hint would find, in turn; a board without one is
    // shuffled by the round itself.
    for (int pairs = 0; round.GetPhase() == Phase::Playing && pairs < 1000; ++pairs) {
        const Board& board = round.GetBoard();
        const auto pair = FindPair(board);
        if (!pair) {
            break;
        }
        // Two seconds' thought for each pair.
        parts_.tickLevelClock();
        parts_.tickLevelClock();
        round.ClickTile(board.CellOf(pair->first), MouseButton::Left);
        round.ClickTile(board.CellOf(pair->second), MouseButton::Left);
    }
    if (round.GetPhase() == Phase::Cleared && WaitUntilPainted(parts_.window)) {
        Save(parts_.window.grab().toImage(), "cleared");
    } else {
        Save({}, "cleared");
    }
}

// A few results of the level dealt and some levels played before, for
// 成绩榜 and its statistics to show something.
void WindowTour::AddResults()
{
    Records* store = parts_.results.Store();
    const Level* level = parts_.flow.CurrentLevel();
    if (store == nullptr || level == nullptr) {
        return;
    }
    // Dated alike in every run.
    const QDateTime now(QDate(2026, 5, 1), QTime(20, 30));
    const int mode = parts_.flow.Place().mode;
    struct Played {
        const char* player;
        int seconds;
        int points;
        int undos, hints, shuffles;
        int daysAgo;
    };
    for (const Played& p :
         {Played{"LAN", 148, 63, 0, 1, 0, 1}, Played{"MEI", 171, 63, 1, 2, 0, 3}, Played{"LAN", 196, 61, 2, 1, 1, 6},
          Played{"QING", 240, 58, 3, 3, 1, 9}, Played{"MEI", 305, 55, 4, 2, 2, 12}}) {
        const QDateTime when = now.addDays(-p.daysAgo);
        store->LevelStarted(level->folder, mode, when);
        Result result;
        result.levelPath = level->folder;
        result.mode = mode;
        result.points = p.points;
        result.seconds = p.seconds;
        result.undos = p.undos;
        result.hints = p.hints;
        result.shuffles = p.shuffles;
        result.when = when;
        result.player = QString::fromLatin1(p.player);
        store->AddResult(result);
    }
    store->LevelStarted(level->folder, mode, now.addDays(-2));
    store->LevelTimedOut(level->folder, mode, 420, now.addDays(-2));
    // The levels before it, each cleared once, for the chart of best times.
    int seconds = 40;
    for (const CatalogueEntry& entry : parts_.flow.ListedLevels()) {
        if (entry.path == level->folder) {
            break;
        }
        seconds += 9 + (seconds % 7) * 3;
        const QDateTime when = now.addDays(-30).addSecs(seconds * 60);
        store->LevelStarted(entry.path, mode, when);
        Result result;
        result.levelPath = entry.path;
        result.mode = mode;
        result.points = seconds / 4;
        result.seconds = seconds;
        result.when = when;
        result.player = QStringLiteral("LAN");
        store->AddResult(result);
    }
}

} // namespace daz
