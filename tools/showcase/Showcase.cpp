// daz-showcase --level N [--mode M] [--screenshot file.png] [--idle seconds] [--particles off]
// daz-showcase --contact-sheet file.jpg
// daz-showcase --windows folder [--prefix name-] [--level N] [--mode M]
// each also with [--language zh|en]
//
// Shows the main window of the game on level N of the program folder next
// to this executable, silently, in Chinese unless told, and without saving
// anything there (a temporary player's folder takes what the game writes).
//  --screenshot  plays a few moves (a selection, the hover mask, a linked
//                pair in flight) and saves the window as a picture.
//  --idle        leaves the level untouched for that many seconds, then
//                prints the CPU the process took, next to a plain Qt window
//                of the same size left idle as long, as a baseline.
//  --particles off  hides the level's particles, as on a level without
//                any (their timer goes on ticking).
//  --contact-sheet  deals every level of the catalogue in turn and saves
//                one picture of all their first boards, in catalogue order.
//  --windows     opens every window of the game in turn and saves each
//                into the folder as <prefix><window>.png (WindowTour); the
//                exit status is 1 when a picture could not be taken.
#include <sys/resource.h>

#include <cstdio>
#include <random>

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include "WindowTour.h"
#include "engine/HintSearch.h"
#include "game/AudioSwitches.h"
#include "game/CellGeometry.h"
#include "game/GameFlow.h"
#include "game/ProgressKeeper.h"
#include "game/ResultKeeper.h"
#include "game/Round.h"
#include "leveldata/PlayerFolder.h"
#include "leveldata/SettingsStore.h"
#include "platform/Audio.h"
#include "platform/QtClock.h"
#include "platform/QtDesktop.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtTimer.h"
#include "platform/QtTranslations.h"
#include "presentation/BoardCaption.h"
#include "presentation/BoardMotion.h"
#include "presentation/Contrast.h"
#include "presentation/GameInfo.h"
#include "presentation/MainWindow.h"
#include "presentation/Particles.h"
#include "presentation/ProblemTexts.h"
#include "presentation/RecordsWindow.h"
#include "presentation/SettingsWindow.h"
#include "presentation/leveltools/LevelTools.h"

namespace {

using namespace daz;

class Silence final : public platform::EffectPlayer, public platform::MusicPlayer {
public:
    void Play(const QString&) override {}
    void Open(const QString&) override {}
    void Close() override {}
};

// Opens nothing, and names the player as the pictures should show.
class ShowcaseDesktop final : public platform::Desktop {
public:
    bool Open(const QUrl&) override { return false; }
    QString LoginName() const override { return QStringLiteral("lan"); }
};

// Qt's timers, with the level's clock within reach: the window tour moves
// it on by hand, as if the player had taken a while.
class ShowcaseTimers final : public platform::TimerFactory {
public:
    std::unique_ptr<platform::Timer> Create(const QString& name, int intervalMs) override
    {
        std::unique_ptr<platform::Timer> timer = timers_.Create(name, intervalMs);
        if (name == QStringLiteral("LevelClock")) {
            levelClock = timer.get();
        }
        return timer;
    }
    platform::Timer* levelClock = nullptr; // the round's, which lives as long as the showcase

private:
    platform::QtTimerFactory timers_;
};

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

void Wait(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}

// CPU share of one core taken while the event loop runs for that long.
double IdleShare(int seconds)
{
    const double before = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (CpuSeconds() - before) / (static_cast<double>(clock.elapsed()) / 1000.0);
}

void PlayAFewMoves(Round& round)
{
    const Board& board = round.GetBoard();
    if (const auto pair = FindPair(board)) {
        round.ClickTile(board.CellOf(pair->first), MouseButton::Left);
        round.ClickTile(board.CellOf(pair->second), MouseButton::Left); // the pair goes, its path is drawn
    }
    for (int n = board.CellCount(); n >= 1; --n) {
        if (board.At(board.CellOf(n)) != 0) {
            round.ClickTile(board.CellOf(n), MouseButton::Left); // a selected tile
            break;
        }
    }
    for (int n = 1; n <= board.CellCount(); ++n) {
        if (board.At(board.CellOf(n)) != 0) {
            round.Hover(board.CellOf(n)); // and the hover mask on another
            break;
        }
    }
}

// Every level's first board, shrunk, in rows of five with its number,
// name and size under it.
QImage ContactSheet(GameFlow& flow, const Round& round, QWidget& window)
{
    constexpr int kColumns = 5;
    constexpr int kWidth = 340;
    constexpr int kCaption = 22;
    const std::vector<CatalogueEntry> levels = flow.ListedLevels();
    QImage sheet;
    for (int n = 1; n <= static_cast<int>(levels.size()); ++n) {
        const CatalogueEntry& level = levels[static_cast<std::size_t>(n - 1)];
        flow.ChooseLevel(level.number);
        Wait(400);
        const QImage shot = window.grab().toImage().scaledToWidth(kWidth, Qt::SmoothTransformation);
        if (sheet.isNull()) {
            const int rows = (static_cast<int>(levels.size()) + kColumns - 1) / kColumns;
            sheet = QImage(kColumns * (kWidth + 8) + 8, rows * (shot.height() + kCaption + 8) + 8,
                           QImage::Format_RGB32);
            sheet.fill(QColor(0x30, 0x2a, 0x26));
        }
        const int column = (n - 1) % kColumns;
        const int row = (n - 1) / kColumns;
        const QPoint at(8 + column * (kWidth + 8), 8 + row * (shot.height() + kCaption + 8));
        QPainter p(&sheet);
        p.drawImage(at, shot);
        const Board& board = round.GetBoard();
        p.setPen(QColor(0xf4, 0xe6, 0xc8));
        QFont font = QApplication::font();
        font.setPixelSize(14);
        p.setFont(font);
        p.drawText(
            QRect(at.x(), at.y() + shot.height(), kWidth, kCaption), Qt::AlignCenter,
            QStringLiteral("%1．%2   %3 × %4").arg(level.number).arg(level.name).arg(board.MaxX()).arg(board.MaxY()));
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont font = app.font();
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPointSize(9);
    app.setFont(font);

    QCommandLineParser options;
    options.addOption(
        {QStringLiteral("level"), QStringLiteral("level number"), QStringLiteral("n"), QStringLiteral("1")});
    options.addOption({QStringLiteral("mode"), QStringLiteral("game mode"), QStringLiteral("m"), QStringLiteral("2")});
    options.addOption({QStringLiteral("screenshot"), QStringLiteral("picture to save"), QStringLiteral("file")});
    options.addOption({QStringLiteral("idle"), QStringLiteral("seconds to sit idle"), QStringLiteral("s")});
    options.addOption(
        {QStringLiteral("particles"), QStringLiteral("on or off"), QStringLiteral("on|off"), QStringLiteral("on")});
    options.addOption(
        {QStringLiteral("contact-sheet"), QStringLiteral("picture of every level to save"), QStringLiteral("file")});
    options.addOption(
        {QStringLiteral("windows"), QStringLiteral("folder for a picture of every window"), QStringLiteral("folder")});
    options.addOption(
        {QStringLiteral("prefix"), QStringLiteral("start of the windows' file names"), QStringLiteral("name")});
    options.addOption({QStringLiteral("language"), QStringLiteral("the game's language"), QStringLiteral("zh|en"),
                       QStringLiteral("zh")});
    options.process(app);

    platform::LanguageSwitch languages(QLocale::system().uiLanguages(), QLocale::system());
    languages.Use(options.value(QStringLiteral("language")));

    platform::QtMessageBoxes boxes;
    ProblemBoxes problems(boxes);
    ShowcaseDesktop desktop;
    Silence silence;
    ShowcaseTimers timers;
    platform::QtClock clock;
    // The window tour deals the same board every time, so that pictures
    // taken again differ only where the game changed.
    const bool tour = options.isSet(QStringLiteral("windows"));
    Random random(tour ? 11 : std::random_device{}(), [&clock] { return clock.SecondsSinceMidnight(); });
    Random motionRandom(tour ? 12 : std::random_device{}(), [&clock] { return clock.SecondsSinceMidnight(); });
    // The shipped levels as the build lays them out, and a player's folder
    // of its own that goes at the end.
    QTemporaryDir home;
    // Named as a player's would be: the folder chooser shows its end.
    const QString player = home.path() + QStringLiteral("/home/player/.local/share/") + kAppId;
    QDir().mkpath(player);
    IniAccess ini(DataFolders(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/") + kAppId, player),
                  problems);
    PreparePlayerFolder(ini, QDateTime::currentDateTime());
    SettingsStore settings(ini);
    AudioSwitches audio(ini.Folders(), silence, silence);
    Round round(timers);
    ResultKeeper results(round);
    ProgressKeeper keeper(ini.Folders(), settings, problems, timers, round);
    GameFlow flow({ini, settings, round, audio, results, keeper, boxes, desktop, random, problems},
                  options.value(QStringLiteral("mode")).toInt());
    BoardMotion motion(round, timers, motionRandom);
    Particles particles(motionRandom, timers, kBoardAreaWidth, kBoardAreaHeight);
    FollowLevels(particles, flow, round);
    BoardCaption caption(flow, round, results, timers);
    GameInfo info(ini.Folders(), desktop, boxes);
    platform::QtDialogs dialogs;
    LevelToolContext tools{ini, boxes, dialogs};
    MainWindow window({flow, round, audio, motion, particles, caption, info, boxes},
                      MainWindow::LevelTools{[&](QWidget* parent) { return OpenLevelEditor(parent, tools); },
                                             [&](QWidget* parent) { OpenLevelModifier(parent, tools); }});
    window.SetRecordsOpener([&](QWidget* parent) { OpenRecords(parent, flow, round, results, boxes); });
    window.SetLanguageChooser(languages.Choice(), [&languages](const QString& choice) { languages.Use(choice); });
    bool still = false; // less motion, as the tour turns it
    window.SetSettingsOpener([&still](QWidget* parent) {
        SettingsWindow settings(true, parent);
        settings.HighContrast()->setChecked(HighContrastInUse());
        settings.LessMotion()->setChecked(still);
        settings.exec();
    });
    flow.Load();
    flow.ChooseLevel(options.value(QStringLiteral("level")).toInt());
    const bool withParticles = options.value(QStringLiteral("particles")) != QStringLiteral("off");
    if (!withParticles) {
        particles.HideAll();
    }
    if (tour) {
        const auto tick = [&timers] {
            if (timers.levelClock != nullptr && timers.levelClock->onTick) {
                timers.levelClock->onTick();
            }
        };
        const auto lessMotion = [&motion, &particles, &still](bool on) {
            still = on;
            motion.SetLessMotion(on);
            particles.SetStill(on);
        };
        WindowTour tour({ini, flow, round, results, window, boxes, silence, timers, tick, lessMotion},
                        options.value(QStringLiteral("windows")), options.value(QStringLiteral("prefix")));
        const int failures = tour.Run();
        std::fflush(stdout);
        home.remove();
        std::_Exit(failures == 0 ? 0 : 1);
    }
    window.show();
    Wait(800);

    if (options.isSet(QStringLiteral("contact-sheet"))) {
        const QString file = options.value(QStringLiteral("contact-sheet"));
        if (!ContactSheet(flow, round, window).save(file, nullptr, 82)) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(file));
            return 1;
        }
    }

    if (options.isSet(QStringLiteral("screenshot"))) {
        PlayAFewMoves(round);
        Wait(60);
        if (!window.grab().save(options.value(QStringLiteral("screenshot")))) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(options.value(QStringLiteral("screenshot"))));
            return 1;
        }
    }

    if (options.isSet(QStringLiteral("idle"))) {
        const int seconds = options.value(QStringLiteral("idle")).toInt();
        const double game = IdleShare(seconds);
        window.hide();
        QWidget plain;
        plain.resize(window.size());
        plain.show();
        Wait(500);
        const double baseline = IdleShare(seconds);
        std::printf("level %d (particle effect %d%s), idle %d s\n", flow.Place().level,
                    flow.CurrentLevel() ? int(flow.CurrentLevel()->settings.particle) : 0,
                    withParticles ? "" : ", turned off", seconds);
        std::printf("  game window:  %.2f %% of one core\n", game * 100);
        std::printf("  plain window: %.2f %% of one core (baseline)\n", baseline * 100);
        std::printf("  ratio:        %.1f\n", baseline > 0 ? game / baseline : 0.0);
    }
    // Nothing is saved: the window is not closed through its unload step.
    std::fflush(stdout);
    home.remove();
    std::_Exit(0);
}
