// The results store under conditions that pass (another program's lock, a
// read-only or newer store, a full disk), with damaged indexes, and the
// copies it sets aside.
#include <csignal>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "RecordsTesting.h"
#include "leveldata/RecordsSchema.h"

namespace daz::testing {
namespace {

// Holds a store as another program may: exclusive locking and a write in
// a log store, or an exclusive transaction in a store with a journal.
class Holder {
public:
    Holder(const QString& file, bool journal)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(file);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        const QStringList statements = journal ? QStringList{QStringLiteral("PRAGMA journal_mode = DELETE"),
                                                             QStringLiteral("BEGIN EXCLUSIVE")}
                                               : QStringList{QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"),
                                                             QStringLiteral("UPDATE results SET player = player")};
        for (const QString& statement : statements) {
            EXPECT_TRUE(query.exec(statement)) << statement.toStdString();
        }
    }
    ~Holder() { QSqlDatabase::removeDatabase(QStringLiteral("holder")); }
};

// A store that cannot be written now, nor perhaps read, is a passing
// condition: told once, never set aside, the results of the run kept in
// memory (and shown) and written by the first write that can.
TEST(Records, AStoreHeldReadOnlyOrNewerIsKeptAsItIsAndTheResultsWaitInMemory)
{
    for (const char* what : {"locked", "locked with a journal", "read-only", "newer", "analysed"}) {
        SCOPED_TRACE(what);
        const std::string how = what;
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("records.sqlite"));
        {
            auto store = Records::Open(file, kNow);
            store->LevelStarted(kLevel, 2, kNow);
            ASSERT_EQ(store->AddResult(Cleared(60, 10, "a")), 1);
        }
        std::optional<Holder> holder;
        if (how.starts_with("locked")) {
            holder.emplace(file, how != "locked");
        } else if (how == "read-only") {
            // The format's write version above what SQLite knows: it reads
            // the file and refuses to write it.
            QByteArray bytes = ReadBytes(file);
            bytes[18] = 3;
            WriteBytes(file, bytes);
        } else {
            Tamper(file, {how == "newer" ? QStringLiteral("PRAGMA user_version = %1").arg(records::kSchemaVersion + 1)
                                         : QStringLiteral("ANALYZE")});
        }
        const QByteArray bytes = ReadBytes(file);

        auto store = Records::Open(file, kNow);
        const QString problem = RecordsNotesText(store->Problem());
        const std::map<std::string, QString> told{{"locked", QStringLiteral("正被另一个程序使用")},
                                                  {"locked with a journal", QStringLiteral("正被另一个程序使用")},
                                                  {"read-only", QStringLiteral("是只读的")},
                                                  {"newer", QStringLiteral("更新版本的游戏")},
                                                  {"analysed", QString()}};
        EXPECT_EQ(problem.isEmpty(), told.at(how).isEmpty()) << problem.toStdString();
        EXPECT_TRUE(problem.contains(told.at(how))) << problem.toStdString();
        EXPECT_TRUE(problem.isEmpty() || problem.contains(file)) << problem.toStdString();
        EXPECT_TRUE(store->Keeping());
        const bool held = how.starts_with("locked");
        EXPECT_EQ(Players(store->Best(kLevel, 2)), held ? QStringList() : QStringList{"a"});

        // Not stored: no place, yet shown and counted this run.
        store->LevelStarted(kLevel, 2, kNow);
        EXPECT_EQ(store->AddResult(Cleared(50, 1, "b")), how == "analysed" ? std::optional(1) : std::nullopt);
        EXPECT_EQ(Players(store->Best(kLevel, 2)), held ? QStringList{"b"} : (QStringList{"b", "a"}));
        EXPECT_EQ(store->Statistics(2).cleared, held ? 1 : 2);
        EXPECT_EQ(store->BestTimes(2), (std::vector<std::pair<QString, int>>{{kLevel, 50}}));
        if (how != "analysed") {
            EXPECT_FALSE(store->Clear());
            EXPECT_EQ(ReadBytes(file), bytes) << "left as it is";
        }
        EXPECT_EQ(Listing(folder.path()).filter(QStringLiteral("damaged")), QStringList());

        // Once the other program lets go, the next write stores what waited.
        holder.reset();
        store->LevelTimedOut(kLevel, 2, 9, kNow);
        store.reset();
        store = Records::Open(file, kNow);
        const bool stored = held || how == "analysed";
        EXPECT_EQ(Players(store->Best(kLevel, 2)), stored ? (QStringList{"b", "a"}) : QStringList{"a"});
        EXPECT_EQ(store->Statistics(2).started, stored ? 2 : 1);
        EXPECT_EQ(store->Statistics(2).timedOut, stored ? 1 : 0);
    }

    // A store found damaged only when it is tried again is set aside then,
    // the player told, and what waited is written into the new one.
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("records.sqlite"));
    ASSERT_EQ(Records::Open(file, kNow)->AddResult(Cleared(60, 10, "a")), 1);
    std::optional<Holder> holder(std::in_place, file, false);
    auto store = Records::Open(file, kNow);
    EXPECT_EQ(store->AddResult(Cleared(50, 1, "b")), std::nullopt);
    holder.reset();
    WriteBytes(file, QByteArray("SQLite format 3").repeated(300));
    store->LevelStarted(kLevel, 2, kNow);
    EXPECT_TRUE(RecordsNotesText(store->Settle(false)).contains(QStringLiteral("已改名保存为"))) << "told";
    EXPECT_EQ(RecordsNotesText(store->Settle(false)), QString()) << "once";
    EXPECT_EQ(Players(store->Best(kLevel, 2)), QStringList{"b"});
    EXPECT_EQ(store->Statistics(2).started, 1);
}

// Runs body in a child whose files cannot grow past limit bytes, as on a
// full disk; what it reports (its failures) comes back.
std::string WithFilesLimitedTo(rlim_t limit, const std::function<std::string(rlim_t)>& body)
{
    int out[2];
    if (::pipe(out) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const std::string report = body(limit);
        (void)!::write(out[1], report.data(), report.size());
        ::_exit(0);
    }
    ::close(out[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) {
        report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : report + " (the child failed)";
}

bool Limit(rlim_t bytes)
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

// A full disk at the start or during play loses no result and announces
// none as stored; what waited is written once there is room.
TEST(Records, AFullDiskKeepsTheStoreAndTheResultsWaitForRoom)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("records.sqlite"));
    {
        auto store = Records::Open(file, kNow);
        ASSERT_EQ(store->AddResult(Cleared(60, 10, "a")), 1);
    }
    const QByteArray bytes = ReadBytes(file);
    for (const bool atStart : {true, false}) {
        SCOPED_TRACE(atStart ? "full at the start" : "full in play");
        const std::string report = WithFilesLimitedTo(atStart ? 16 * 1024 : 1024, [&](rlim_t bytes) {
            std::string failures;
            const auto expect = [&](bool ok, const char* what) { failures += ok ? "" : std::string(what) + "; "; };
            if (atStart) {
                expect(Limit(bytes), "limit");
            }
            auto store = Records::Open(file, kNow);
            expect(!RecordsNotesText(store->Problem()).contains(QStringLiteral("损坏")), "told damaged");
            expect(atStart != RecordsNotesText(store->Problem()).isEmpty(), "told");
            if (!atStart) {
                expect(Limit(bytes), "limit");
            }
            expect(store->AddResult(Cleared(atStart ? 50 : 40, 1, atStart ? "b" : "c")) == std::nullopt, "a place");
            const std::vector<Result> best = store->Best(kLevel, 2);
            expect(!best.empty() && best.front().player == (atStart ? "b" : "c"), "shown");
            expect(Limit(RLIM_INFINITY), "room");
            store->LevelStarted(kLevel, 2, kNow);
            return failures;
        });
        EXPECT_EQ(report, "");
        EXPECT_EQ(Listing(folder.path()).filter(QStringLiteral("damaged")), QStringList());
        auto store = Records::Open(file, kNow);
        EXPECT_EQ(Players(store->Best(kLevel, 2)), atStart ? (QStringList{"b", "a"}) : (QStringList{"c", "b", "a"}));
    }
}

// Indexes that do not match their tables hide results from the reads; the
// check beside the game finds them and rebuilds them, losing no row.
TEST(Records, DamagedIndexesAreFoundBesideTheGameAndRebuilt)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("records.sqlite"));
    {
        auto store = Records::Open(file, kNow);
        for (int i = 0; i < 30; ++i) {
            ASSERT_TRUE(store->AddResult(Cleared(100 + i, 0, QStringLiteral("p%1").arg(i))));
        }
    }
    Tamper(file, {QStringLiteral("CREATE TEMP TABLE roots AS SELECT name, rootpage FROM sqlite_master "
                                 "WHERE type = 'index'"),
                  QStringLiteral("PRAGMA writable_schema = ON"),
                  QStringLiteral("UPDATE sqlite_master SET rootpage = (SELECT rootpage FROM temp.roots "
                                 "WHERE roots.name <> sqlite_master.name) WHERE type = 'index'")});
    auto store = Records::Open(file, kNow);
    EXPECT_TRUE(RecordsNotesText(store->Problem()).isEmpty()) << RecordsNotesText(store->Problem()).toStdString();
    EXPECT_EQ(RecordsNotesText(store->Settle(true)), QString());
    EXPECT_EQ(store->Best(kLevel, 2, 100).size(), 30u);
    EXPECT_EQ(store->AddResult(Cleared(99, 0, "first")), 1);
    store.reset();
    store = Records::Open(file, kNow);
    EXPECT_EQ(store->Best(kLevel, 2, 100).size(), 31u);
    EXPECT_EQ(store->BestTimes(2), (std::vector<std::pair<QString, int>>{{kLevel, 99}}));
}

// Set-aside copies do not pile up: the newest three of each file stay, an
// older one goes with what SQLite kept beside it.
TEST(Records, OnlyTheNewestThreeSetAsideCopiesStay)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("records.sqlite"));
    WriteBytes(file + QStringLiteral(".damaged-20250101-000000"), "oldest");
    WriteBytes(file + QStringLiteral(".damaged-20250101-000000-wal"), "its log");
    WriteBytes(file + QStringLiteral(".damaged-20250101-000000-2"), "older");
    WriteBytes(file + QStringLiteral("-wal.damaged-20250101-000000"), "another file's");
    for (int i = 0; i < 3; ++i) {
        WriteBytes(file, QByteArray("SQLite format 3").repeated(300));
        Records::Open(file, kNow.addSecs(i));
        if (i == 0) {
            const QStringList left = Listing(folder.path()).filter(QStringLiteral(".damaged-"));
            EXPECT_EQ(left.size(), 5) << left.join(u' ').toStdString();
        }
    }
    EXPECT_EQ(Listing(folder.path()).filter(QStringLiteral(".damaged-")),
              (QStringList{"records.sqlite-wal.damaged-20250101-000000", "records.sqlite.damaged-20260314-150926",
                           "records.sqlite.damaged-20260314-150927", "records.sqlite.damaged-20260314-150928"}));
}

} // namespace
} // namespace daz::testing
