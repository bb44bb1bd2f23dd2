#pragma once

#include <cstdint>

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include "leveldata/Records.h"

namespace daz::records {

// The version of the schema below, kept in the database's user_version.
constexpr int kSchemaVersion = 1;

// The tables and indexes, as SQLite keeps their text in sqlite_master: a
// database whose schema is not exactly this is not ours.
//
// results: one row a cleared board. events: what the statistics count, in
// the order played (kind 1 a level dealt, 2 cleared, 3 timed out, with the
// level's seconds). totals: the statistics of each mode, kept up to date
// with the events in the same transactions. Every column's values are
// checked by the schema, so that no row beyond the limits below is
// stored, and the check on opening finds one that was put there anyway.
const QStringList& SchemaStatements();

// The limits a stored row keeps; a row beyond them is hostile.
constexpr int kModes = 4;
constexpr int kLongestLevelPath = 1024;
constexpr int kLongestPlayerName = 256;
constexpr int kMostSeconds = 100'000'000;
constexpr std::int64_t kMostPoints = 1'000'000'000'000'000;
constexpr int kMostUses = 1'000'000;
constexpr std::int64_t kMostCount = 1'000'000'000;

bool IsValid(const Result& result);

// What is wrong with the database's schema or rows, or empty when it is
// ours and sound. A database without any table and version 0 is new and
// gets the schema here.
QString CheckOrBegin(QSqlDatabase& db);

} // namespace daz::records
