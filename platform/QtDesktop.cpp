#include "QtDesktop.h"

#include <errno.h>
#include <pwd.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

namespace daz::platform {

bool QtDesktop::Open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString QtDesktop::LoginName() const
{
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_name != nullptr) {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return qEnvironmentVariable("USER");
}

namespace {

// Why no file can be made and written beside the lock, as the lock is:
// QLockFile keeps no error number. 0 when the probe succeeds.
int WriteError(const QString& lockPath)
{
    QByteArray name = QFile::encodeName(lockPath + QStringLiteral(".probe-XXXXXX"));
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return errno;
    }
    unlink(name.constData()); // nothing is left behind, whatever happens next
    const QByteArray block(4096, '\n');
    int error = 0;
    for (qsizetype done = 0; done < block.size() && error == 0;) {
        const ssize_t written = write(fd, block.constData() + done, static_cast<size_t>(block.size() - done));
        if (written > 0) {
            done += written;
        } else if (written == 0 || errno != EINTR) {
            error = written == 0 ? EIO : errno;
        }
    }
    close(fd);
    return error;
}

enum class Owner { Nobody, Running, Dead };

// Whom a lock names. tryLock takes over the lock of a dead owner, but only
// when it can write its own: with the disk full a dead owner's lock stays.
// An owner on another machine, or one whose end cannot be told, runs.
Owner OwnerOf(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    if (!lock.getLockInfo(&pid, &host, nullptr)) {
        return Owner::Nobody;
    }
    const bool ended = pid > 0 && host == QSysInfo::machineHostName() && kill(static_cast<pid_t>(pid), 0) != 0
                       && errno == ESRCH;
    return ended ? Owner::Dead : Owner::Running;
}

// Removes what stands in the lock's place and is no lock, never following
// a link. A folder with anything in it may hold someone's files: it is
// renamed aside under a name that says when. 0 when done, else why not.
int ClearAway(const QString& path, const QFileInfo& found)
{
    const QByteArray native = QFile::encodeName(path);
    if (!found.isDir() || found.isSymLink()) {
        return unlink(native.constData()) == 0 ? 0 : errno;
    }
    if (rmdir(native.constData()) == 0) {
        return 0;
    }
    if (errno != ENOTEMPTY && errno != EEXIST) {
        return errno;
    }
    const QString base = path + QStringLiteral(".foreign-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n) {
        aside = base + QStringLiteral("-%1").arg(n);
    }
    return rename(native.constData(), QFile::encodeName(aside).constData()) == 0 ? 0 : errno;
}

} // namespace

QtInstanceLock::QtInstanceLock(QString lockPath) : lock_(std::make_unique<QLockFile>(lockPath))
{
    lock_->setStaleLockTime(0); // only a dead owner makes a lock stale
}

QtInstanceLock::~QtInstanceLock() = default;

LockResult QtInstanceLock::TryAcquire()
{
    const QString path = lock_->fileName();
    using Outcome = LockResult::Outcome;
    const LockResult acquired{Outcome::Acquired, path};
    const LockResult running{Outcome::Running, path};
    // A lock file that could not be made or written (QLockFile removes
    // one whose contents fail to fit) is no sign of a running copy.
    const auto unavailable = [&](int error) { return LockResult{Outcome::Unavailable, path, error}; };
    const auto failed = [&](const QLockFile& file) {
        return file.error() == QLockFile::LockFailedError ? running : unavailable(WriteError(path));
    };

    if (lock_->isLocked()) {
        return acquired;
    }

    // Copies of the program make their lock a plain file that their user
    // may read and write. Anything else in its place was made by none of
    // them and locks nothing; it is not even read (a pipe never answers).
    const QFileInfo found(path);
    const bool foreign = (found.exists() || found.isSymLink())
                         && (!found.isFile() || found.isSymLink() || !found.isReadable() || !found.isWritable());
    if (!foreign) {
        if (lock_->tryLock(0)) {
            return acquired;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            return failed(*lock_);
        }
        const Owner owner = OwnerOf(*lock_);
        if (owner == Owner::Running) {
            return running;
        }
        if (owner == Owner::Nobody) {
            // Empty or garbled: the copy that made it was killed before it
            // wrote its number, or a starting copy is writing it this
            // moment and is done in a moment.
            if (settle_) {
                settle_();
            } else {
                QThread::msleep(kSettleTime);
            }
            if (lock_->tryLock(0)) {
                return acquired;
            }
            if (lock_->error() != QLockFile::LockFailedError) {
                return failed(*lock_);
            }
            if (OwnerOf(*lock_) == Owner::Running) {
                return running;
            }
        }
    }

    // Two copies must not take over the same lock at once: the one that
    // removes the old lock holds this until its own lock is in place.
    QLockFile takeover(path + QStringLiteral(".rmlock"));
    if (!takeover.tryLock(0)) {
        return failed(takeover);
    }
    if (foreign) {
        if (const int error = ClearAway(path, found); error != 0) {
            return unavailable(error);
        }
    } else if (!lock_->removeStaleLockFile()) {
        // A copy holds the file's system lock from the moment it creates
        // the file; removal fails while it does.
        return running;
    }
    return lock_->tryLock(0) ? acquired : failed(*lock_);
}

QString QtInstanceLock::PathFor(const QString& playerFolder)
{
    // Beside the files it guards, so that no setting of the environment
    // (TMPDIR, another runtime folder) lets two copies play them at once.
    // A folder that cannot be written falls back to the runtime folder,
    // keyed by the folder's path.
    const QFileInfo folder(playerFolder);
    if (folder.isDir() && folder.isWritable()) {
        return QDir(playerFolder).filePath(QStringLiteral("jilan-llk.lock"));
    }
    const QByteArray key = QCryptographicHash::hash(playerFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    QString place = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (place.isEmpty()) {
        place = QDir::tempPath();
    }
    return QDir(place).filePath(QStringLiteral("jilan-llk-%1-%2.lock").arg(getuid()).arg(QString::fromLatin1(key)));
}

} // namespace daz::platform
