#include "Records.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <utility>

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include "LevelFiles.h"
#include "RecordsCheck.h"
#include "RecordsFiles.h"
#include "RecordsMemory.h"
#include "RecordsRead.h"
#include "RecordsSchema.h"

namespace daz {
namespace {

using namespace records;

constexpr int kReadOnly = 8; // SQLITE_READONLY

// How long a write waits for another program's lock before it is kept for later.
const QString kBusyTimeout = QStringLiteral("QSQLITE_BUSY_TIMEOUT=50");
const QString kReadOnlyOptions = QStringLiteral("QSQLITE_OPEN_READONLY;") + kBusyTimeout;

class SqlRecords final : public Records {
public:
    SqlRecords(const QString& file, const QDateTime& now) : file_(file), now_(now)
    {
        static std::atomic<int> count{0};
        name_ = QStringLiteral("records-%1").arg(++count);
    }

    ~SqlRecords() override
    {
        check_.Wait();
        Close();
    }

    // Reads a store in a folder that cannot be written, as it is.
    void AttachAsItIs()
    {
        keeping_ = false;
        if (!QFileInfo(file_).isFile() || IsNoPlainFile(file_)) {
            return;
        }
        // Nothing can change it meanwhile, and SQLite need not make its
        // shared-memory file beside it, which the folder would refuse.
        readOnly_ = true;
        if (Connect(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"),
                    QUrl::fromLocalFile(file_).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"))) {
            const Verdict::Kind found = Check(db_).kind;
            open_ = found == Verdict::Sound || found == Verdict::Older || found == Verdict::Newer;
        }
        if (!open_) {
            Close();
        }
    }

    // Looks at the store through a read-only connection, which never
    // changes the files, sets it aside only when it is proven damaged or
    // not ours, and opens it for writing when it is sound. What the player
    // is to be told, or nothing.
    RecordsNotes OpenStore(bool damaged = false)
    {
        Close();
        putAside_ = false;
        older_ = false;
        Verdict found{damaged ? Verdict::Damaged : Verdict::New};
        if (!damaged && QFileInfo(file_).size() > 0) {
            found = Look(kReadOnlyOptions);
            // A journal that a killed write left only a writing connection rolls back.
            if (found.kind == Verdict::Passing && found.code == kReadOnly) {
                found = Look(kBusyTimeout);
            }
            Close();
        }
        RecordsNotes told;
        if (found.kind == Verdict::Damaged) {
            const auto aside = PutDatabaseAside(file_, now_);
            if (!aside) {
                keeping_ = false;
                return {{RecordsNoteKind::DamagedStays, file_}, {RecordsNoteKind::NotKept}};
            }
            putAside_ = true;
            told.push_back({RecordsNoteKind::DamagedSetAside, file_, *aside});
            found = {Verdict::New};
        }
        if (found.kind == Verdict::Newer) {
            newer_ = readOnly_ = true;
            open_ = Connect(kReadOnlyOptions, file_);
            return {{RecordsNoteKind::Newer, file_}, {RecordsNoteKind::NotKept}};
        }
        if (found.kind == Verdict::Passing) {
            told.push_back(PassingNote(found.code, file_));
            return told;
        }

        // Sound, older or new: opened for writing, and tried (an older one
        // brought up to date). A commit waits for
        // the disk at checkpoints only, yet a kill or a power cut never
        // leaves half a transaction.
        QSqlError error = Connect(kBusyTimeout, file_) ? QSqlError() : db_.lastError();
        if (!error.isValid()) {
            QSqlQuery query(db_);
            if (!query.exec(QStringLiteral("PRAGMA trusted_schema = OFF"))
                || !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))) {
                error = query.lastError();
            } else if (found.kind == Verdict::New) {
                error = Begin(db_);
            } else if (found.kind == Verdict::Older) {
                error = Migrate(db_, found.version);
            } else if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))
                       || !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion))) {
                error = query.lastError();
            }
            query.exec(QStringLiteral("ROLLBACK"));
        }
        if (error.isValid()) {
            // A sound store that cannot be written now is read meanwhile;
            // an older one is brought up to date at a later write.
            open_ = (found.kind == Verdict::Sound || found.kind == Verdict::Older) && db_.isOpen();
            older_ = found.kind == Verdict::Older;
            if (!open_) {
                Close();
            }
            told.push_back(PassingNote(ErrorCode(error), file_));
            return told;
        }
        open_ = true;
        if (found.kind == Verdict::Sound || found.kind == Verdict::Older) {
            check_.Start(file_);
        }
        if (!told.empty()) {
            told.push_back({RecordsNoteKind::Afresh});
        }
        return told;
    }

    void Close()
    {
        open_ = false;
        if (!db_.isValid()) {
            return;
        }
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }

    void SetProblem(RecordsNotes problem) { problem_ = std::move(problem); }

    bool Keeping() const override { return keeping_; }
    RecordsNotes Problem() const override { return problem_; }

    void LevelStarted(const QString& levelPath, int mode, const QDateTime& when, bool untimed) override
    {
        AddEvent(levelPath, mode, 1, 0, when, untimed);
    }

    void LevelTimedOut(const QString& levelPath, int mode, int seconds, const QDateTime& when) override
    {
        AddEvent(levelPath, mode, 3, seconds, when, false);
    }

    std::optional<int> AddResult(const Result& r) override
    {
        if (!IsValid(r) || !keeping_) {
            return std::nullopt;
        }
        pending_.push_back({2, r});
        return Flush();
    }

    std::vector<Result> Best(const QString& levelPath, int mode, int limit, bool untimed) const override
    {
        std::vector<Result> best = open_ ? ReadBest(db_, levelPath, mode, limit, untimed) : std::vector<Result>();
        AddBest(best, pending_, levelPath, mode, limit, untimed);
        return best;
    }

    std::vector<std::pair<QString, int>> BestTimes(int mode, bool untimed) const override
    {
        std::map<QString, int> times = open_ ? ReadBestTimes(db_, mode, untimed) : std::map<QString, int>();
        AddBestTimes(times, pending_, mode, untimed);
        return {times.begin(), times.end()};
    }

    ModeStatistics Statistics(int mode, bool untimed) const override
    {
        Totals t = open_ ? ReadTotals(db_, mode, untimed) : Totals();
        AddTotals(t, pending_, mode, untimed);
        return {static_cast<int>(t.started), static_cast<int>(t.cleared), static_cast<int>(t.timedOut),
                static_cast<int>(t.longest), t.seconds};
    }

    bool Clear() override
    {
        TakeInCheck(false);
        if (!Ready()) {
            return false;
        }
        QSqlQuery query(db_);
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            return false;
        }
        if (query.exec(QStringLiteral("DELETE FROM results")) && query.exec(QStringLiteral("DELETE FROM events"))
            && query.exec(QStringLiteral("DELETE FROM totals"))
            && query.exec(QStringLiteral("DELETE FROM untimed_totals")) && query.exec(QStringLiteral("COMMIT"))) {
            pending_.clear();
            return true;
        }
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    }

    RecordsNotes Settle(bool wait) override
    {
        TakeInCheck(wait);
        return std::exchange(late_, RecordsNotes());
    }

private:
    bool Connect(const QString& options, const QString& name)
    {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db_.setConnectOptions(options);
        db_.setDatabaseName(name);
        return db_.isValid() && db_.open();
    }

    // The checks through a connection with these options, left open.
    Verdict Look(const QString& options)
    {
        Close();
        if (!Connect(options, file_)) {
            return {Verdict::Passing, ErrorCode(db_.lastError())};
        }
        return Check(db_);
    }

    void TakeInCheck(bool wait)
    {
        if (check_.Found(wait) == FullCheck::Damaged && open_ && !readOnly_) {
            Mend();
        }
    }

    // Rebuilds the indexes from their tables; a store that is still not
    // sound is damaged beyond them, and set aside.
    void Mend()
    {
        QSqlQuery query(db_);
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            return; // held by another program: at a later write
        }
        if (query.exec(QStringLiteral("REINDEX")) && query.exec(QStringLiteral("COMMIT"))) {
            query.setForwardOnly(true);
            if (query.exec(QStringLiteral("PRAGMA integrity_check(1)")) && query.next()
                && query.value(0).toString() == QStringLiteral("ok")) {
                check_.Forget();
                return;
            }
        } else {
            const int code = ErrorCode(query.lastError());
            query.exec(QStringLiteral("ROLLBACK"));
            if (!ProvesDamage(code)) {
                return;
            }
        }
        check_.Forget();
        query = QSqlQuery();
        Add(late_, OpenStore(true));
    }

    // Whether the store can be written to; one that could not be opened is
    // tried again, and the player told when that sets it aside.
    bool Ready()
    {
        if (!keeping_ || newer_) {
            return false;
        }
        if (!open_ || older_) {
            RecordsNotes told = OpenStore();
            if (putAside_) {
                Add(late_, std::move(told));
            }
        }
        return open_ && !older_;
    }

    // Writes what waits, the newest last, in one transaction; the place
    // of the newest when it is a result and all of it was stored.
    std::optional<int> Flush()
    {
        TakeInCheck(false);
        if (!Ready()) {
            return std::nullopt;
        }
        QSqlQuery query(db_);
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            return std::nullopt;
        }
        std::optional<int> place;
        bool done = true;
        for (const Pending& p : pending_) {
            done = p.kind == 2 ? InsertResult(db_, p.result, place)
                               : InsertEvent(db_, p.result.levelPath, p.result.mode, p.kind, p.result.seconds,
                                             p.result.when, p.result.untimed);
            if (!done) {
                break;
            }
        }
        if (done && query.exec(QStringLiteral("COMMIT"))) {
            const bool result = !pending_.empty() && pending_.back().kind == 2;
            pending_.clear();
            return result ? place : std::nullopt;
        }
        query.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }

    void AddEvent(const QString& levelPath, int mode, int kind, int seconds, const QDateTime& when, bool untimed)
    {
        if (!keeping_ || levelPath.isEmpty() || levelPath.size() > kLongestLevelPath || mode < 1 || mode > kModes
            || seconds < 0 || seconds > kMostSeconds) {
            return;
        }
        pending_.push_back({kind, Result{levelPath, mode, 0, seconds, 0, 0, 0, when, {}, {}, untimed}});
        (void)Flush();
    }

    QString file_;
    QDateTime now_;
    QString name_;
    QSqlDatabase db_;
    FullCheck check_;
    bool open_ = false;     // it can be read
    bool keeping_ = true;   // false when the folder cannot be written
    bool readOnly_ = false; // opened only to be read
    bool newer_ = false;    // a newer version's, never written
    bool putAside_ = false; // the last opening set the store aside
    bool older_ = false;    // of an older version, not yet brought up to date
    std::vector<Pending> pending_;
    RecordsNotes problem_;
    RecordsNotes late_; // what the player is to be told of a later look
};

} // namespace

std::unique_ptr<Records> Records::Open(const QString& file, const QDateTime& now)
{
    auto records = std::make_unique<SqlRecords>(file, now);
    const QString folder = QFileInfo(file).absolutePath();

    // A folder that cannot be written keeps nothing; results already kept
    // are still read, when they are sound and no link stands in their way.
    if (std::optional<RecordsNote> problem = TryWrite(folder)) {
        records->SetProblem({std::move(*problem), {RecordsNoteKind::NotKept}});
        records->AttachAsItIs();
        return records;
    }

    // Nothing that is not a plain file is opened in the database's place
    // or its companions': a link is renamed, never followed.
    RecordsNotes told;
    if (!SetLinksAside(file, now, told) || !QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        if (told.empty() || told.back().kind != RecordsNoteKind::NotKept) {
            told.push_back({RecordsNoteKind::CannotOpen, file});
            told.push_back({RecordsNoteKind::NotKept});
        }
        records->SetProblem(std::move(told));
        records->AttachAsItIs();
        return records;
    }
    RecordsNotes problem = records->OpenStore();
    if (!told.empty() && problem.empty()) {
        problem.push_back({RecordsNoteKind::Afresh});
    }
    Add(told, std::move(problem));
    records->SetProblem(std::move(told));
    return records;
}

} // namespace daz
