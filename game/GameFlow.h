#pragma once

#include <memory>
#include <optional>

#include <QObject>
#include <QString>
#include <QStringList>

#include "engine/Random.h"
#include "game/AudioSwitches.h"
#include "game/Level.h"
#include "game/ProblemReporter.h"
#include "game/ProgressKeeper.h"
#include "game/ResultKeeper.h"
#include "game/Round.h"
#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"
#include "platform/Audio.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"

namespace daz {

class Records;

struct FlowServices {
    platform::MessageBoxes& boxes;
    platform::Desktop& desktop;
    platform::EffectPlayer& effects;
    platform::MusicPlayer& music;
    platform::TimerFactory& timers;
    Random& random;            // the flow's: each level's seed, the random level; never the view's motion
    ProblemReporter& problems; // tells the player of what went wrong
};

// The game's flow from start-up to exit, without a window: the catalogue,
// which level and mode are played, loading levels into the round, the
// user's settings and their saving, and the main menu's commands.
class GameFlow : public QObject {
    Q_OBJECT

public:
    // The level menu has room for this many levels.
    static constexpr int kLevelMenuSize = kMostCatalogueLevels;
    // The help file, in the program folder or the player's.
    static const QString kHelpFile;

    // folders: where the catalogue, the levels and the shared files are
    // read from and the settings written to. mode: the one chosen at start.
    GameFlow(DataFolders folders, FlowServices services, int mode);
    ~GameFlow() override;

    // Start-up: the catalogue, the saved settings, the player's name and
    // score, then the level last reached.
    void Load();
    // Exit: saves the four user settings and keeps the round in play.
    void Unload();
    // The session ends (a logout): everything is saved as at exit, and
    // the game may be killed any moment after.
    void SaveProgress();
    // The player was told at start that progress cannot be saved: nothing
    // is saved then, and nothing is said of it.
    void DisableSaving() { keeper_.Disable(); }

    // Plays the level reached from the start.
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

    // --- What there is to see ------------------------------------------
    static QString WindowCaption();
    Round& GetRound() { return round_; }
    const Round& GetRound() const { return round_; }
    AudioSwitches& Audio() { return audio_; }
    // The results kept of the levels played (opened at Load when saving).
    ResultKeeper& Results() { return results_; }
    const QString& UserName() const { return userName_; }
    // The caption over the board: the mode and the level (the view adds
    // the clear's note after a clear).
    const QString& Caption() const { return caption_; }
    // The last clear of the level on the board: its time and place;
    // nothing before it is cleared.
    const std::optional<ClearResult>& ClearNote() const { return clearNote_; }
    // The level on the board, with its pictures; null while none is.
    const Level* CurrentLevel() const { return level_ ? &*level_ : nullptr; }
    // "1．name" for levels 1 … the highest listed; empty text for a level
    // the menu does not list because its catalogue entry is missing.
    QStringList LevelMenu() const;
    // The catalogue's levels that the menu lists, in order of their numbers.
    const std::vector<CatalogueEntry>& ListedLevels() const { return catalogue_.levels; }
    int Mode() const { return mode_; }
    int LevelReached() const { return levelReached_; }
    const DataFolders& Folders() const { return folders_; }
    QString IniFile() const;
    IniAccess& Ini() { return ini_; }

signals:
    void helpOpened(const QString& text);
    void levelMenuChanged();
    void modeChanged();
    void userChanged();
    void captionChanged();
    // A level was dealt; CurrentLevel() holds its pictures.
    void levelStarted();

private:
    // Problems of the catalogue are told when tell is set.
    void ReadCatalogue(bool tell);
    // The catalogue's entry of a level, or null when it is not listed.
    const CatalogueEntry* Entry(int level) const;
    int HighestLevel() const;
    // The README installed beside the shipped folder, or empty.
    QString Readme() const;
    // The settings as they stand, and their saving when they changed.
    UserSettings CurrentSettings() const;
    void SaveSettings();

    DataFolders folders_;
    FlowServices services_;
    IniAccess ini_;
    AudioSwitches audio_;
    Round round_;
    ResultKeeper results_{round_};
    ProgressKeeper keeper_{folders_, ini_, services_.problems, services_.timers, round_};
    Catalogue catalogue_;
    int mode_;
    int levelReached_ = 1; // UserGK
    std::optional<Level> level_;
    QString caption_;
    std::optional<ClearResult> clearNote_;
    QString userName_;

    // The unfinished board kept at the last quit (KeptRound.h): looked
    // for once, as the first level of a start is dealt.
    bool keptRoundLooked_ = false;
    std::unique_ptr<platform::Timer> keptCaption_; // "KeptCaption": the usual caption comes back
    bool keptCaptionWaits_ = false;                // its time starts when the paused board shows
    // The kept round goes on; the digest it was kept with, or empty.
    QByteArray ResumeKeptRound();
};

} // namespace daz
