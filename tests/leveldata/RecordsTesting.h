#pragma once

// What the tests of the results store share: a result, the names of the
// players of results, a folder's listing, and a tampering program.
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "leveldata/Records.h"
#include "presentation/ProblemTexts.h"

namespace daz::testing {

inline const QDateTime kNow(QDate(2026, 3, 14), QTime(15, 9, 26));
inline const QString kLevel = QStringLiteral("\\levels\\spring\\");

inline Result Cleared(int seconds, std::int64_t points, const QString& player, int mode = 2,
                      const QString& level = kLevel, bool untimed = false)
{
    // A seed of all 64 bits: stored as a negative number.
    return Result{level, mode, points, seconds, 1, 2, 3, kNow, player, 0xfeed'0000'0000'5eedULL, untimed};
}

inline QStringList Players(const std::vector<Result>& results)
{
    QStringList names;
    for (const Result& r : results) {
        names << r.player;
    }
    return names;
}

inline QStringList Listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs statements on a database file as any SQLite program could.
inline void Tamper(const QString& file, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tamper"));
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        // As a program that knows the file would, past the schema's checks.
        EXPECT_TRUE(query.exec(QStringLiteral("PRAGMA ignore_check_constraints = ON")));
        for (const QString& statement : statements) {
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tamper"));
}

} // namespace daz::testing
