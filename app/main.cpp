// 霁岚连连看: the splash window opens first, then the mode chooser, then
// the main window on the level the player last reached.
#include <cstdio>
#include <memory>
#include <optional>
#include <random>

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QSessionManager>
#include <QStandardPaths>

#include "engine/Random.h"
#include "game/AudioSwitches.h"
#include "game/GameFlow.h"
#include "game/GameState.h"
#include "game/ProgressKeeper.h"
#include "game/ResultKeeper.h"
#include "game/Round.h"
#include "leveldata/DataFolders.h"
#include "leveldata/PlayerFolder.h"
#include "leveldata/SettingsStore.h"
#include "platform/DesktopWishes.h"
#include "platform/QtAudio.h"
#include "platform/QtClock.h"
#include "platform/QtDesktop.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtTimer.h"
#include "platform/QtTranslations.h"
#include "platform/QuitSignals.h"
#include "platform/ScreenLock.h"
#include "presentation/BoardCaption.h"
#include "presentation/BoardMotion.h"
#include "presentation/BoardView.h"
#include "presentation/FileErrorText.h"
#include "presentation/GameInfo.h"
#include "presentation/Looks.h"
#include "presentation/MainWindow.h"
#include "presentation/ModeChooserWindow.h"
#include "presentation/Particles.h"
#include "presentation/PlayerPreferences.h"
#include "presentation/ProblemTexts.h"
#include "presentation/RecordsWindow.h"
#include "presentation/SettingsWindow.h"
#include "presentation/SoundCues.h"
#include "presentation/SplashWindow.h"
#include "presentation/leveltools/LevelTools.h"

namespace {

// Chinese text must render on a machine without a Chinese locale: the
// whole program uses a CJK font family it can rely on.
void PinChineseFont(QApplication& app)
{
    QFont font = app.font();
    QStringList families;
    for (const QString& family : {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")}) {
        if (QFontDatabase::hasFamily(family)) {
            families.append(family);
        }
    }
    if (!families.isEmpty()) {
        font.setFamilies(families);
        font.setPointSize(9);
        app.setFont(font);
    }
}

// What the options ask for; --folder is read ahead of them (FolderOption).
struct Options {
    std::optional<int> mode; // play this mode without the mode chooser
    bool smokeTest = false;
};

Options ReadOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("main", "霁岚连连看：连连看游戏。"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QCoreApplication::translate(
            "main", "把 DIR 当作唯一的程序文件夹来玩（例如一套关卡包）：关卡目录、关卡和设置都在那里读写。"),
        QStringLiteral("DIR"));
    const QCommandLineOption smokeTest(
        QStringLiteral("smoke-test"),
        QCoreApplication::translate("main",
                                    "不开任何窗口和消息框（消息写到标准错误）：读取关卡目录，以正常模式载入上次的关卡，"
                                    "在标准输出写出窗口标题和关卡标题，保存后退出。一切正常时退出码为 0。"));
    const QCommandLineOption mode(
        QStringLiteral("mode"),
        QCoreApplication::translate("main", "不显示模式选择，直接以模式 N 开始：1 简单、2 正常、3 挑战、4 极限。"),
        QStringLiteral("N"));
    parser.addOption(folder);
    parser.addOption(mode);
    parser.addOption(smokeTest);
    parser.process(app);
    Options options;
    if (parser.isSet(mode)) {
        bool number = false;
        const int chosen = parser.value(mode).toInt(&number);
        if (!number || chosen < 1 || chosen > daz::kModeCount) {
            std::fprintf(stderr, "%s\n",
                         qUtf8Printable(QCoreApplication::translate("main", "--mode 只能是 1、2、3 或 4。")));
            std::exit(2);
        }
        options.mode = chosen;
    }
    options.smokeTest = parser.isSet(smokeTest);
    return options;
}

// The folder --folder names, read ahead of the other options: the player's
// language is kept there, and the options' texts are made in it.
std::optional<QString> FolderOption(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("folder"), QString(), QStringLiteral("DIR"));
    parser.addOption(folder);
    (void)parser.parse(arguments); // the others are unknown here, and read later
    if (!parser.isSet(folder)) {
        return std::nullopt;
    }
    return QFileInfo(parser.value(folder)).absoluteFilePath();
}

// The shipped files lie beside the program's folder, as the install and
// the build tree both lay them out: <prefix>/bin and <prefix>/share/<id>.
daz::DataFolders FoldersFor(const std::optional<QString>& folder)
{
    if (folder) {
        return daz::DataFolders(*folder);
    }
    const QString shipped = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/")
                                            + daz::kAppId);
    // The XDG rule: a relative XDG_DATA_HOME is ignored, and the default
    // taken (Qt would take it relative to whatever folder the game started in).
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome)) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    QString player = QDir::cleanPath(dataHome) + u'/' + daz::kAppId;
    // Installed into the player's own ~/.local, both would be one folder
    // and the next install would overwrite the player's files: those then
    // keep to a folder of their own inside it.
    if (QFileInfo(shipped).canonicalFilePath() == QFileInfo(player).canonicalFilePath()) {
        player += QStringLiteral("/player");
    }
    return daz::DataFolders(shipped, player);
}

// Message boxes of a run without windows: each message is printed, and
// the default answer taken.
class PrintedMessageBoxes final : public daz::platform::MessageBoxes {
public:
    daz::platform::MessageAnswer Show(const daz::platform::MessageRequest& request) override
    {
        std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(request.caption), qUtf8Printable(request.text));
        ++shown;
        return request.buttons == daz::platform::MessageButtons::Ok ? daz::platform::MessageAnswer::Ok
                                                                    : request.defaultAnswer;
    }
    int shown = 0;
};

// Told when the lock could not be taken, in the words the player's
// folder's own troubles are told in.
QString UnavailableLockText(const daz::platform::LockResult& lock)
{
    const QString file = QDir::toNativeSeparators(lock.path);
    const QString what = lock.error != 0 ? QCoreApplication::translate("main", "无法创建锁文件“%1”：%2。")
                                               .arg(file, daz::SystemErrorText(lock.error))
                                         : QCoreApplication::translate("main", "无法创建锁文件“%1”。").arg(file);
    return what + QCoreApplication::translate("main", "\n游戏可以照常进行，但这次的进度和设置不会保存。");
}

// Whether the command line only asks for the help or the version text,
// which need no display: they are printed before any window system is
// looked for.
bool OnlyAsksForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v"
            || argument == "--version") {
            return true;
        }
    }
    return false;
}

// The platform's services, built once in main.
struct Services {
    daz::platform::MessageBoxes& boxes;
    daz::platform::Desktop& desktop;
    daz::platform::EffectPlayer& effects;
    daz::platform::MusicPlayer& music;
    daz::platform::TimerFactory& timers;
    daz::Random& random; // each level's seed and the random level
    daz::Random& motion; // what moves on screen, apart from the deal
    daz::ProblemReporter& problems;
};

// One game, from the settings file to the main window, each part built
// once and given only to what uses it; torn down in the reverse order.
struct Game {
    Game(daz::IniAccess& files, Services services, int mode, daz::MainWindow::LevelTools tools)
        : settings(files),
          audio(files.Folders(), services.effects, services.music),
          round(services.timers),
          results(round),
          keeper(files.Folders(), settings, services.problems, services.timers, round),
          flow({files, settings, round, audio, results, keeper, services.boxes, services.desktop, services.random,
                services.problems},
               mode),
          motion(round, services.timers, services.motion),
          cues(round, motion.hint, audio),
          particles(services.motion, services.timers, daz::kBoardAreaWidth, daz::kBoardAreaHeight),
          caption(flow, round, results, services.timers),
          info(files.Folders(), services.desktop, services.boxes),
          window({flow, round, audio, motion, particles, caption, info, services.boxes}, std::move(tools))
    {
        daz::FollowLevels(particles, flow, round);
        window.SetRecordsOpener([this, &boxes = services.boxes](QWidget* parent) {
            daz::OpenRecords(parent, flow, round, results, boxes);
        });
    }

    daz::SettingsStore settings;
    daz::AudioSwitches audio;
    daz::Round round;
    daz::ResultKeeper results;
    daz::ProgressKeeper keeper;
    daz::GameFlow flow;
    daz::BoardMotion motion;
    daz::SoundCues cues;
    daz::Particles particles;
    daz::BoardCaption caption;
    daz::GameInfo info;
    daz::MainWindow window;
};

} // namespace

int main(int argc, char** argv)
{
    daz::platform::IgnoreFileSizeSignal();
    if (OnlyAsksForText(argc, argv)) {
        QCoreApplication text(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("jilan-llk"));
        QCoreApplication::setApplicationVersion(daz::kVersion);
        // In the language the game would start in.
        daz::platform::LanguageSwitch languages(QLocale::system().uiLanguages(), QLocale::system());
        daz::UseKeptLanguage(FoldersFor(FolderOption(QCoreApplication::arguments())), languages);
        ReadOptions(text); // prints the text and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    // Named as the command players type: --version says it, the X11
    // window class is it (the desktop entry's StartupWMClass), and the
    // lock names it as the process it is.
    QApplication::setApplicationName(QStringLiteral("jilan-llk"));
    QApplication::setApplicationVersion(daz::kVersion);
    QGuiApplication::setDesktopFileName(daz::kAppId);
    PinChineseFont(app);
    // The language the player chose in the game, else the desktop's where
    // the game has a translation of it, else Chinese; Qt's own buttons and
    // dialogs speak the same language.
    daz::platform::LanguageSwitch languages(QLocale::system().uiLanguages(), QLocale::system());
    const daz::DataFolders dataFolders = FoldersFor(FolderOption(QCoreApplication::arguments()));
    const daz::Preferences kept = daz::UseKeptLanguage(dataFolders, languages);
    const Options options = ReadOptions(app);

    using namespace daz;
    platform::QtMessageBoxes windowBoxes;
    PrintedMessageBoxes printedBoxes;
    platform::MessageBoxes& boxes = options.smokeTest ? static_cast<platform::MessageBoxes&>(printedBoxes)
                                                      : windowBoxes;
    platform::QtDesktop desktop;
    platform::QtEffectPlayer effects;
    platform::QtMusicPlayer music;
    platform::QtTimerFactory timers;
    platform::QtClock clock;
    platform::ScreenLock screenLock(QDBusConnection::sessionBus());
    // The flow's generator draws each level's seed; the motion on screen
    // has its own, so that nothing drawn for it changes a board.
    Random random(std::random_device{}(), [&clock] { return clock.SecondsSinceMidnight(); });
    Random motion(std::random_device{}(), [&clock] { return clock.SecondsSinceMidnight(); });

    ProblemBoxes problems(boxes);
    IniAccess files(dataFolders, problems);
    const DataFolders& folders = files.Folders();
    PlayerPreferences preferences(folders, kept, languages, boxes);
    // Less motion and high contrast: the player's choice, else the
    // desktop's wish as the portal tells it.
    platform::PortalWishes desktopWishes(QDBusConnection::sessionBus());
    Looks looks(desktopWishes, preferences.LessMotion(), preferences.HighContrast());
    FollowContrast(looks);
    QDir().mkpath(folders.Player()); // the lock lives there; a failure is told later
    platform::QtInstanceLock lock(platform::QtInstanceLock::PathFor(folders.Player()));
    platform::LockResult locked; // what the start got of the lock

    std::unique_ptr<Game> game;

    platform::QtDialogs dialogs;
    std::unique_ptr<LevelToolContext> tools;

    // Told once, before anything is read: the player's folder as it is now.
    // Without the lock nothing is written there, not even to prepare it:
    // another copy may take the lock meanwhile and save.
    auto preparePlayerFolder = [&] {
        const bool acquired = locked.outcome == platform::LockResult::Outcome::Acquired;
        const PlayerFolderStatus status = acquired ? PreparePlayerFolder(files, QDateTime::currentDateTime())
                                                   : PlayerFolderStatus{false};
        if (const QString message = acquired ? PlayerFolderText(status) : UnavailableLockText(locked);
            !message.isEmpty()) {
            if (status.canSave) {
                platform::Tell(boxes, message);
            } else {
                platform::Warn(boxes, message, QCoreApplication::translate("main", "提示"));
            }
        }
        return status.canSave;
    };

    auto openMainWindow = [&](int mode) {
        const bool canSave = preparePlayerFolder();
        tools = std::make_unique<LevelToolContext>(LevelToolContext{files, boxes, dialogs});
        game = std::make_unique<Game>(
            files, Services{boxes, desktop, effects, music, timers, random, motion, problems}, mode,
            MainWindow::LevelTools{[&](QWidget* parent) { return OpenLevelEditor(parent, *tools); },
                                   [&](QWidget* parent) { OpenLevelModifier(parent, *tools); }});
        if (!canSave) {
            game->keeper.Disable();
            preferences.DisableSaving();
        }
        // A choice that cannot be kept still speaks for this run.
        game->window.SetLanguageChooser(preferences.Choice(),
                                        [&preferences](const QString& choice) { preferences.Choose(choice); });
        game->window.SetPauseWhenAway(preferences.PausesWhenAway());
        game->window.SetUntimed(preferences.Untimed());
        FollowLooks(looks, game->motion, game->particles);
        game->window.SetSettingsOpener([&preferences, &looks, &window = game->window](QWidget* parent) {
            OpenSettings(parent, preferences, window, looks);
        });
        QObject::connect(&screenLock, &platform::ScreenLock::locked, &game->window, &MainWindow::PlayerAway);
        windowBoxes.SetParent(&game->window);
        game->flow.Load(); // while the window is still hidden
    };

    if (options.smokeTest) {
        locked = lock.TryAcquire();
        if (locked.outcome == platform::LockResult::Outcome::Running) {
            std::fprintf(stderr, "Another copy is running on the same files.\n");
            return 1;
        }
        openMainWindow(2);
        // What the window would show, for a script to read: its title and
        // the board's caption, in the language the game speaks.
        std::printf("%s\n%s\n", qUtf8Printable(game->window.windowTitle()),
                    qUtf8Printable(game->window.Board()->Caption()->text()));
        std::fflush(stdout);
        game->window.close(); // saves, as closing the window does
        game.reset();
        return printedBoxes.shown == 0 ? 0 : 1;
    }

    // A logout, a shutdown or Ctrl+C ends the game as 退出 does: whatever
    // window is open closes, then the main window, which keeps the round.
    platform::QuitSignals quitSignals;
    QObject::connect(&quitSignals, &platform::QuitSignals::quitRequested, &app, [&] {
        if (game && game->window.isVisible()) {
            game->window.Quit();
        } else {
            QCoreApplication::quit();
        }
    });
    // The session manager asks before the session ends: everything is
    // saved as at exit (the game is kept as it happens anyway).
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [&](QSessionManager&) {
        if (game) {
            game->flow.SaveProgress();
        }
    });

    auto* splash = new SplashWindow(lock, boxes, timers);
    splash->onFinished = [&] {
        if (options.mode) {
            openMainWindow(*options.mode);
            game->window.show();
            return;
        }
        auto* chooser = new ModeChooserWindow(effects, folders);
        chooser->onModeChosen = [&](int mode) {
            openMainWindow(mode);
            game->window.show();
        };
        chooser->Load();
    };
    if (!splash->Load()) {
        delete splash;
        return 0;
    }
    locked = splash->Model().Lock();
    const int result = QApplication::exec();
    // The game, its window first, goes before the services it uses.
    game.reset();
    return result;
}
