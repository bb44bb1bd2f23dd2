#include "Records.h"

#include <algorithm>
#include <atomic>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>
#include <QVariant>

#include "ErrorTexts.h"
#include "LevelFiles.h"
#include "RecordsSchema.h"

namespace daz {
namespace {

using namespace records;

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

const QString kNotKept = QStringLiteral("\n游戏可以照常进行，但这次的成绩不会保存。");

// The files SQLite keeps beside a database while it writes.
const QStringList kCompanions{QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};

// Whether something that is not a plain file (a link, wherever it points,
// or a folder) stands at a path.
bool IsNoPlainFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() || (info.exists() && !info.isFile());
}

// A database and what SQLite keeps beside it go aside together, the
// journal under the name SQLite looks for beside the copy.
std::optional<QString> PutDatabaseAside(const QString& file, const QDateTime& now)
{
    const auto aside = PutAside(QFileInfo(file).absolutePath(), file, now);
    if (!aside)
        return std::nullopt;
    for (const QString& companion : kCompanions) {
        if (QFileInfo(file + companion).isSymLink() || QFileInfo::exists(file + companion))
            QFile::rename(file + companion, *aside + companion);
    }
    return aside;
}

QString TryWrite(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return QStringLiteral("无法创建存档文件夹“%1”。").arg(Shown(folder));
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    if (!probe.open() || probe.write("x", 1) != 1 || !probe.flush())
        return QStringLiteral("无法在存档文件夹“%1”中写入：%2。").arg(Shown(folder), FileErrorText(probe));
    return {};
}

QString Stored(const QDateTime& when)
{
    return when.toString(Qt::ISODate);
}

class SqlRecords final : public Records {
public:
    SqlRecords()
    {
        static std::atomic<int> count{0};
        name_ = QStringLiteral("records-%1").arg(++count);
    }

    ~SqlRecords() override { Close(); }

    // Opens the database and checks it; what is wrong, or empty.
    QString Attach(const QString& file, bool readOnly)
    {
        Close();
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        if (!db_.isValid())
            return QStringLiteral("driver");
        db_.setDatabaseName(file);
        if (readOnly) {
            // Nothing can change it meanwhile, and SQLite need not make its
            // shared-memory file beside it, which the folder would refuse.
            db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
            db_.setDatabaseName(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)
                                + QStringLiteral("?immutable=1"));
        }
        if (!db_.open())
            return db_.lastError().text();
        QString problem = CheckOrBegin(db_);
        if (!problem.isEmpty()) {
            Close();
            return problem;
        }
        open_ = true;
        keeping_ = !readOnly;
        return {};
    }

    void Close()
    {
        open_ = keeping_ = false;
        if (!db_.isValid())
            return;
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }

    void SetProblem(const QString& problem) { problem_ = problem; }

    bool Keeping() const override { return keeping_; }
    QString Problem() const override { return problem_; }

    void LevelStarted(const QString& levelPath, int mode, const QDateTime& when) override
    {
        AddEvent(levelPath, mode, 1, 0, when);
    }

    void LevelTimedOut(const QString& levelPath, int mode, int seconds, const QDateTime& when) override
    {
        AddEvent(levelPath, mode, 3, seconds, when);
    }

    std::optional<int> AddResult(const Result& r) override
    {
        if (!IsValid(r))
            return std::nullopt;
        std::optional<int> place;
        Write([&] {
            QSqlQuery query(db_);
            query.prepare(QStringLiteral("INSERT INTO results (level, mode, points, seconds, undos, hints, shuffles, "
                                         "played, player) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const QVariant& value : {QVariant(r.levelPath), QVariant(r.mode), QVariant(qint64(r.points)),
                                          QVariant(r.seconds), QVariant(r.undos), QVariant(r.hints),
                                          QVariant(r.shuffles), QVariant(Stored(r.when)), QVariant(r.player)})
                query.addBindValue(value);
            if (!query.exec())
                return false;
            const qint64 id = query.lastInsertId().toLongLong();
            if (!InsertEvent(r.levelPath, r.mode, 2, r.seconds, r.when))
                return false;
            query.prepare(QStringLiteral("SELECT count(*) FROM results WHERE level = ? AND mode = ? AND "
                                         "(seconds < ? OR (seconds = ? AND (points > ? OR (points = ? AND id < ?))))"));
            for (const QVariant& value :
                 {QVariant(r.levelPath), QVariant(r.mode), QVariant(r.seconds), QVariant(r.seconds),
                  QVariant(qint64(r.points)), QVariant(qint64(r.points)), QVariant(id)})
                query.addBindValue(value);
            if (!query.exec() || !query.next())
                return false;
            place = query.value(0).toInt() + 1;
            return true;
        });
        return keeping_ ? place : std::nullopt;
    }

    std::vector<Result> Best(const QString& levelPath, int mode, int limit) const override
    {
        std::vector<Result> best;
        if (!open_ || limit <= 0)
            return best;
        QSqlQuery query(db_);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT level, mode, points, seconds, undos, hints, shuffles, played, player "
                                     "FROM results WHERE level = ? AND mode = ? "
                                     "ORDER BY seconds, points DESC, id LIMIT ?"));
        query.addBindValue(levelPath);
        query.addBindValue(mode);
        query.addBindValue(limit);
        if (!query.exec())
            return best;
        while (query.next()) {
            // Only the lengths and numbers the schema allows come back;
            // anything else is left out.
            if (query.value(0).toString().size() > kLongestLevelPath
                || query.value(8).toString().size() > kLongestPlayerName)
                continue;
            Result r{query.value(0).toString(),   query.value(1).toInt(),
                     query.value(2).toLongLong(), query.value(3).toInt(),
                     query.value(4).toInt(),      query.value(5).toInt(),
                     query.value(6).toInt(),      QDateTime::fromString(query.value(7).toString(), Qt::ISODate),
                     query.value(8).toString()};
            if (IsValid(r))
                best.push_back(std::move(r));
        }
        return best;
    }

    std::vector<std::pair<QString, int>> BestTimes(int mode) const override
    {
        std::vector<std::pair<QString, int>> times;
        if (!open_)
            return times;
        QSqlQuery query(db_);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT level, min(seconds) FROM results WHERE mode = ? GROUP BY level"));
        query.addBindValue(mode);
        if (!query.exec())
            return times;
        while (query.next()) {
            const QString level = query.value(0).toString();
            const int seconds = query.value(1).toInt();
            if (!level.isEmpty() && level.size() <= kLongestLevelPath && seconds >= 0 && seconds <= kMostSeconds)
                times.emplace_back(level, seconds);
        }
        return times;
    }

    ModeStatistics Statistics(int mode) const override
    {
        ModeStatistics s;
        if (!open_)
            return s;
        QSqlQuery query(db_);
        query.setForwardOnly(true);
        query.prepare(
            QStringLiteral("SELECT started, cleared, timed_out, seconds, longest FROM totals WHERE mode = ?"));
        query.addBindValue(mode);
        if (query.exec() && query.next()) {
            s.started = query.value(0).toInt();
            s.cleared = query.value(1).toInt();
            s.timedOut = query.value(2).toInt();
            s.secondsPlayed = query.value(3).toLongLong();
            s.longestRunOfClears = query.value(4).toInt();
        }
        return s;
    }

    bool Clear() override
    {
        return Write([&] {
            QSqlQuery query(db_);
            return query.exec(QStringLiteral("DELETE FROM results")) && query.exec(QStringLiteral("DELETE FROM events"))
                   && query.exec(QStringLiteral("DELETE FROM totals"));
        });
    }

private:
    // One transaction: all of the body's changes, or none.
    template <typename Body>
    bool Write(Body&& body)
    {
        if (!keeping_ || !db_.transaction())
            return false;
        if (body() && db_.commit())
            return true;
        db_.rollback();
        return false;
    }

    bool InsertEvent(const QString& levelPath, int mode, int kind, int seconds, const QDateTime& when)
    {
        QSqlQuery query(db_);
        query.prepare(QStringLiteral("INSERT INTO events (level, mode, kind, seconds, played) VALUES (?, ?, ?, ?, ?)"));
        query.addBindValue(levelPath);
        query.addBindValue(mode);
        query.addBindValue(kind);
        query.addBindValue(seconds);
        query.addBindValue(Stored(when));
        return query.exec() && Count(mode, kind, seconds);
    }

    // The mode's totals with one more event. A run of clears ends at a
    // time-out, and at a level dealt again before the one before it was
    // cleared (left, or started anew).
    bool Count(int mode, int kind, int seconds)
    {
        QSqlQuery query(db_);
        query.prepare(QStringLiteral("SELECT started, cleared, timed_out, seconds, run, longest, last "
                                     "FROM totals WHERE mode = ?"));
        query.addBindValue(mode);
        if (!query.exec())
            return false;
        qint64 t[7] = {};
        if (query.next()) {
            for (int i = 0; i < 7; ++i)
                t[i] = query.value(i).toLongLong();
        }
        auto& [started, cleared, timedOut, played, run, longest, last] = t;
        played += seconds;
        if (kind == 1) {
            ++started;
            if (last == 1)
                run = 0;
        } else if (kind == 2) {
            ++cleared;
            longest = std::max(longest, ++run);
        } else {
            ++timedOut;
            run = 0;
        }
        last = kind;
        query.finish();
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO totals (mode, started, cleared, timed_out, seconds, run, "
                                     "longest, last) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(mode);
        for (const qint64 value : t)
            query.addBindValue(value);
        return query.exec();
    }

    void AddEvent(const QString& levelPath, int mode, int kind, int seconds, const QDateTime& when)
    {
        if (levelPath.isEmpty() || levelPath.size() > kLongestLevelPath || mode < 1 || mode > kModes || seconds < 0
            || seconds > kMostSeconds)
            return;
        Write([&] { return InsertEvent(levelPath, mode, kind, seconds, when); });
    }

    QString name_;
    QSqlDatabase db_;
    bool open_ = false;
    bool keeping_ = false;
    QString problem_;
};

} // namespace

std::unique_ptr<Records> Records::Open(const QString& file, const QDateTime& now)
{
    auto records = std::make_unique<SqlRecords>();
    const QString folder = QFileInfo(file).absolutePath();
    const QString shown = Shown(file);

    // A folder that cannot be written keeps nothing; results already kept
    // are still read, when they are sound and no link stands in their way.
    if (const QString problem = TryWrite(folder); !problem.isEmpty()) {
        records->SetProblem(problem + kNotKept);
        if (QFileInfo(file).isFile() && !IsNoPlainFile(file))
            (void)records->Attach(file, true);
        return records;
    }

    // Nothing that is not a plain file is opened in the database's place
    // or its journal's: a link is renamed, never followed.
    QString told;
    for (const QString& path : QStringList{file, file + kCompanions[0], file + kCompanions[1], file + kCompanions[2]}) {
        if (!IsNoPlainFile(path))
            continue;
        const auto aside = PutAside(QFileInfo(path).absolutePath(), path, now);
        if (!aside) {
            records->SetProblem(QStringLiteral("你的成绩记录“%1”不是普通文件，也无法改名保存。").arg(Shown(path))
                                + kNotKept);
            return records;
        }
        told += QStringLiteral("你的成绩记录“%1”不是普通文件（例如是一个符号链接），游戏不经由链接读写文件，"
                               "已改名为“%2”。\n")
                    .arg(Shown(path), Shown(*aside));
    }

    if (records->Attach(file, false).isEmpty()) {
        if (!told.isEmpty())
            records->SetProblem(told + QStringLiteral("成绩从头记起。"));
        return records;
    }
    if (QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        const auto aside = PutDatabaseAside(file, now);
        if (!aside) {
            records->SetProblem(QStringLiteral("你的成绩记录“%1”无法读取或已损坏，也无法改名保存。").arg(shown)
                                + kNotKept);
            return records;
        }
        told += QStringLiteral("你的成绩记录 records.sqlite 无法读取或已损坏，已改名保存为“%1”。\n").arg(Shown(*aside));
        if (records->Attach(file, false).isEmpty()) {
            records->SetProblem(told + QStringLiteral("成绩从头记起。"));
            return records;
        }
    }
    records->SetProblem(told + QStringLiteral("无法打开成绩记录“%1”。").arg(shown) + kNotKept);
    return records;
}

} // namespace daz
