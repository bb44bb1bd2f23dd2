#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>

#include "leveldata/RecordsNotes.h"

namespace daz {

// One cleared board.
struct Result {
    QString levelPath;       // the catalogue's MenuPath, as stored ("\levels\spring\")
    int mode = 0;            // 1 … 4
    std::int64_t points = 0; // earned in the level: the score at its end less the score at its start
    int seconds = 0;         // the level's clock, pauses excluded
    int undos = 0;
    int hints = 0;
    int shuffles = 0;
    QDateTime when; // local time
    QString player; // as the strip shows it
    // The seed the level was dealt from (Round::Seed); none in a result
    // stored before results kept it.
    std::optional<std::uint64_t> seed;
    // Played untimed: kept and ranked apart from the timed results.
    bool untimed = false;
};

// How one mode has gone, over every level.
struct ModeStatistics {
    int started = 0;
    int cleared = 0;
    int timedOut = 0;
    int longestRunOfClears = 0; // clears one after another, in the order played
    std::int64_t secondsPlayed = 0;
};

// The player's results, kept in an SQLite database in the player's folder
// ("records.sqlite"): a schema with a version number, every write in one
// transaction, a check of every page and row on opening and of every index
// beside the game after it.
//
// Only a database proven damaged or not ours (SQLite says so, the checks
// find it, another schema, a link in its place, hostile rows) is set aside
// with the date in its name, as a damaged catalogue is, and a new one is
// begun. One that cannot be written now (held by another program, a full
// disk, a read-only file) is left as it is: the results are kept in memory
// and written at a later write that succeeds. One of a newer version of
// the game is read and never written. Problem() says any of it once, as
// notes the presentation words for the player. A folder that cannot be written gives a store
// that keeps nothing (Keeping() is false) and says so once; the game plays on.
class Records {
public:
    // Opens (or begins) the database of this file; now dates a set-aside copy.
    static std::unique_ptr<Records> Open(const QString& file, const QDateTime& now);
    virtual ~Records() = default;

    // Whether results are kept (if only in memory); false when the folder
    // cannot be written.
    virtual bool Keeping() const = 0;
    // What the player is told once about the database, or nothing.
    virtual RecordsNotes Problem() const = 0;

    // A level was dealt, timed out or cleared in a mode (for the statistics).
    // Untimed play has statistics of its own, and never times out.
    virtual void LevelStarted(const QString& levelPath, int mode, const QDateTime& when, bool untimed = false) = 0;
    virtual void LevelTimedOut(const QString& levelPath, int mode, int seconds, const QDateTime& when) = 0;
    // Stores a cleared board's result; its place (1 = best) among that
    // level's results in that mode, timed or untimed as it was played:
    // less time first, then more points; of results alike in both the
    // earlier one ranks first. Nothing when it could not be stored.
    virtual std::optional<int> AddResult(const Result& result) = 0;

    // The best results of a level in a mode, best first, at most limit;
    // the timed ones, or the untimed.
    virtual std::vector<Result> Best(const QString& levelPath, int mode, int limit = 10,
                                     bool untimed = false) const = 0;
    // The best (least) time of each level with a result in a mode.
    virtual std::vector<std::pair<QString, int>> BestTimes(int mode, bool untimed = false) const = 0;
    virtual ModeStatistics Statistics(int mode, bool untimed = false) const = 0;
    // Empties the results and the statistics, and nothing else.
    virtual bool Clear() = 0;

    // Takes in what the check beside the game found, waiting for it when
    // wait is set: damaged indexes are rebuilt, a store damaged beyond them
    // is set aside and a new one begun. What the player is to be told of
    // it, once, or nothing. Every write takes it in too.
    virtual RecordsNotes Settle(bool wait)
    {
        (void)wait;
        return {};
    }
};

} // namespace daz
