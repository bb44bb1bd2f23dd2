#pragma once

#include <optional>
#include <vector>

#include <QObject>
#include <QString>

#include "game/Level.h"
#include "leveldata/Formats.h"

namespace daz {

class AudioSwitches;
class IniAccess;
class ProblemReporter;
class ProgressKeeper;
class Random;
class ResultKeeper;
class Round;
class SettingsStore;
namespace platform {
class Desktop;
class MessageBoxes;
} // namespace platform

// What the flow works with, each built once beside it (app/main.cpp).
struct FlowServices {
    IniAccess& ini;
    SettingsStore& settings;
    Round& round;
    AudioSwitches& audio;
    ResultKeeper& results;
    ProgressKeeper& keeper;
    platform::MessageBoxes& boxes;
    platform::Desktop& desktop;
    Random& random;            // the flow's: each level's seed, the random level; never the view's motion
    ProblemReporter& problems; // tells the player of what went wrong
};

// The level on the board, or the one that failed to deal: its mode, its
// number and its catalogue name (empty when the catalogue lacks it).
struct LevelPlace {
    int mode = 1;
    int level = 1;
    QString name;
};

// The game's flow from start-up to exit, without a window: the catalogue,
// which level and mode are played, loading levels into the round and the
// level after a clear; the settings it reads at start and keeps as they
// change.
class GameFlow : public QObject {
    Q_OBJECT

public:
    // The level menu has room for this many levels.
    static constexpr int kLevelMenuSize = kMostCatalogueLevels;

    // mode: the one chosen at start.
    GameFlow(FlowServices services, int mode);
    ~GameFlow() override;

    // Start-up: the catalogue, the saved settings, the player's name and
    // score, then the level last reached.
    void Load();
    // Exit: closes the music and saves as SaveProgress does.
    void Unload();
    // The session ends (a logout): the settings and the round in play are
    // saved as at exit, and the game may be killed any moment after.
    void SaveProgress();

    // --- Commands ------------------------------------------------------
    // Deals the level on the board anew (the window asks first).
    void Restart();
    void ChooseMode(int mode);
    void ChooseLevel(int level);
    void RandomLevel();
    // A click on the picture that hides the board: it goes on after a
    // pause, and after a clear the next level listed is dealt.
    void ClickOverlay();
    // The level editor made a level: the level menu lists it at once.
    void LevelAdded();

    // --- What there is to see ------------------------------------------
    LevelPlace Place() const;
    // The login name the strip shows, upper case (read at Load).
    const QString& UserName() const { return userName_; }
    // The level on the board, with its pictures; null while none is.
    const Level* CurrentLevel() const { return level_ ? &*level_ : nullptr; }
    // The catalogue's levels that the menu lists, in order of their numbers.
    const std::vector<CatalogueEntry>& ListedLevels() const { return catalogue_.levels; }

signals:
    void levelMenuChanged();
    void modeChanged();
    void userChanged();
    // A level is about to be dealt (Place() tells which), or failed to.
    void levelChanged();
    // The round kept at the last quit goes on; paused when it was kept so.
    void keptRoundResumed(bool paused);
    // A level was dealt; CurrentLevel() holds its pictures.
    void levelStarted();

private:
    // Plays the level reached from the start.
    void LoadLevel();
    // Problems of the catalogue are told when tell is set.
    void ReadCatalogue(bool tell);
    // The catalogue's entry of a level, or null when it is not listed.
    const CatalogueEntry* Entry(int level) const;
    int HighestLevel() const;
    // The settings as they stand, and their saving when they changed.
    UserSettings CurrentSettings() const;
    void SaveSettings();
    // The kept round goes on; the digest it was kept with, or empty.
    QByteArray ResumeKeptRound();

    FlowServices services_;
    IniAccess& ini_;
    Round& round_;
    AudioSwitches& audio_;
    ResultKeeper& results_;
    ProgressKeeper& keeper_;
    Catalogue catalogue_;
    int mode_;
    int levelReached_ = 1; // UserGK
    std::optional<Level> level_;
    QString userName_;
    // The unfinished board kept at the last quit (KeptRound.h): looked
    // for once, as the first level of a start is dealt.
    bool keptRoundLooked_ = false;
};

} // namespace daz
