#include "FileReplace.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "ErrorTexts.h"

namespace daz {
namespace {

QString ErrorText(const QString& what, const QString& path, const QString& reason)
{
    return QStringLiteral("%1“%2”：%3").arg(what, QDir::toNativeSeparators(path), reason);
}

// Beyond the file-size limit a write would otherwise end the program with
// SIGXFSZ; ignored, the write fails with "file too large", which is told.
void IgnoreFileSizeSignal()
{
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

// The reason the target may not be replaced, or empty text.
QString Refusal(const QString& target)
{
    const QFileInfo info(target);
    if (info.isSymLink())
        return ErrorText(QStringLiteral("无法写入文件"), target, QStringLiteral("它是一个符号链接，游戏不通过链接写入文件"));
    if (!info.exists())
        return {};
    if (!info.isFile())
        return ErrorText(QStringLiteral("无法写入文件"), target, QStringLiteral("它不是普通文件"));
    // The superuser may write anything; a file nobody may write is still
    // meant to stay as it is.
    const QFile::Permissions anyoneWrites = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (!info.isWritable() || !(info.permissions() & anyoneWrites))
        return ErrorText(QStringLiteral("无法写入文件"), target, QStringLiteral("文件是只读的"));
    return {};
}

// Writes all of the content to the descriptor; 0 or the system's error.
int WriteAll(int fd, const QByteArray& content)
{
    const char* data = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Makes the rename in the folder durable as well. Best effort: the new
// content is already safe on the disk, only its name might be lost.
void SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Removes what killed writes of the target left beside it.
void RemoveLeftovers(const QString& target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    const QString name = info.fileName();
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (IsLeftoverOfWrite(entry, name))
            QFile::remove(folder.filePath(entry));
    }
}

} // namespace

bool IsLeftoverOfWrite(const QString& fileName, const QString& target)
{
    // QSaveFile's temporary names: the target's name, ".", six random
    // letters. A name a person gives a copy ("DAZGame.ini.backup",
    // ".Backup", ".BACKUP") is one case, or a capital and the rest small:
    // those are never taken for leftovers.
    const QString name = QFileInfo(target).fileName();
    if (fileName.size() != name.size() + 7 || !fileName.startsWith(name) || fileName[name.size()] != u'.')
        return false;
    int upper = 0;
    int lower = 0;
    for (qsizetype i = name.size() + 1; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        if (c >= u'a' && c <= u'z')
            ++lower;
        else if (c >= u'A' && c <= u'Z')
            ++upper;
        else
            return false;
    }
    const bool capitalised = upper == 1 && fileName[name.size() + 1].isUpper();
    return upper > 0 && lower > 0 && !capitalised;
}

QString ReplaceFileContent(const QString& target, const QByteArray& content)
{
    if (QString refusal = Refusal(target); !refusal.isEmpty())
        return refusal;
    IgnoreFileSizeSignal();

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return ErrorText(QStringLiteral("无法创建临时文件以写入"), target, FileErrorText(file));
    // Written past QFileDevice's buffer, which loses the reason of a short
    // write ("Unknown error").
    if (const int error = WriteAll(file.handle(), content); error != 0) {
        file.cancelWriting();
        return ErrorText(QStringLiteral("无法写入文件"), target, SystemErrorText(error));
    }
    if (!file.commit())
        return ErrorText(QStringLiteral("无法替换文件"), target, FileErrorText(file));
    SyncFolder(QFileInfo(target).absolutePath());
    RemoveLeftovers(target);
    return {};
}

} // namespace daz
