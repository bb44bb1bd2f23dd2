#pragma once

// A results store as a long-time player's would be: many results over
// many levels in every mode, for timing what reads it.

#include <algorithm>

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include "leveldata/Records.h"

namespace daz::bench {

// "\levels\level001\" …: the level paths FillForBenchmark uses when none
// are given.
inline QStringList BenchmarkLevels(int count = 100)
{
    QStringList paths;
    for (int i = 1; i <= count; ++i) {
        paths << QStringLiteral("\\levels\\level%1\\").arg(i, 3, 10, QLatin1Char('0'));
    }
    return paths;
}

// Begins the store of this file and adds results cleared over the levels
// in turn, in every mode, with the level's start before each and now and
// then a time-out, all in one transaction. True when all were stored.
inline bool FillForBenchmark(const QString& file, int results, const QStringList& levels = BenchmarkLevels())
{
    if (!Records::Open(file, QDateTime::currentDateTime())->Keeping() || levels.isEmpty()) {
        return false;
    }
    const QString name = QStringLiteral("bench-fill");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open() && db.transaction()) {
            QSqlQuery result(db);
            QSqlQuery event(db);
            ok = result.prepare(QStringLiteral("INSERT INTO results (level, mode, points, seconds, undos, hints, "
                                               "shuffles, played, player) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"))
                 && event.prepare(
                     QStringLiteral("INSERT INTO events (level, mode, kind, seconds, played) VALUES (?, ?, ?, ?, ?)"));
            const QDateTime start(QDate(2024, 1, 1), QTime(8, 0));
            // started, cleared, timed out, seconds, run, longest, last: as the store counts
            qint64 totals[4][7] = {};
            for (int i = 0; ok && i < results; ++i) {
                const QString level = levels[i % levels.size()];
                const int mode = 1 + (i / levels.size()) % 4;
                const int seconds = 30 + (i * 7919) % 600;
                const QString played = start.addSecs(i * 97LL).toString(Qt::ISODate);
                const bool timedOut = i % 13 == 0;
                for (int kind : {timedOut ? 1 : 0, timedOut ? 3 : 0, 1, 2}) {
                    if (kind == 0) {
                        continue;
                    }
                    event.addBindValue(level);
                    event.addBindValue(mode);
                    event.addBindValue(kind);
                    event.addBindValue(kind == 1 ? 0 : seconds);
                    event.addBindValue(played);
                    ok = ok && event.exec();
                    qint64* t = totals[mode - 1];
                    t[3] += kind == 1 ? 0 : seconds;
                    if (kind == 1) {
                        ++t[0];
                        t[4] = t[6] == 1 ? 0 : t[4];
                    } else if (kind == 2) {
                        ++t[1];
                        t[5] = std::max(t[5], ++t[4]);
                    } else {
                        ++t[2];
                        t[4] = 0;
                    }
                    t[6] = kind;
                }
                for (const QVariant& value : {QVariant(level), QVariant(mode), QVariant(20 + i % 50), QVariant(seconds),
                                              QVariant(i % 3), QVariant(i % 5), QVariant(i % 2), QVariant(played),
                                              QVariant(QStringLiteral("PLAYER%1").arg(i % 7))}) {
                    result.addBindValue(value);
                }
                ok = ok && result.exec();
            }
            QSqlQuery total(db);
            for (int mode = 1; ok && mode <= 4; ++mode) {
                total.prepare(QStringLiteral("INSERT INTO totals (mode, started, cleared, timed_out, seconds, run, "
                                             "longest, last) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
                total.addBindValue(mode);
                for (const qint64 value : totals[mode - 1]) {
                    total.addBindValue(value);
                }
                ok = total.exec();
            }
            ok = ok && db.commit();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace daz::bench
