#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "game/Level.h"
#include "game/ProblemReporter.h"
#include "game/Round.h"
#include "leveldata/DataFolders.h"
#include "leveldata/Formats.h"
#include "leveldata/SettingsStore.h"
#include "platform/Timer.h"

namespace daz {

// Keeps what the player did as it happens, so that no ending loses more
// than the last move: a logout, a kill, a crash or a dead display.
//
// - The player's settings (DAZGame.ini: the switches, the level reached,
//   the score) are written whenever they differ from what the file holds:
//   a switch turned, a level dealt, a level ended, the quit.
// - The round in play is kept in kept-round.json after every change of it
//   (a pair, an undo, a tool, a pause; its clock every few seconds): the
//   changes of one command are gathered and written once, by the timer
//   "KeepRound" as soon as the event loop is free, never while painting.
// - A round that ends (cleared, timed out, left for another level or dealt
//   anew) takes its kept copy away at once.
//
// Every write is an atomic replace. A write that fails is told once; the
// game plays on and tries again at the next change.
class ProgressKeeper : public QObject {
    Q_OBJECT

public:
    // The clock's seconds between two keeps of a round nobody touches.
    static constexpr int kSecondsBetweenKeeps = 10;

    ProgressKeeper(DataFolders folders, SettingsStore& settings, ProblemReporter& problems,
                   platform::TimerFactory& timers, const Round& round);
    ~ProgressKeeper() override;

    // Nothing is written from now on (another copy holds the folder).
    void Disable() { enabled_ = false; }
    bool Enabled() const { return enabled_; }

    // What the settings file held at start: it is not written again until
    // something differs.
    void SettingsRead(const UserSettings& settings) { written_ = settings; }
    // Writes the settings when they differ from what was written last.
    void SaveSettings(const UserSettings& settings);
    // The score the settings file holds now: a kept round records it, so
    // that the next start takes the round only with the settings it was
    // kept beside.
    std::int64_t SettingsScore() const { return written_ ? written_->userJF : 0; }

    // The level now on the board, or none: the kept copy of the round
    // before is taken away. The new level's digest is taken when it is
    // first kept, unless it is known (a round kept before goes on).
    void LevelChanged(const Level* level, QByteArray digest = {});
    // The round ended: its kept copy goes at once.
    void RoundEnded();
    // Keeps the round as it stands now.
    void KeepNow();
    // The quit, or the session's end: the settings whatever the file
    // holds, and the round; what fails is told, even when told before.
    void SaveAll(const UserSettings& settings);

signals:
    // A round was written to kept-round.json (for tests and benchmarks).
    void roundKept();

private:
    void KeepSoon();
    void Forget();
    void TellOnce(UnsavedProgress what, const FileError& reason);

    DataFolders folders_;
    SettingsStore& settings_;
    ProblemReporter& problems_;
    const Round& round_;
    std::unique_ptr<platform::Timer> keepTimer_; // "KeepRound": the changes of one command, kept once
    bool enabled_ = true;
    bool told_ = false;
    bool saveAll_ = false; // within SaveAll
    std::optional<UserSettings> written_;
    const Level* level_ = nullptr;
    QByteArray digest_; // of level_, taken when it is first kept
    int ticksSinceKeep_ = 0;
};

} // namespace daz
