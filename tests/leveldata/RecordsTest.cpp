// The results store: places, databases that are not ours, and kills while
// a result is written.
#include <atomic>
#include <cstdio>
#include <new>

#include <sys/mman.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "FileBytes.h"
#include "KillPoints.h"
#include "leveldata/Records.h"

namespace daz {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

const QDateTime kNow(QDate(2026, 3, 14), QTime(15, 9, 26));
const QString kLevel = QStringLiteral("\\levels\\spring\\");

Result Cleared(int seconds, std::int64_t points, const QString& player, int mode = 2, const QString& level = kLevel)
{
    return Result{level, mode, points, seconds, 1, 2, 3, kNow, player};
}

QStringList Players(const std::vector<Result>& results)
{
    QStringList names;
    for (const Result& r : results)
        names << r.player;
    return names;
}

QStringList Listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs statements on a database file as any SQLite program could.
void Tamper(const QString& file, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tamper"));
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        // As a program that knows the file would, past the schema's checks.
        EXPECT_TRUE(query.exec(QStringLiteral("PRAGMA ignore_check_constraints = ON")));
        for (const QString& statement : statements)
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tamper"));
}

TEST(Records, PlacesGoByTimeThenPointsThenWhoWasFirstAndTheBestAreTen)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("records.sqlite"));
    auto store = Records::Open(file, kNow);
    ASSERT_TRUE(store->Keeping());
    EXPECT_TRUE(store->Problem().isEmpty()) << store->Problem().toStdString();

    EXPECT_EQ(store->AddResult(Cleared(60, 10, "a")), 1);
    EXPECT_EQ(store->AddResult(Cleared(60, 10, "b")), 2) << "alike: the earlier one first";
    EXPECT_EQ(store->AddResult(Cleared(60, 12, "c")), 1) << "as fast with more points";
    EXPECT_EQ(store->AddResult(Cleared(59, -5, "d")), 1) << "faster, whatever the points";
    EXPECT_EQ(store->AddResult(Cleared(61, 99, "e")), 5);
    EXPECT_EQ(store->AddResult(Cleared(90, 0, "other mode", 3)), 1);
    EXPECT_EQ(store->AddResult(Cleared(90, 0, "other level", 2, QStringLiteral("\\gameg\\x\\"))), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(store->AddResult(Cleared(100 + i, 0, QStringLiteral("f%1").arg(i))), 6 + i);
    EXPECT_EQ(store->AddResult(Cleared(200, 1000, "eleventh")), 11);

    // Results a store refuses are not stored.
    for (const Result& bad : {Cleared(10, 0, "mode", 5), Cleared(-1, 0, "time"), Cleared(10, 0, QString(300, u'x')),
                              Cleared(10, 0, "level", 2, QString())})
        EXPECT_EQ(store->AddResult(bad), std::nullopt) << bad.player.left(10).toStdString();

    const QStringList best{"d", "c", "a", "b", "e", "f0", "f1", "f2", "f3", "f4"};
    EXPECT_EQ(Players(store->Best(kLevel, 2)), best);
    EXPECT_EQ(Players(store->Best(kLevel, 2, 3)), best.mid(0, 3));
    EXPECT_EQ(Players(store->Best(kLevel, 3)), QStringList{"other mode"});
    const Result first = store->Best(kLevel, 2).front();
    EXPECT_EQ(first.levelPath, kLevel);
    EXPECT_EQ(first.points, -5);
    EXPECT_EQ(first.seconds, 59);
    EXPECT_EQ(first.undos * 100 + first.hints * 10 + first.shuffles, 123);
    EXPECT_EQ(first.when, kNow);

    // All of it was kept.
    store.reset();
    store = Records::Open(file, kNow);
    EXPECT_TRUE(store->Problem().isEmpty()) << store->Problem().toStdString();
    EXPECT_EQ(Players(store->Best(kLevel, 2)), best);
    EXPECT_EQ(store->Statistics(2).cleared, 12);
}

TEST(Records, WhatIsNotOurSoundDatabaseIsSetAsideToldOnceAndANewOneBegun)
{
    const QString aside = QStringLiteral("records.sqlite.damaged-20260314-150926");
    const std::vector<std::pair<const char*, QStringList>> tamperings{
        {"another schema", {QStringLiteral("CREATE TABLE extra (x)")}},
        {"another version", {QStringLiteral("PRAGMA user_version = 2")}},
        {"a huge name", {QStringLiteral("UPDATE results SET player = hex(zeroblob(300000))")}},
        {"a huge level path", {QStringLiteral("UPDATE events SET level = hex(zeroblob(5000))")}},
        {"a negative time", {QStringLiteral("UPDATE results SET seconds = -5")}},
        {"a negative time-out", {QStringLiteral("UPDATE events SET seconds = -1 WHERE kind = 3")}},
        {"mode 5", {QStringLiteral("UPDATE results SET mode = 5")}},
        {"mode 0", {QStringLiteral("UPDATE events SET mode = 0")}},
        {"negative statistics", {QStringLiteral("UPDATE totals SET started = -3")}},
        {"a text for a time", {QStringLiteral("UPDATE results SET seconds = 'soon'")}},
        {"not a database", {}},
    };
    for (const auto& [what, statements] : tamperings) {
        SCOPED_TRACE(what);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("records.sqlite"));
        {
            auto store = Records::Open(file, kNow);
            store->LevelStarted(kLevel, 2, kNow);
            store->LevelTimedOut(kLevel, 2, 30, kNow);
            ASSERT_EQ(store->AddResult(Cleared(60, 10, "a")), 1);
        }
        if (statements.isEmpty())
            WriteBytes(file, QByteArray("SQLite format 3").repeated(300));
        else
            Tamper(file, statements);
        const QByteArray bytes = ReadBytes(file);

        auto store = Records::Open(file, kNow);
        EXPECT_TRUE(store->Problem().contains(QStringLiteral("无法读取或已损坏"))) << store->Problem().toStdString();
        EXPECT_TRUE(store->Problem().contains(aside)) << store->Problem().toStdString();
        EXPECT_EQ(ReadBytes(folder.filePath(aside)), bytes);
        EXPECT_TRUE(store->Keeping());
        EXPECT_TRUE(store->Best(kLevel, 2).empty());
        EXPECT_EQ(store->AddResult(Cleared(70, 1, "b")), 1);
        store.reset();
        store = Records::Open(file, kNow);
        EXPECT_TRUE(store->Problem().isEmpty()) << "told once: " << store->Problem().toStdString();
        EXPECT_EQ(Players(store->Best(kLevel, 2)), QStringList{"b"});
    }

    // Something that is not a plain file in the database's place or its
    // journal's is renamed, never followed: its target stays untouched and
    // nothing is written outside the folder.
    QTemporaryDir outside;
    WriteBytes(outside.filePath(QStringLiteral("target")), "not the game's");
    const QStringList outsideBefore = Listing(outside.path());
    for (const char* in : {"records.sqlite", "records.sqlite-journal"}) {
        for (const QString& target :
             {outside.filePath(QStringLiteral("target")), outside.filePath(QStringLiteral("none")), QString()}) {
            SCOPED_TRACE(in + (" to " + target.toStdString()));
            QTemporaryDir folder;
            const QString file = folder.filePath(QStringLiteral("records.sqlite"));
            const QString link = folder.filePath(QString::fromLatin1(in));
            if (target.isEmpty())
                ASSERT_TRUE(QDir().mkpath(link));
            else
                ASSERT_TRUE(QFile::link(target, link));

            auto store = Records::Open(file, kNow);
            EXPECT_TRUE(store->Problem().contains(QStringLiteral("不是普通文件"))) << store->Problem().toStdString();
            EXPECT_TRUE(store->Keeping());
            EXPECT_EQ(store->AddResult(Cleared(70, 1, "b")), 1);
            EXPECT_TRUE(QFileInfo(file).isFile() && !QFileInfo(file).isSymLink());
            const QString renamed = link + QStringLiteral(".damaged-20260314-150926");
            if (!target.isEmpty())
                EXPECT_EQ(QFileInfo(renamed).symLinkTarget(), target);
            else
                EXPECT_TRUE(QFileInfo(renamed).isDir());
            EXPECT_EQ(ReadBytes(outside.filePath(QStringLiteral("target"))), "not the game's");
            EXPECT_EQ(Listing(outside.path()), outsideBefore);
        }
    }

    // A folder that cannot be written keeps nothing, says so once, and
    // still shows what it holds. The superuser writes into any folder of
    // its own, but not into /proc.
    QTemporaryDir folder;
    QString readOnly = folder.filePath(QStringLiteral("player"));
    ASSERT_EQ(Records::Open(readOnly + QStringLiteral("/records.sqlite"), kNow)->AddResult(Cleared(60, 10, "a")), 1);
    const QStringList before = Listing(readOnly);
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    const bool superuser = ::geteuid() == 0;
    if (superuser)
        readOnly = QStringLiteral("/proc/self");
    auto store = Records::Open(readOnly + QStringLiteral("/records.sqlite"), kNow);
    EXPECT_FALSE(store->Keeping());
    EXPECT_TRUE(store->Problem().contains(QStringLiteral("这次的成绩不会保存"))) << store->Problem().toStdString();
    EXPECT_EQ(store->AddResult(Cleared(50, 10, "b")), std::nullopt);
    store->LevelStarted(kLevel, 2, kNow);
    store->LevelTimedOut(kLevel, 2, 3, kNow);
    EXPECT_FALSE(store->Clear());
    if (!superuser) {
        EXPECT_EQ(Players(store->Best(kLevel, 2)), QStringList{"a"});
        EXPECT_EQ(Listing(readOnly), before);
    }
    store.reset();
    QFile::setPermissions(folder.filePath(QStringLiteral("player")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A kill at each step of a result's write leaves the results before it or
// the results with it, in a sound database, never a part of it.
TEST(Records, AKillWhileAResultIsWrittenLosesNothing)
{
    QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                             ? QStringLiteral("/dev/shm/daz-records-XXXXXX")
                             : QDir::tempPath() + QStringLiteral("/daz-records-XXXXXX"));
    const QString file = folder.filePath(QStringLiteral("records.sqlite"));
    {
        auto store = Records::Open(file, kNow);
        for (int seconds : {60, 70, 80})
            ASSERT_TRUE(store->AddResult(Cleared(seconds, 0, QStringLiteral("old"))));
    }
    const QByteArray before = ReadBytes(file);
    const QStringList listing = Listing(folder.path());
    void* shared = ::mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* armed = new (shared) std::atomic<int>(0);

    int lost = 0; // kills that left the results before
    int kept = 0; // kills that left them with the new one
    for (std::int64_t step = 0; step < 1000 && !HasFailure(); ++step) {
        SCOPED_TRACE(step);
        for (const QString& name : Listing(folder.path()))
            QFile::remove(folder.filePath(name));
        WriteBytes(file, before);
        armed->store(0);
        std::int64_t extra = -1; // the steps since the store was open
        const testing::TracedRun end = testing::RunUntilKilled(
            [&] {
                auto store = Records::Open(file, kNow);
                armed->store(1);
                ::_exit(store->AddResult(Cleared(65, 7, QStringLiteral("new"))) == 2 ? 0 : 4);
            },
            [&](qint64) {
                if (extra < 0 && armed->load() == 1)
                    extra = 0;
                return extra >= 0 && extra++ == step;
            });
        ASSERT_FALSE(HasFailure());

        auto store = Records::Open(file, kNow);
        EXPECT_TRUE(store->Problem().isEmpty()) << store->Problem().toStdString();
        EXPECT_TRUE(store->Keeping());
        const QStringList players = Players(store->Best(kLevel, 2));
        const int cleared = store->Statistics(2).cleared;
        if (players.size() == 4) {
            EXPECT_EQ(players, (QStringList{"old", "new", "old", "old"}));
            EXPECT_EQ(cleared, 4);
            kept += end.killed;
        } else {
            EXPECT_EQ(players, (QStringList{"old", "old", "old"}));
            EXPECT_EQ(cleared, 3);
            ++lost;
        }
        store.reset();
        // An empty journal may stay; the next write takes it over.
        QStringList left = Listing(folder.path());
        left.removeOne(QStringLiteral("records.sqlite-journal"));
        EXPECT_EQ(left, listing) << "nothing else left beside the database";
        if (!end.killed) { // the child's own exit status is checked by RunUntilKilled
            EXPECT_EQ(players.size(), 4);
            break;
        }
    }
    std::printf("%d kills over the steps of a result's write, %d after it was kept\n", lost + kept, kept);
    EXPECT_GT(lost, 5);
    EXPECT_GT(kept, 0);
    ::munmap(shared, sizeof(std::atomic<int>));
}

} // namespace
} // namespace daz
