#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>

#include "engine/Random.h"
#include "game/Game.h"
#include "game/GameState.h"
#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"
#include "platform/Audio.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"
#include "presentation/AudioSwitches.h"
#include "presentation/Particles.h"
#include "presentation/Toolbar.h"

namespace daz {

struct MainServices {
    platform::MessageBoxes& boxes;
    platform::Desktop& desktop;
    platform::EffectPlayer& effects;
    platform::MusicPlayer& music;
    platform::TimerFactory& timers;
    Random& random;
};

// The main window without its widgets: start-up and shutdown, loading
// levels, the menus' commands, and the parts the window is made of (the
// game on the board, the toolbar, the particles, the audio switches).
class MainController : public QObject {
    Q_OBJECT

public:
    // The level menu has room for this many levels.
    static constexpr int kLevelMenuSize = kMostCatalogueLevels;

    // folders: where the catalogue, the levels and the shared files are
    // read from and the settings written to.
    MainController(DataFolders folders, ProgramState& state, MainServices services);
    ~MainController() override;

    // The window's load step: the catalogue, the saved settings, the
    // player's name and score, then the level last reached.
    void Load();
    // The window's unload step: saves the four user settings.
    void Unload();
    // The player was told at start that progress cannot be saved: the
    // unload step then saves nothing and says nothing.
    void DisableSaving() { saving_ = false; }

    // Plays level UserGK of the catalogue from the start.
    void LoadLevel();

    // --- Commands ------------------------------------------------------
    void Restart(); // asks first
    void ChooseMode(int mode);
    void ChooseLevel(int level);
    void RandomLevel();
    void ClickOverlay();
    // The pause key: pauses a level in play as the toolbar's ◆暂停 does,
    // and resumes it from the pause picture as its click does.
    void PauseKey();
    // Space, Return (left) and Backspace (right): a click on the picture
    // that hides the board, or else on the cell under the keyboard cursor.
    void ClickKey(MouseButton button);
    // A menu button was clicked: the level pauses before its menu opens.
    void OpenMenu(Toolbar::MenuButton button);
    // The help text, read in its own encoding, goes to helpOpened; a
    // missing file is told in a box.
    void OpenHelp();
    // The game has no address of its own to write to or download from:
    // feedback opens a new mail to whomever the player chooses, and the
    // download items open the README, which says where the game and level
    // packs come from and how to play one. When no program takes them, a
    // box says what to do instead.
    void SendFeedback();
    void OpenDownloads();
    // The level editor made a level: the level menu lists it at once.
    void LevelAdded();
    // The game's name and version, its licence, and where the help and
    // the README are.
    void ShowAbout();
    void WindowMinimised();

    // --- What the window shows -----------------------------------------
    static QString WindowCaption();
    const QString& UserName() const { return userName_; }
    // "1．name" for levels 1 … GKCount; empty text for a level the menu
    // does not list because its catalogue entry is missing.
    QStringList LevelMenu() const;
    int CheckedMode() const { return state_.GameMode; }
    const DataFolders& Folders() const { return folders_; }
    QString IniFile() const;

    Game& GetGame() { return game_; }
    Toolbar& GetToolbar() { return toolbar_; }
    Particles& GetParticles() { return particles_; }
    AudioSwitches& Audio() { return audio_; }
    IniAccess& Ini() { return ini_; }
    ProgramState& State() { return state_; }

    // The help file, in the program folder or the player's.
    static const QString kHelpFile;

signals:
    void helpOpened(const QString& text);
    void levelMenuChanged();
    void modeChanged();
    void userChanged();

private:
    // Problems of the catalogue are told when tell is set.
    void ReadCatalogue(bool tell);
    // The README installed beside the shipped folder, or empty.
    QString Readme() const;
    // Whether the catalogue lists the level: its entry was found.
    bool Listed(int level) const;
    void Tell(const QString& text);

    DataFolders folders_;
    bool saving_ = true;
    ProgramState& state_;
    MainServices services_;
    IniAccess ini_;
    AudioSwitches audio_;
    Game game_;
    Particles particles_;
    Toolbar toolbar_;
    QString userName_;
    std::vector<bool> listed_; // by level number: the catalogue entry was found
};

} // namespace daz
