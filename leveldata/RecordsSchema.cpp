#include "RecordsSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace daz::records {

const QStringList& SchemaStatements()
{
    static const QStringList statements{
        QStringLiteral("CREATE TABLE results (id INTEGER PRIMARY KEY, level TEXT NOT NULL, mode INTEGER NOT NULL, "
                       "points INTEGER NOT NULL, seconds INTEGER NOT NULL, undos INTEGER NOT NULL, "
                       "hints INTEGER NOT NULL, shuffles INTEGER NOT NULL, played TEXT NOT NULL, "
                       "player TEXT NOT NULL)"),
        // The places of a level in a mode, and the best time of each level.
        QStringLiteral("CREATE INDEX results_place ON results (level, mode, seconds, points DESC, id)"),
        QStringLiteral("CREATE INDEX results_mode ON results (mode, level, seconds)"),
        QStringLiteral("CREATE TABLE events (id INTEGER PRIMARY KEY, level TEXT NOT NULL, mode INTEGER NOT NULL, "
                       "kind INTEGER NOT NULL, seconds INTEGER NOT NULL, played TEXT NOT NULL)"),
        // The statistics of a mode, counted and in the order played.
        QStringLiteral("CREATE INDEX events_mode ON events (mode, kind, seconds)"),
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

QString HostileResultCondition()
{
    return QStringLiteral("typeof(level) <> 'text' OR length(level) NOT BETWEEN 1 AND %1 "
                          "OR typeof(player) <> 'text' OR length(player) > %2 "
                          "OR typeof(mode) <> 'integer' OR mode NOT BETWEEN 1 AND %3 "
                          "OR typeof(seconds) <> 'integer' OR seconds NOT BETWEEN 0 AND %4 "
                          "OR typeof(points) <> 'integer' OR points NOT BETWEEN -%5 AND %5 "
                          "OR typeof(undos) <> 'integer' OR undos NOT BETWEEN 0 AND %6 "
                          "OR typeof(hints) <> 'integer' OR hints NOT BETWEEN 0 AND %6 "
                          "OR typeof(shuffles) <> 'integer' OR shuffles NOT BETWEEN 0 AND %6 "
                          "OR typeof(played) <> 'text' OR length(played) > 64")
        .arg(kLongestLevelPath)
        .arg(kLongestPlayerName)
        .arg(kModes)
        .arg(kMostSeconds)
        .arg(kMostPoints)
        .arg(kMostUses);
}

QString HostileEventCondition()
{
    return QStringLiteral("typeof(level) <> 'text' OR length(level) NOT BETWEEN 1 AND %1 "
                          "OR typeof(mode) <> 'integer' OR mode NOT BETWEEN 1 AND %2 "
                          "OR typeof(kind) <> 'integer' OR kind NOT BETWEEN 1 AND 3 "
                          "OR typeof(seconds) <> 'integer' OR seconds NOT BETWEEN 0 AND %3 "
                          "OR typeof(played) <> 'text' OR length(played) > 64")
        .arg(kLongestLevelPath)
        .arg(kModes)
        .arg(kMostSeconds);
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
    if (!db.transaction())
        return db.lastError().text();
    QSqlQuery query(db);
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
    const QVariant integrity = One(db, QStringLiteral("PRAGMA integrity_check"));
    if (integrity.toString() != QStringLiteral("ok"))
        return QStringLiteral("integrity");
    const QVariant version = One(db, QStringLiteral("PRAGMA user_version"));
    const QVariant objects = One(db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!version.isValid() || !objects.isValid())
        return QStringLiteral("unreadable");
    if (version.toInt() == 0 && objects.toInt() == 0)
        return Begin(db);
    if (version.toInt() != kSchemaVersion)
        return QStringLiteral("version");

    QStringList found;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name")))
        return QStringLiteral("unreadable");
    while (query.next())
        found << query.value(0).toString();
    QStringList expected = SchemaStatements();
    found.sort();
    expected.sort();
    if (found != expected)
        return QStringLiteral("schema");

    const QVariant hostile =
        One(db, QStringLiteral("SELECT (SELECT count(*) FROM results WHERE %1) + (SELECT count(*) FROM events WHERE %2)")
                    .arg(HostileResultCondition(), HostileEventCondition()));
    if (!hostile.isValid() || hostile.toLongLong() != 0)
        return QStringLiteral("rows");
    return {};
}

} // namespace daz::records
