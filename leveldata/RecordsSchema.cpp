#include "RecordsSchema.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace daz::records {

namespace {

// A column of whole numbers within bounds, or of text up to a length: the
// checks hold for every row, and the check on opening looks at them all.
struct Column {
    const char* name;
    bool text;
    std::int64_t least;
    std::int64_t most;
    int since = 1;        // the schema version that added it
    bool anyBits = false; // any 64-bit whole number, or NULL in the rows from before it
};

QString Condition(const Column& c)
{
    if (c.anyBits) {
        return QStringLiteral("typeof(%1) IN ('integer', 'null')").arg(QLatin1String(c.name));
    }
    return (c.text ? QStringLiteral("typeof(%1) = 'text' AND length(%1) BETWEEN %2 AND %3")
                   : QStringLiteral("typeof(%1) = 'integer' AND %1 BETWEEN %2 AND %3"))
        .arg(QLatin1String(c.name))
        .arg(c.least)
        .arg(c.most);
}

struct Table {
    QString name;
    QString key; // the first column, with its own check
    std::vector<Column> columns;
    QString keyCondition; // what the key's check says, or empty
    int since = 1;        // the schema version that added it
};

// The statistics of each mode, as a table of totals holds them.
std::vector<Column> TotalsColumns()
{
    return {{"started", false, 0, kMostCount},
            {"cleared", false, 0, kMostCount},
            {"timed_out", false, 0, kMostCount},
            {"seconds", false, 0, kMostCount * kMostSeconds},
            {"run", false, 0, kMostCount},
            {"longest", false, 0, kMostCount},
            {"last", false, 0, 3}};
}

const std::vector<Table>& Tables()
{
    static const std::vector<Table> tables{
        {QStringLiteral("results"),
         QStringLiteral("id INTEGER PRIMARY KEY"),
         {{"level", true, 1, kLongestLevelPath},
          {"mode", false, 1, kModes},
          {"points", false, -kMostPoints, kMostPoints},
          {"seconds", false, 0, kMostSeconds},
          {"undos", false, 0, kMostUses},
          {"hints", false, 0, kMostUses},
          {"shuffles", false, 0, kMostUses},
          {"played", true, 0, 64},
          {"player", true, 0, kLongestPlayerName},
          // The level's seed, as the signed number of its 64 bits. Added
          // in version 2 after the other columns, as ALTER TABLE adds it.
          {"seed", false, 0, 0, 2, true},
          // 1 for a level played untimed (version 3).
          {"untimed", false, 0, 1, 3}},
         {}},
        {QStringLiteral("events"),
         QStringLiteral("id INTEGER PRIMARY KEY"),
         {{"level", true, 1, kLongestLevelPath},
          {"mode", false, 1, kModes},
          {"kind", false, 1, 3},
          {"seconds", false, 0, kMostSeconds},
          {"played", true, 0, 64},
          {"untimed", false, 0, 1, 3}},
         {}},
        // The statistics of each mode so far, counted as the events come:
        // of timed play, and (version 3) of untimed play.
        {QStringLiteral("totals"), QStringLiteral("mode INTEGER PRIMARY KEY CHECK (mode BETWEEN 1 AND %1)").arg(kModes),
         TotalsColumns(), QStringLiteral("mode BETWEEN 1 AND %1").arg(kModes)},
        {QStringLiteral("untimed_totals"),
         QStringLiteral("mode INTEGER PRIMARY KEY CHECK (mode BETWEEN 1 AND %1)").arg(kModes), TotalsColumns(),
         QStringLiteral("mode BETWEEN 1 AND %1").arg(kModes), 3},
    };
    return tables;
}

// A column added after the first version takes its least value in the
// rows before it (ALTER TABLE needs a default for a NOT NULL column).
QString Definition(const Column& c)
{
    const QString notNull = c.since > 1 ? QStringLiteral(" NOT NULL DEFAULT %1").arg(c.least)
                                        : QStringLiteral(" NOT NULL");
    return QStringLiteral("%1 %2%3 CHECK (%4)")
        .arg(QLatin1String(c.name), c.text ? QStringLiteral("TEXT") : QStringLiteral("INTEGER"),
             c.anyBits ? QString() : notNull, Condition(c));
}

// The table as a schema of this version has it.
QString Create(const Table& table, int version)
{
    QStringList columns{table.key};
    for (const Column& c : table.columns) {
        if (c.since <= version) {
            columns << Definition(c);
        }
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, columns.join(QStringLiteral(", ")));
}

// How many rows of a table break its checks, in a schema of this version.
// SQLite looks at the checks only through a connection that could write;
// this one may not.
QString Breaking(const Table& table, int version)
{
    QStringList conditions;
    if (!table.keyCondition.isEmpty()) {
        conditions << table.keyCondition;
    }
    for (const Column& c : table.columns) {
        if (c.since <= version) {
            conditions << Condition(c);
        }
    }
    return QStringLiteral("SELECT count(*) FROM %1 WHERE NOT ((%2))")
        .arg(table.name, conditions.join(QStringLiteral(") AND (")));
}

} // namespace

QStringList SchemaStatements(int version)
{
    // From version 3 timed and untimed results are ranked apart.
    const QString untimed = version >= 3 ? QStringLiteral("untimed, ") : QString();
    QStringList statements{
        Create(Tables()[0], version),
        // The places of a level in a mode, and the best time of each level.
        QStringLiteral("CREATE INDEX results_place ON results (level, mode, %1seconds, points DESC, id)").arg(untimed),
        QStringLiteral("CREATE INDEX results_mode ON results (mode, %1level, seconds)").arg(untimed),
    };
    for (std::size_t t = 1; t < Tables().size(); ++t) {
        if (Tables()[t].since <= version) {
            statements << Create(Tables()[t], version);
        }
    }
    return statements;
}

namespace {

QStringList MigrationStatements(int version)
{
    QStringList statements;
    for (const Table& table : Tables()) {
        if (table.since > version) {
            statements << Create(table, kSchemaVersion);
            continue;
        }
        for (const Column& c : table.columns) {
            if (c.since > version) {
                statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(table.name, Definition(c));
            }
        }
    }
    // An index whose columns changed since is made again.
    const QStringList before = SchemaStatements(version);
    for (const QString& statement : SchemaStatements()) {
        if (statement.startsWith(QStringLiteral("CREATE INDEX ")) && !before.contains(statement)) {
            statements << QStringLiteral("DROP INDEX IF EXISTS %1").arg(statement.section(u' ', 2, 2)) << statement;
        }
    }
    statements << QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion);
    return statements;
}

} // namespace

bool IsValid(const Result& result)
{
    return result.mode >= 1 && result.mode <= kModes && !result.levelPath.isEmpty()
           && result.levelPath.size() <= kLongestLevelPath && result.player.size() <= kLongestPlayerName
           && result.seconds >= 0 && result.seconds <= kMostSeconds && result.points >= -kMostPoints
           && result.points <= kMostPoints && result.undos >= 0 && result.undos <= kMostUses && result.hints >= 0
           && result.hints <= kMostUses && result.shuffles >= 0 && result.shuffles <= kMostUses
           && result.when.isValid();
}

int ErrorCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xFF;
}

bool ProvesDamage(int code)
{
    constexpr int kCorrupt = 11;      // SQLITE_CORRUPT
    constexpr int kNotADatabase = 26; // SQLITE_NOTADB
    return code == kCorrupt || code == kNotADatabase;
}

void Tally(Totals& t, int kind, int seconds)
{
    t.seconds += seconds;
    if (kind == 1) {
        ++t.started;
        if (t.last == 1) {
            t.run = 0;
        }
    } else if (kind == 2) {
        ++t.cleared;
        t.longest = std::max(t.longest, ++t.run);
    } else {
        ++t.timedOut;
        t.run = 0;
    }
    t.last = kind;
}

namespace {

// A failed look: damage when SQLite says so, else a passing condition.
Verdict Failed(const QSqlError& error)
{
    const int code = ErrorCode(error);
    return {ProvesDamage(code) ? Verdict::Damaged : Verdict::Passing, code};
}

// SQLite's own statistics tables, which ANALYZE adds to any database.
bool IsStatistics(const QString& name)
{
    return name == QStringLiteral("sqlite_stat1") || name == QStringLiteral("sqlite_stat4");
}

} // namespace

QSqlError Begin(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return query.lastError();
    }
    QSqlError error;
    for (const QString& statement : SchemaStatements()) {
        if (!query.exec(statement)) {
            error = query.lastError();
            break;
        }
    }
    if (!error.isValid()
        && (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion))
            || !query.exec(QStringLiteral("COMMIT")))) {
        error = query.lastError();
    }
    if (error.isValid()) {
        query.exec(QStringLiteral("ROLLBACK"));
    }
    return error;
}

QSqlError Migrate(QSqlDatabase& db, int version)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return query.lastError();
    }
    QSqlError error;
    for (const QString& statement : MigrationStatements(version)) {
        if (!query.exec(statement)) {
            error = query.lastError();
            break;
        }
    }
    if (!error.isValid() && !query.exec(QStringLiteral("COMMIT"))) {
        error = query.lastError();
    }
    if (error.isValid()) {
        query.exec(QStringLiteral("ROLLBACK"));
    }
    return error;
}

Verdict Check(QSqlDatabase& db)
{
    // What the file's schema holds runs only as SQLite's own functions.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("PRAGMA trusted_schema = OFF"))) {
        return Failed(query.lastError());
    }

    // The schema first, so that nothing of a schema not ours is run.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return Failed(query.lastError());
    }
    const int version = query.value(0).toInt();
    query.finish();
    if (!query.exec(QStringLiteral("SELECT type, name, sql FROM sqlite_master"))) {
        return Failed(query.lastError());
    }
    QStringList found;
    bool statistics = false;
    while (query.next()) {
        if (query.value(0).toString() == QStringLiteral("table") && IsStatistics(query.value(1).toString())) {
            statistics = true;
        } else {
            found << query.value(2).toString();
        }
    }
    if (query.lastError().isValid()) {
        return Failed(query.lastError());
    }
    query.finish();
    if (version == 0 && found.isEmpty() && !statistics) {
        return {Verdict::New};
    }
    if (version > kSchemaVersion) {
        return {Verdict::Newer};
    }
    QStringList expected = SchemaStatements(version);
    found.sort();
    expected.sort();
    if (version < kOldestSchemaVersion || found != expected) {
        return {Verdict::Damaged};
    }

    // Every page and row, the columns' checks among them, in one pass; the
    // indexes are compared with their tables later, beside the game (a
    // look that takes ten times as long on a large store).
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        return Failed(query.lastError());
    }
    if (query.value(0).toString() != QStringLiteral("ok")) {
        return {Verdict::Damaged};
    }
    for (const Table& table : Tables()) {
        if (table.since > version) {
            continue;
        }
        query.finish();
        if (!query.exec(Breaking(table, version)) || !query.next()) {
            return Failed(query.lastError());
        }
        if (query.value(0).toLongLong() != 0) {
            return {Verdict::Damaged};
        }
    }
    return {version == kSchemaVersion ? Verdict::Sound : Verdict::Older, 0, version};
}

namespace {

QString Stored(const QDateTime& when)
{
    return when.toString(Qt::ISODate);
}

} // namespace

bool InsertResult(QSqlDatabase& db, const Result& r, std::optional<int>& place)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO results (level, mode, points, seconds, undos, hints, shuffles, "
                                 "played, player, seed, untimed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QVariant seed = r.seed ? QVariant(static_cast<qint64>(*r.seed)) : QVariant(QMetaType(QMetaType::LongLong));
    for (const QVariant& value : {QVariant(r.levelPath), QVariant(r.mode), QVariant(qint64(r.points)),
                                  QVariant(r.seconds), QVariant(r.undos), QVariant(r.hints), QVariant(r.shuffles),
                                  QVariant(Stored(r.when)), QVariant(r.player), seed, QVariant(int(r.untimed))}) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        return false;
    }
    const qint64 id = query.lastInsertId().toLongLong();
    if (!InsertEvent(db, r.levelPath, r.mode, 2, r.seconds, r.when, r.untimed)) {
        return false;
    }
    query.prepare(QStringLiteral("SELECT count(*) FROM results WHERE level = ? AND mode = ? AND untimed = ? AND "
                                 "(seconds < ? OR (seconds = ? AND (points > ? OR (points = ? AND id < ?))))"));
    for (const QVariant& value :
         {QVariant(r.levelPath), QVariant(r.mode), QVariant(int(r.untimed)), QVariant(r.seconds), QVariant(r.seconds),
          QVariant(qint64(r.points)), QVariant(qint64(r.points)), QVariant(id)}) {
        query.addBindValue(value);
    }
    if (!query.exec() || !query.next()) {
        return false;
    }
    place = query.value(0).toInt() + 1;
    return true;
}

bool InsertEvent(QSqlDatabase& db, const QString& levelPath, int mode, int kind, int seconds, const QDateTime& when,
                 bool untimed)
{
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("INSERT INTO events (level, mode, kind, seconds, played, untimed) VALUES (?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value : {QVariant(levelPath), QVariant(mode), QVariant(kind), QVariant(seconds),
                                  QVariant(Stored(when)), QVariant(int(untimed))}) {
        query.addBindValue(value);
    }
    if (!query.exec()) {
        return false;
    }
    Totals t = ReadTotals(db, mode, untimed);
    Tally(t, kind, seconds);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO %1 (mode, started, cleared, timed_out, seconds, run, "
                                 "longest, last) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(TotalsTable(untimed)));
    for (const std::int64_t value : std::initializer_list<std::int64_t>{mode, t.started, t.cleared, t.timedOut,
                                                                        t.seconds, t.run, t.longest, t.last}) {
        query.addBindValue(qint64(value));
    }
    return query.exec();
}

} // namespace daz::records
