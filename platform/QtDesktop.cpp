#include "QtDesktop.h"

#include <pwd.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
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

QtInstanceLock::QtInstanceLock(QString lockPath) : lock_(std::make_unique<QLockFile>(lockPath))
{
    lock_->setStaleLockTime(0); // only a dead owner makes a lock stale
}

QtInstanceLock::~QtInstanceLock() = default;

bool QtInstanceLock::TryAcquire()
{
    if (lock_->isLocked())
        return true;

    // Copies of the program make their lock a plain file that their user
    // may read and write. Anything else in its place was made by none of
    // them and locks nothing; it is not even read (a pipe never answers).
    const QString path = lock_->fileName();
    const QFileInfo found(path);
    const bool foreign = (found.exists() || found.isSymLink())
                         && (!found.isFile() || found.isSymLink() || !found.isReadable() || !found.isWritable());
    if (!foreign) {
        if (lock_->tryLock(0))
            return true;
        // A lock that names its owner was judged by tryLock, which takes
        // over the lock of a dead owner: the owner runs.
        if (lock_->error() != QLockFile::LockFailedError || lock_->getLockInfo(nullptr, nullptr, nullptr))
            return false;
        // Empty or garbled: the copy that made it was killed before it
        // wrote its number, or a starting copy is writing it this moment
        // and is done in a moment.
        QThread::msleep(kSettleTime);
        if (lock_->tryLock(0))
            return true;
        if (lock_->error() != QLockFile::LockFailedError || lock_->getLockInfo(nullptr, nullptr, nullptr))
            return false;
    }

    // Two copies must not take over the same lock at once: the one that
    // removes the old lock holds this until its own lock is in place.
    QLockFile takeover(path + QStringLiteral(".rmlock"));
    if (!takeover.tryLock(0))
        return false;
    if (foreign) {
        // A link is removed, never followed.
        if (!QFile::remove(path) && !QDir().rmdir(path))
            return false;
    } else if (!lock_->removeStaleLockFile()) {
        // A copy holds the file's system lock from the moment it creates
        // the file; removal fails while it does.
        return false;
    }
    return lock_->tryLock(0);
}

QString QtInstanceLock::PathFor(const QString& playerFolder)
{
    // Beside the files it guards, so that no setting of the environment
    // (TMPDIR, another runtime folder) lets two copies play them at once.
    // A folder that cannot be written falls back to the runtime folder,
    // keyed by the folder's path.
    const QFileInfo folder(playerFolder);
    if (folder.isDir() && folder.isWritable())
        return QDir(playerFolder).filePath(QStringLiteral("jilan-llk.lock"));
    const QByteArray key = QCryptographicHash::hash(playerFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    QString place = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (place.isEmpty())
        place = QDir::tempPath();
    return QDir(place).filePath(QStringLiteral("jilan-llk-%1-%2.lock").arg(getuid()).arg(QString::fromLatin1(key)));
}

} // namespace daz::platform
