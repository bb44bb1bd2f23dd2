#include "QtDesktop.h"

#include <pwd.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

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
    return lock_->isLocked() || lock_->tryLock(0);
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
