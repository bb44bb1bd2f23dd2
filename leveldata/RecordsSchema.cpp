#include "RecordsSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace daz::records {

namespace {

// A column of whole numbers within bounds, or of text up to a length: the
// checks hold for every row, and the check on opening looks at them all.
QString Whole(const char* name, std::int64_t least, std::int64_t most)
{
    return QStringLiteral("%1 INTEGER NOT NULL CHECK (typeof(%1) = 'integer' AND %1 BETWEEN %2 AND %3)")
        .arg(QLatin1String(name))
        .arg(least)
        .arg(most);
}

QString Text(const char* name, int least, int most)
{
    return QStringLiteral("%1 TEXT NOT NULL CHECK (typeof(%1) = 'text' AND length(%1) BETWEEN %2 AND %3)")
        .arg(QLatin1String(name))
        .arg(least)
        .arg(most);
}

} // namespace

const QStringList& SchemaStatements()
{
    static const QStringList statements{
        QStringLiteral("CREATE TABLE results (id INTEGER PRIMARY KEY, ")
            + QStringList{Text("level", 1, kLongestLevelPath), Whole("mode", 1, kModes),
                          Whole("points", -kMostPoints, kMostPoints), Whole("seconds", 0, kMostSeconds),
                          Whole("undos", 0, kMostUses), Whole("hints", 0, kMostUses), Whole("shuffles", 0, kMostUses),
                          Text("played", 0, 64), Text("player", 0, kLongestPlayerName)}
                  .join(QStringLiteral(", "))
            + u')',
        // The places of a level in a mode, and the best time of each level.
        QStringLiteral("CREATE INDEX results_place ON results (level, mode, seconds, points DESC, id)"),
        QStringLiteral("CREATE INDEX results_mode ON results (mode, level, seconds)"),
        QStringLiteral("CREATE TABLE events (id INTEGER PRIMARY KEY, ")
            + QStringList{Text("level", 1, kLongestLevelPath), Whole("mode", 1, kModes), Whole("kind", 1, 3),
                          Whole("seconds", 0, kMostSeconds), Text("played", 0, 64)}
                  .join(QStringLiteral(", "))
            + u')',
        // The statistics of each mode so far, counted as the events come.
        QStringLiteral("CREATE TABLE totals (mode INTEGER PRIMARY KEY CHECK (mode BETWEEN 1 AND %1), ").arg(kModes)
            + QStringList{Whole("started", 0, kMostCount), Whole("cleared", 0, kMostCount),
                          Whole("timed_out", 0, kMostCount), Whole("seconds", 0, kMostCount * kMostSeconds),
                          Whole("run", 0, kMostCount), Whole("longest", 0, kMostCount), Whole("last", 0, 3)}
                  .join(QStringLiteral(", "))
            + u')',
    };
    return statements;
}

bool IsValid(const Result& result)
{
    return result.mode >= 1 && result.mode <= kModes && !result.levelPath.isEmpty()
           && result.levelPath.size() <= kLongestLevelPath && result.player.size() <= kLongestPlayerName
           && result.seconds >= 0 && result.seconds <= kMostSeconds && result.points >= -kMostPoints
           && result.points <= kMostPoints && result.undos >= 0 && result.undos <= kMostUses && result.hints >= 0
           && result.hints <= kMostUses && result.shuffles >= 0 && result.shuffles <= kMostUses
           && result.when.isValid();
}

namespace {

// The first column of the first row of a statement, or an invalid value
// when it fails.
QVariant One(QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(statement) || !query.next())
        return {};
    return query.value(0);
}

QString Begin(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !db.transaction())
        return db.lastError().text();
    for (const QString& statement : SchemaStatements()) {
        if (!query.exec(statement)) {
            const QString error = query.lastError().text();
            db.rollback();
            return error;
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) || !db.commit()) {
        const QString error = db.lastError().text();
        db.rollback();
        return error.isEmpty() ? QStringLiteral("version") : error;
    }
    return {};
}

} // namespace

QString CheckOrBegin(QSqlDatabase& db)
{
    // What the file's schema holds runs only as SQLite's own functions; a
    // commit waits for the disk at checkpoints only, yet a kill or a power
    // cut never leaves half a transaction.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("PRAGMA trusted_schema = OFF"))
        || !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")))
        return QStringLiteral("unreadable");

    // The schema first, so that nothing of a schema not ours is run.
    const QVariant version = One(db, QStringLiteral("PRAGMA user_version"));
    const QVariant objects = One(db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!version.isValid() || !objects.isValid())
        return QStringLiteral("unreadable");
    if (version.toInt() == 0 && objects.toInt() == 0)
        return Begin(db);
    if (version.toInt() != kSchemaVersion)
        return QStringLiteral("version");
    QStringList found;
    if (!query.exec(QStringLiteral("SELECT sql FROM sqlite_master")))
        return QStringLiteral("unreadable");
    while (query.next())
        found << query.value(0).toString();
    QStringList expected = SchemaStatements();
    found.sort();
    expected.sort();
    if (found != expected)
        return QStringLiteral("schema");

    // Every page and row, the columns' checks among them, in one pass; the
    // indexes are not compared with their tables, a look that takes ten
    // times as long on a large store and that reading does not rely on.
    if (One(db, QStringLiteral("PRAGMA quick_check")).toString() != QStringLiteral("ok"))
        return QStringLiteral("integrity");
    return {};
}

} // namespace daz::records
