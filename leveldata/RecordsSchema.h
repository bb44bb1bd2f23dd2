#pragma once

#include <cstdint>
#include <optional>

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include "leveldata/Records.h"

namespace daz::records {

// The version of the schema below, kept in the database's user_version.
// Version 2 added the results' seed, version 3 untimed play (a column of
// results and events, in the results' indexes, and the totals of untimed
// play); a store of an older version is read as it is and brought up to
// date when it is opened for writing.
constexpr int kSchemaVersion = 3;
constexpr int kOldestSchemaVersion = 1;

// The tables and indexes, as SQLite keeps their text in sqlite_master: a
// database whose schema is not exactly this is not ours.
//
// results: one row a cleared board, with the seed it was dealt from (none
// in a row from before version 2). events: what the statistics count, in
// the order played (kind 1 a level dealt, 2 cleared, 3 timed out, with the
// level's seconds). totals: the statistics of each mode, kept up to date
// with the events in the same transactions; untimed_totals the same of
// untimed play, whose results and events say untimed = 1. Every column's values are
// checked by the schema, so that no row beyond the limits below is
// stored, and the check on opening finds one that was put there anyway.
// The statements of a schema of this version (1 … kSchemaVersion).
QStringList SchemaStatements(int version = kSchemaVersion);

// The limits a stored row keeps; a row beyond them is hostile.
constexpr int kModes = 4;
constexpr int kLongestLevelPath = 1024;
constexpr int kLongestPlayerName = 256;
constexpr int kMostSeconds = 100'000'000;
constexpr std::int64_t kMostPoints = 1'000'000'000'000'000;
constexpr int kMostUses = 1'000'000;
constexpr std::int64_t kMostCount = 1'000'000'000;

bool IsValid(const Result& result);

// SQLite's primary result code of an error (QSqlError::nativeErrorCode
// carries the extended one), 0 when there is none.
int ErrorCode(const QSqlError& error);
// Whether SQLite's code proves the file damaged: not a database, or a
// damaged one. Every other failure (a lock, a full disk, a read-only
// file) passes.
bool ProvesDamage(int code);

// What the checks on opening found.
struct Verdict {
    enum Kind {
        Sound,   // ours, and every page and row is sound
        New,     // no table and version 0: gets the schema by Begin
        Older,   // ours, sound, of an older version: read, brought up to date when written
        Newer,   // a newer version of the game's: read, never written
        Damaged, // proven damaged, or not ours
        Passing, // could not be looked at now (code says why)
    };
    Kind kind = Sound;
    int code = 0;    // SQLite's, when it said why
    int version = 0; // of a sound or older store
};

// Looks at the database's schema and rows, writing nothing: its
// connection may be read-only.
Verdict Check(QSqlDatabase& db);
// Gives a new database the schema; the error, invalid when it worked.
QSqlError Begin(QSqlDatabase& db);
// Brings a sound store of an older version to kSchemaVersion in one
// transaction: the columns added since go after the others, as SQLite
// writes them into the table's text, so that it reads as SchemaStatements().
QSqlError Migrate(QSqlDatabase& db, int version);

// The statistics of a mode as the totals table keeps them: run is the
// clears since the last time-out, last the kind of the event before.
struct Totals {
    std::int64_t started = 0, cleared = 0, timedOut = 0, seconds = 0, run = 0, longest = 0, last = 0;
};
// The totals with one more event (kind 1 dealt, 2 cleared, 3 timed out).
// A run of clears ends at a time-out, and at a level dealt again before
// the one before it was cleared (left, or started anew).
void Tally(Totals& totals, int kind, int seconds);

// The rows of one write, inside a transaction the caller holds: a cleared
// board with its event, and its place (1 = best) among the level's
// results in its mode; an event with the mode's totals.
bool InsertResult(QSqlDatabase& db, const Result& result, std::optional<int>& place);
bool InsertEvent(QSqlDatabase& db, const QString& levelPath, int mode, int kind, int seconds, const QDateTime& when,
                 bool untimed);
// The table of the totals of timed or untimed play.
QString TotalsTable(bool untimed);
// A mode's totals as stored, or zero (also of untimed play in a store
// from before it).
Totals ReadTotals(const QSqlDatabase& db, int mode, bool untimed);

} // namespace daz::records
