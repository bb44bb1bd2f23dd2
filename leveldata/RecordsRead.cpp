#include "RecordsRead.h"

#include <cstdint>

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include "RecordsSchema.h"

namespace daz::records {

std::vector<Result> ReadBest(const QSqlDatabase& db, const QString& levelPath, int mode, int limit, bool untimed)
{
    std::vector<Result> best;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // A store from before the seeds has none to read, and one from before
    // untimed play only timed results.
    const auto prepared = [&](const QString& seed, const QString& untimedColumn) {
        return query.prepare(QStringLiteral("SELECT level, mode, points, seconds, undos, hints, shuffles, played, "
                                            "player, %1 FROM results WHERE level = ? AND mode = ? AND %2 = ? "
                                            "ORDER BY seconds, points DESC, id LIMIT ?")
                                 .arg(seed, untimedColumn));
    };
    const QString seed = QStringLiteral("seed"), none = QStringLiteral("NULL");
    const QString column = QStringLiteral("untimed"), timed = QStringLiteral("0");
    if (limit > 0 && (prepared(seed, column) || prepared(seed, timed) || prepared(none, timed))) {
        query.addBindValue(levelPath);
        query.addBindValue(mode);
        query.addBindValue(int(untimed));
        query.addBindValue(limit);
        // Only the lengths and numbers the schema allows come back;
        // anything else is left out.
        for (bool read = query.exec(); read && query.next();) {
            if (query.value(0).toString().size() > kLongestLevelPath
                || query.value(8).toString().size() > kLongestPlayerName) {
                continue;
            }
            Result r{query.value(0).toString(),
                     query.value(1).toInt(),
                     query.value(2).toLongLong(),
                     query.value(3).toInt(),
                     query.value(4).toInt(),
                     query.value(5).toInt(),
                     query.value(6).toInt(),
                     QDateTime::fromString(query.value(7).toString(), Qt::ISODate),
                     query.value(8).toString(),
                     {},
                     untimed};
            if (const QVariant seedValue = query.value(9); !seedValue.isNull()) {
                r.seed = static_cast<std::uint64_t>(seedValue.toLongLong());
            }
            if (IsValid(r)) {
                best.push_back(std::move(r));
            }
        }
    }
    return best;
}

std::map<QString, int> ReadBestTimes(const QSqlDatabase& db, int mode, bool untimed)
{
    std::map<QString, int> times;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const auto prepared = [&](const QString& untimedColumn) {
        return query.prepare(
            QStringLiteral("SELECT level, min(seconds) FROM results WHERE mode = ? AND %1 = ? GROUP BY level")
                .arg(untimedColumn));
    };
    if (prepared(QStringLiteral("untimed")) || prepared(QStringLiteral("0"))) {
        query.addBindValue(mode);
        query.addBindValue(int(untimed));
        for (bool read = query.exec(); read && query.next();) {
            const QString level = query.value(0).toString();
            const int seconds = query.value(1).toInt();
            if (!level.isEmpty() && level.size() <= kLongestLevelPath && seconds >= 0 && seconds <= kMostSeconds) {
                times.emplace(level, seconds);
            }
        }
    }
    return times;
}

QString TotalsTable(bool untimed)
{
    return untimed ? QStringLiteral("untimed_totals") : QStringLiteral("totals");
}

Totals ReadTotals(const QSqlDatabase& db, int mode, bool untimed)
{
    Totals t;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT started, cleared, timed_out, seconds, run, longest, last "
                                 "FROM %1 WHERE mode = ?")
                      .arg(TotalsTable(untimed)));
    query.addBindValue(mode);
    if (query.exec() && query.next()) {
        std::int64_t* const fields[] = {&t.started, &t.cleared, &t.timedOut, &t.seconds, &t.run, &t.longest, &t.last};
        for (int i = 0; i < 7; ++i) {
            *fields[i] = query.value(i).toLongLong();
        }
    }
    return t;
}

} // namespace daz::records
