#include "QtDesktop.h"

#include <pwd.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QDir>
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

QString QtInstanceLock::DefaultPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("DAZGame.lock"));
}

} // namespace daz::platform
