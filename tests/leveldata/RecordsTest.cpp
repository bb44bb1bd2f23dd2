// The results store: places, databases that are not ours, and kills while
// a result is written.
#include <atomic>
#include <cstdio>
#include <new>
#include <string>
#include <tuple>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "KillPoints.h"
#include "RecordsTesting.h"
#include "leveldata/RecordsSchema.h"

namespace daz::testing {
namespace {

TEST(Records, PlacesGoByTimeThenPointsThenWhoWasFirstAndTheBestAreTen)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("records.sqlite"));
    auto store = Records::Open(file, kNow);
    ASSERT_TRUE(store->Keeping());
    EXPECT_TRUE(RecordsNotesText(store->Problem()).isEmpty()) << RecordsNotesText(store->Problem()).toStdString();

    EXPECT_EQ(store->AddResult(Cleared(60, 10, "a")), 1);
    EXPECT_EQ(store->AddResult(Cleared(60, 10, "b")), 2) << "alike: the earlier one first";
    EXPECT_EQ(store->AddResult(Cleared(60, 12, "c")), 1) << "as fast with more points";
    EXPECT_EQ(store->AddResult(Cleared(59, -5, "d")), 1) << "faster, whatever the points";
    EXPECT_EQ(store->AddResult(Cleared(61, 99, "e")), 5);
    EXPECT_EQ(store->AddResult(Cleared(90, 0, "other mode", 3)), 1);
    EXPECT_EQ(store->AddResult(Cleared(90, 0, "other level", 2, QStringLiteral("\\gameg\\x\\"))), 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(store->AddResult(Cleared(100 + i, 0, QStringLiteral("f%1").arg(i))), 6 + i);
    }
    EXPECT_EQ(store->AddResult(Cleared(200, 1000, "eleventh")), 11);
    // Untimed play ranks on its own: the fastest clear of all is first
    // there, and never among the timed.
    store->LevelStarted(kLevel, 2, kNow, true);
    EXPECT_EQ(store->AddResult(Cleared(10, 0, "untimed", 2, kLevel, true)), 1);
    EXPECT_EQ(store->AddResult(Cleared(300, 0, "untimed later", 2, kLevel, true)), 2);

    // Results a store refuses are not stored.
    for (const Result& bad : {Cleared(10, 0, "mode", 5), Cleared(-1, 0, "time"), Cleared(10, 0, QString(300, u'x')),
                              Cleared(10, 0, "level", 2, QString())}) {
        EXPECT_EQ(store->AddResult(bad), std::nullopt) << bad.player.left(10).toStdString();
    }

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
    EXPECT_EQ(first.seed, Cleared(0, 0, {}).seed);

    // All of it was kept, the untimed apart.
    store.reset();
    store = Records::Open(file, kNow);
    EXPECT_TRUE(RecordsNotesText(store->Problem()).isEmpty()) << RecordsNotesText(store->Problem()).toStdString();
    EXPECT_EQ(Players(store->Best(kLevel, 2)), best);
    EXPECT_EQ(store->Statistics(2).cleared, 12);
    EXPECT_EQ(store->Statistics(2).started, 0);
    const std::vector<Result> untimed = store->Best(kLevel, 2, 10, true);
    EXPECT_EQ(Players(untimed), (QStringList{"untimed", "untimed later"}));
    EXPECT_TRUE(untimed.front().untimed);
    EXPECT_FALSE(store->Best(kLevel, 2).front().untimed);
    EXPECT_TRUE(store->Best(kLevel, 3, 10, true).empty());
    const ModeStatistics apart = store->Statistics(2, true);
    EXPECT_EQ(std::tuple(apart.started, apart.cleared, apart.longestRunOfClears, apart.secondsPlayed),
              std::tuple(1, 2, 2, std::int64_t{310}));
    EXPECT_EQ(store->BestTimes(2),
              (std::vector<std::pair<QString, int>>{{QStringLiteral("\\gameg\\x\\"), 90}, {kLevel, 59}}));
    EXPECT_EQ(store->BestTimes(2, true), (std::vector<std::pair<QString, int>>{{kLevel, 10}}));
    // Cleared, the untimed go too.
    ASSERT_TRUE(store->Clear());
    EXPECT_TRUE(store->Best(kLevel, 2, 10, true).empty());
    EXPECT_EQ(store->Statistics(2, true).cleared, 0);
}

// A store as the versions before seeds (1) or before untimed play (2) wrote
// it is ours: read as it is, its results timed (and without a seed when it
// was stored so), and brought up to date by the first write that can,
// never set aside.
TEST(Records, AStoreOfAnOlderVersionIsReadAndBroughtUpToDate)
{
    // The results' table as version 1 made it.
    const QString results = QStringLiteral(
        "CREATE TABLE results (id INTEGER PRIMARY KEY, "
        "level TEXT NOT NULL CHECK (typeof(level) = 'text' AND length(level) BETWEEN 1 AND 1024), "
        "mode INTEGER NOT NULL CHECK (typeof(mode) = 'integer' AND mode BETWEEN 1 AND 4), "
        "points INTEGER NOT NULL CHECK (typeof(points) = 'integer' AND points BETWEEN -1000000000000000 AND "
        "1000000000000000), "
        "seconds INTEGER NOT NULL CHECK (typeof(seconds) = 'integer' AND seconds BETWEEN 0 AND 100000000), "
        "undos INTEGER NOT NULL CHECK (typeof(undos) = 'integer' AND undos BETWEEN 0 AND 1000000), "
        "hints INTEGER NOT NULL CHECK (typeof(hints) = 'integer' AND hints BETWEEN 0 AND 1000000), "
        "shuffles INTEGER NOT NULL CHECK (typeof(shuffles) = 'integer' AND shuffles BETWEEN 0 AND 1000000), "
        "played TEXT NOT NULL CHECK (typeof(played) = 'text' AND length(played) BETWEEN 0 AND 64), "
        "player TEXT NOT NULL CHECK (typeof(player) = 'text' AND length(player) BETWEEN 0 AND 256))");
    ASSERT_EQ(records::SchemaStatements(1).front(), results);
    // Version 2 added the seed after them, as ALTER TABLE writes it.
    ASSERT_EQ(records::SchemaStatements(2).front(),
              results.chopped(1) + QStringLiteral(", seed INTEGER CHECK (typeof(seed) IN ('integer', 'null')))"));
    for (const int version : {1, 2}) {
        SCOPED_TRACE(version);
        QStringList older = records::SchemaStatements(version);
        older << QStringLiteral("PRAGMA user_version = %1").arg(version)
              << QStringLiteral(
                     "INSERT INTO results (level, mode, points, seconds, undos, hints, shuffles, played, player) "
                     "VALUES ('\\levels\\spring\\', 2, 10, 60, 1, 2, 3, '2026-03-14T15:09:26', 'OLD')");
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("records.sqlite"));
        Tamper(file, older);

        // Opened while another program writes to it: read as it is, and a
        // result waits until a write can bring the store up to date.
        std::unique_ptr<Records> store;
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(file);
            ASSERT_TRUE(other.open());
            QSqlQuery writing(other);
            ASSERT_TRUE(writing.exec(QStringLiteral("BEGIN IMMEDIATE")));
            store = Records::Open(file, kNow);
            EXPECT_TRUE(RecordsNotesText(store->Problem()).contains(QStringLiteral("正被另一个程序使用")))
                << RecordsNotesText(store->Problem()).toStdString();
            ASSERT_EQ(Players(store->Best(kLevel, 2)), QStringList{"OLD"});
            EXPECT_EQ(store->Best(kLevel, 2).front().seed, std::nullopt);
            EXPECT_TRUE(store->Best(kLevel, 2, 10, true).empty()) << "no untimed play before its column";
            EXPECT_TRUE(store->BestTimes(2, true).empty());
            EXPECT_EQ(store->Statistics(2, true).started, 0);
            EXPECT_EQ(store->AddResult(Cleared(50, 1, "NEW")), std::nullopt);
            EXPECT_EQ(store->AddResult(Cleared(40, 1, "NEW UNTIMED", 2, kLevel, true)), std::nullopt);
            EXPECT_EQ(Players(store->Best(kLevel, 2)), (QStringList{"NEW", "OLD"}));
            writing.exec(QStringLiteral("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        store->LevelStarted(kLevel, 2, kNow);
        store.reset();

        store = Records::Open(file, kNow);
        EXPECT_TRUE(RecordsNotesText(store->Problem()).isEmpty()) << RecordsNotesText(store->Problem()).toStdString();
        const std::vector<Result> best = store->Best(kLevel, 2);
        ASSERT_EQ(Players(best), (QStringList{"NEW", "OLD"}));
        EXPECT_EQ(best[0].seed, Cleared(0, 0, {}).seed);
        EXPECT_EQ(best[1].seed, std::nullopt);
        EXPECT_EQ(Players(store->Best(kLevel, 2, 10, true)), QStringList{"NEW UNTIMED"});
        EXPECT_EQ(store->Statistics(2, true).cleared, 1);
        EXPECT_EQ(Listing(folder.path()).filter(QStringLiteral("damaged")), QStringList());
        store.reset();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version"));
            db.setDatabaseName(file);
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version")) && query.next());
            EXPECT_EQ(query.value(0).toInt(), records::kSchemaVersion);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("version"));
    }
}

TEST(Records, WhatIsNotOurSoundDatabaseIsSetAsideAsFoundToldOnceAndANewOneBegun)
{
    const QString aside = QStringLiteral("records.sqlite.damaged-20260314-150926");
    const std::vector<std::pair<const char*, QStringList>> tamperings{
        {"another schema", {QStringLiteral("CREATE TABLE extra (x)")}},
        {"another program's tables, version 0", {QStringLiteral("PRAGMA user_version = 0")}},
        {"the same columns, other checks",
         {QStringLiteral("PRAGMA writable_schema = ON"),
          QStringLiteral("UPDATE sqlite_master SET sql = replace(sql, 'BETWEEN 1 AND 4', 'BETWEEN 0 AND 9') "
                         "WHERE name = 'results'")}},
        {"a huge name", {QStringLiteral("UPDATE results SET player = hex(zeroblob(300000))")}},
        {"a huge level path", {QStringLiteral("UPDATE events SET level = hex(zeroblob(5000))")}},
        {"a negative time", {QStringLiteral("UPDATE results SET seconds = -5")}},
        {"a negative time-out", {QStringLiteral("UPDATE events SET seconds = -1 WHERE kind = 3")}},
        {"mode 5", {QStringLiteral("UPDATE results SET mode = 5")}},
        {"untimed twice over", {QStringLiteral("UPDATE events SET untimed = 2")}},
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
        if (statements.isEmpty()) {
            WriteBytes(file, QByteArray("SQLite format 3").repeated(300));
        } else {
            Tamper(file, statements);
        }
        const QByteArray bytes = ReadBytes(file);

        auto store = Records::Open(file, kNow);
        EXPECT_TRUE(RecordsNotesText(store->Problem()).contains(QStringLiteral("无法读取或已损坏")))
            << RecordsNotesText(store->Problem()).toStdString();
        EXPECT_TRUE(RecordsNotesText(store->Problem()).contains(aside))
            << RecordsNotesText(store->Problem()).toStdString();
        EXPECT_EQ(ReadBytes(folder.filePath(aside)), bytes);
        EXPECT_TRUE(store->Keeping());
        EXPECT_TRUE(store->Best(kLevel, 2).empty());
        EXPECT_EQ(store->AddResult(Cleared(70, 1, "b")), 1);
        store.reset();
        store = Records::Open(file, kNow);
        EXPECT_TRUE(RecordsNotesText(store->Problem()).isEmpty())
            << "told once: " << RecordsNotesText(store->Problem()).toStdString();
        EXPECT_EQ(Players(store->Best(kLevel, 2)), QStringList{"b"});
    }

    // A store set aside while its log is there goes with it, as it was:
    // the log is not merged into the copy.
    QTemporaryDir logged;
    {
        QTemporaryDir crashed;
        const QString file = crashed.filePath(QStringLiteral("records.sqlite"));
        {
            auto store = Records::Open(file, kNow);
            ASSERT_EQ(store->AddResult(Cleared(60, 10, "a")), 1);
        }
        // A program killed while it wrote leaves the log beside the file.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writer"));
            db.setDatabaseName(file);
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0")));
            ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE extra (x)")));
            for (const QString& name : {QStringLiteral("records.sqlite"), QStringLiteral("records.sqlite-wal")}) {
                ASSERT_TRUE(QFile::copy(crashed.filePath(name), logged.filePath(name)));
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("writer"));
    }
    const QString logFile = logged.filePath(QStringLiteral("records.sqlite"));
    const QByteArray database = ReadBytes(logFile);
    const QByteArray log = ReadBytes(logFile + QStringLiteral("-wal"));
    ASSERT_FALSE(log.isEmpty());
    {
        auto store = Records::Open(logFile, kNow);
        EXPECT_TRUE(RecordsNotesText(store->Problem()).contains(aside))
            << RecordsNotesText(store->Problem()).toStdString();
    }
    EXPECT_EQ(ReadBytes(logged.filePath(aside)), database);
    EXPECT_EQ(ReadBytes(logged.filePath(aside + QStringLiteral("-wal"))), log);

    // Something that is not a plain file of its own in the database's
    // place or a companion's (a link, a hard link, a folder, a pipe) is
    // renamed, never followed: its target stays untouched and nothing is
    // written outside the folder.
    QTemporaryDir outside;
    WriteBytes(outside.filePath(QStringLiteral("target")), "not the game's");
    const QStringList outsideBefore = Listing(outside.path());
    for (const char* in : {"records.sqlite", "records.sqlite-journal", "records.sqlite-wal", "records.sqlite-shm"}) {
        for (const char* kind : {"link", "dangling link", "hard link", "folder", "pipe"}) {
            SCOPED_TRACE(in + (" is a " + std::string(kind)));
            QTemporaryDir folder;
            const QString file = folder.filePath(QStringLiteral("records.sqlite"));
            const QString link = folder.filePath(QString::fromLatin1(in));
            const QString target = outside.filePath(QStringLiteral("target"));
            const std::string how = kind;
            if (how == "link") {
                ASSERT_TRUE(QFile::link(target, link));
            } else if (how == "dangling link") {
                ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("none")), link));
            } else if (how == "hard link") {
                ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
            } else if (how == "folder") {
                ASSERT_TRUE(QDir().mkpath(link));
            } else {
                ASSERT_EQ(::mkfifo(QFile::encodeName(link).constData(), 0600), 0);
            }

            auto store = Records::Open(file, kNow);
            EXPECT_TRUE(RecordsNotesText(store->Problem()).contains(QStringLiteral("不是普通文件")))
                << RecordsNotesText(store->Problem()).toStdString();
            EXPECT_TRUE(store->Keeping());
            EXPECT_EQ(store->AddResult(Cleared(70, 1, "b")), 1);
            EXPECT_TRUE(QFileInfo(file).isFile() && !QFileInfo(file).isSymLink());
            const QString renamed = link + QStringLiteral(".damaged-20260314-150926");
            if (how == "link") {
                EXPECT_EQ(QFileInfo(renamed).symLinkTarget(), target);
            } else {
                EXPECT_TRUE(QFileInfo(renamed).isSymLink() || QFileInfo::exists(renamed));
            }
            EXPECT_EQ(ReadBytes(target), "not the game's");
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
    if (superuser) {
        readOnly = QStringLiteral("/proc/self");
    }
    auto store = Records::Open(readOnly + QStringLiteral("/records.sqlite"), kNow);
    EXPECT_FALSE(store->Keeping());
    EXPECT_TRUE(RecordsNotesText(store->Problem()).contains(QStringLiteral("这次的成绩不会保存")))
        << RecordsNotesText(store->Problem()).toStdString();
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
        for (int seconds : {60, 70, 80}) {
            ASSERT_TRUE(store->AddResult(Cleared(seconds, 0, QStringLiteral("old"))));
        }
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
        for (const QString& name : Listing(folder.path())) {
            QFile::remove(folder.filePath(name));
        }
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
                if (extra < 0 && armed->load() == 1) {
                    extra = 0;
                }
                return extra >= 0 && extra++ == step;
            });
        ASSERT_FALSE(HasFailure());

        auto store = Records::Open(file, kNow);
        EXPECT_TRUE(RecordsNotesText(store->Problem()).isEmpty()) << RecordsNotesText(store->Problem()).toStdString();
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
} // namespace daz::testing
