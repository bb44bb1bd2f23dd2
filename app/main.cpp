// 霁岚连连看: the splash window opens first, then the mode chooser, then
// the main window on the level the player last reached.
#include <memory>
#include <random>

#include <QApplication>
#include <QFontDatabase>

#include "engine/Random.h"
#include "game/GameState.h"
#include "platform/QtAudio.h"
#include "platform/QtClock.h"
#include "platform/QtDesktop.h"
#include "platform/QtDialogs.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtTimer.h"
#include "presentation/FrmLong.h"
#include "presentation/FrmMain.h"
#include "presentation/FrmSysSet.h"
#include "presentation/MainController.h"
#include "leveldata/LevelTools.h"

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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DAZGame"));
    PinChineseFont(app);

    using namespace daz;
    const QString programFolder = QCoreApplication::applicationDirPath();

    platform::QtMessageBoxes boxes;
    platform::QtDesktop desktop;
    platform::QtEffectPlayer effects;
    platform::QtMusicPlayer music;
    platform::QtTimerFactory timers;
    platform::QtClock clock;
    platform::QtInstanceLock lock(platform::QtInstanceLock::PathFor(programFolder));
    Random random(std::random_device{}(), [&clock] { return clock.SecondsSinceMidnight(); });

    ProgramState state;
    std::unique_ptr<MainController> controller;
    std::unique_ptr<FrmMain> window;

    platform::QtDialogs dialogs;
    std::unique_ptr<LevelToolContext> tools;

    auto openMainWindow = [&](int) {
        controller = std::make_unique<MainController>(programFolder, state,
                                                      MainServices{boxes, desktop, effects, music, timers, random});
        tools = std::make_unique<LevelToolContext>(LevelToolContext{controller->Ini(), boxes, dialogs, state.MediaName});
        window = std::make_unique<FrmMain>(
            *controller, FrmMain::LevelTools{[&](QWidget* parent) { OpenLevelEditor(parent, *tools); },
                                             [&](QWidget* parent) { OpenLevelModifier(parent, *tools); }});
        boxes.SetParent(window.get());
        controller->Load(); // while the window is still hidden
        window->show();
    };

    auto* splash = new FrmLong(lock, boxes, timers);
    splash->onFinished = [&] {
        auto* chooser = new FrmSysSet(state, effects, programFolder);
        chooser->onModeChosen = openMainWindow;
        chooser->Load();
    };
    if (!splash->Load()) {
        delete splash;
        return 0;
    }
    const int result = QApplication::exec();
    // The main window goes before the services it uses.
    window.reset();
    controller.reset();
    return result;
}
