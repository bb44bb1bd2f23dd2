#include "FileReplace.h"

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace daz {
namespace {

std::filesystem::path FsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString Reason(const std::error_code& error) { return QString::fromLocal8Bit(error.message()); }

QString ErrorText(const QString& what, const QString& path, const QString& reason)
{
    return QStringLiteral("%1“%2”：%3").arg(what, QDir::toNativeSeparators(path), reason);
}

// Writes the content to path and waits until it is on the disk.
QString WriteSynced(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return ErrorText(QStringLiteral("无法创建临时文件"), path, file.errorString());
    if (file.write(content) != content.size() || !file.flush())
        return ErrorText(QStringLiteral("无法写入临时文件"), path, file.errorString());
    if (::fsync(file.handle()) != 0)
        return ErrorText(QStringLiteral("无法写入临时文件"), path,
                         Reason(std::error_code(errno, std::generic_category())));
    file.close();
    return {};
}

// Makes a rename in the folder durable as well. Best effort: the new
// content is already safe on the disk, only its name might be lost.
void SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

enum class Outcome { Done, OtherFileSystem };

Outcome WriteAndRename(const QString& tempPath, const QString& target, const QByteArray& content,
                       QString& error)
{
    error = WriteSynced(tempPath, content);
    if (error.isEmpty()) {
        if (QFileInfo::exists(target))
            QFile::setPermissions(tempPath, QFile::permissions(target));
        // QFile::rename refuses to replace an existing file; rename(2)
        // replaces it in one step.
        std::error_code renameError;
        std::filesystem::rename(FsPath(tempPath), FsPath(target), renameError);
        if (!renameError) {
            SyncFolder(QFileInfo(target).absolutePath());
            return Outcome::Done;
        }
        error = ErrorText(QStringLiteral("无法替换文件"), target, Reason(renameError));
        if (renameError == std::errc::cross_device_link) {
            QFile::remove(tempPath);
            return Outcome::OtherFileSystem;
        }
    }
    QFile::remove(tempPath);
    return Outcome::Done;
}

} // namespace

QString ReplaceFileContent(const QString& tempPath, const QString& target, const QByteArray& content)
{
    const QFileInfo info(target);
    const QString realTarget = info.isSymLink() && info.exists() ? info.canonicalFilePath() : target;

    QString error;
    if (WriteAndRename(tempPath, realTarget, content, error) == Outcome::OtherFileSystem)
        WriteAndRename(realTarget + QStringLiteral(".tmp"), realTarget, content, error);
    return error;
}

} // namespace daz
