#include "QtDesktop.h"

#include <pwd.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QLockFile>

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

QString QtInstanceLock::PathFor(const QString& programFolder)
{
    // One lock per user and program folder, in the temporary folder that
    // every session of the machine shares (the runtime folder may differ
    // between two starts).
    const QByteArray key = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QDir(QDir::tempPath()).filePath(QStringLiteral("DAZGame-%1-%2.lock").arg(getuid()).arg(QString::fromLatin1(key)));
}

} // namespace daz::platform
