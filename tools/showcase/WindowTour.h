#pragma once

#include <functional>

#include <QString>

#include "leveldata/DataFolders.h"

class QImage;

namespace daz {

class GameFlow;
class GameInfo;
class MainWindow;
class ResultKeeper;
class Round;
class IniAccess;
namespace platform {
class EffectPlayer;
class MessageBoxes;
class QtMessageBoxes;
class TimerFactory;
} // namespace platform

// Opens every window of the game in turn, as a player reaches it, and
// saves a picture of each into a folder: the splash, the mode chooser, the
// main window in play, paused, with its menu open and cleared, 成绩榜 and
// its statistics, the help, the restart question, the level editor, the
// level modifier and the folder chooser, and the main window and 设置 under
// high contrast and with less motion. Each window is taken once it is
// on screen and painted, from the program itself, so that menus and
// dialogs come out as drawn whatever the window system.
class WindowTour {
public:
    struct Parts {
        IniAccess& ini;
        GameFlow& flow;
        Round& round;
        ResultKeeper& results;
        MainWindow& window;
        platform::QtMessageBoxes& boxes;
        platform::EffectPlayer& effects;
        platform::TimerFactory& timers;
        std::function<void()> tickLevelClock; // one second of the level's clock
        std::function<void(bool)> lessMotion; // stills the board's motion and the particles
    };

    // The pictures go to folder/<prefix><name>.png.
    WindowTour(Parts parts, QString folder, QString prefix);

    // Plays the level that is dealt (the main window still hidden) and
    // takes every picture; the number of pictures that could not be taken.
    int Run();

private:
    bool Save(const QImage& picture, const char* name);
    void Splash();
    void ModeChooser();
    void MainWindowInPlay();
    void Menus();
    void Question();
    void RecordsPages();
    void Help();
    void Settings();
    void Looks();
    void LevelTools();
    void Cleared();
    void AddResults();

    Parts parts_;
    QString folder_;
    QString prefix_;
    int failures_ = 0;
};

} // namespace daz
