#include "FileReplace.h"

#include <cerrno>
#include <csignal>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include "ConfinedFiles.h"

namespace daz {
namespace {

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

// Why the file name in the folder may not be replaced, or no error. mode
// gets the permissions a replaced file keeps.
FileError Refusal(int folder, const QString& name, mode_t& mode)
{
    struct stat info {};
    if (::fstatat(folder, QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? FileError() : FileError::OfSystem(errno);
    }
    if (S_ISLNK(info.st_mode)) {
        return FileError::Of(FileError::Cause::IsLink);
    }
    if (!S_ISREG(info.st_mode)) {
        return FileError::Of(FileError::Cause::NotRegular);
    }
    // The superuser may write anything; a file nobody may write is still
    // meant to stay as it is.
    if (::faccessat(folder, QFile::encodeName(name).constData(), W_OK, AT_EACCESS) != 0 || (info.st_mode & 0222) == 0) {
        return FileError::Of(FileError::Cause::ReadOnly);
    }
    mode = info.st_mode & 07777;
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
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        data += written;
        left -= written;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// A new temporary file beside the target, made exclusively, under a name
// IsLeftoverOfWrite knows: the target's name, ".", six letters.
FileHandle CreateTemporary(int folder, const QString& name, mode_t mode, QString& temporary, int& error)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        do {
            temporary = name + u'.';
            for (int i = 0; i < 6; ++i) {
                temporary += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
            }
        } while (!IsLeftoverOfWrite(temporary, name));
        FileHandle file(::openat(folder, QFile::encodeName(temporary).constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode == 0 ? 0666 : mode));
        if (file) {
            // A replaced file keeps its permissions, whatever the umask.
            if (mode != 0) {
                ::fchmod(file.Get(), mode);
            }
            error = 0;
            return file;
        }
        error = errno;
    }
    return {};
}

// Removes what killed writes of the target left beside it.
void RemoveLeftovers(int folder, const QString& name)
{
    DIR* listing = ::fdopendir(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (listing == nullptr) {
        return;
    }
    QStringList leftovers;
    while (const dirent* entry = ::readdir(listing)) {
        const QString entryName = QFile::decodeName(entry->d_name);
        if (IsLeftoverOfWrite(entryName, name)) {
            leftovers << entryName;
        }
    }
    ::closedir(listing);
    for (const QString& leftover : leftovers) {
        ::unlinkat(folder, QFile::encodeName(leftover).constData(), 0);
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
    if (fileName.size() != name.size() + 7 || !fileName.startsWith(name) || fileName[name.size()] != u'.') {
        return false;
    }
    int upper = 0;
    int lower = 0;
    for (qsizetype i = name.size() + 1; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        if (c >= u'a' && c <= u'z') {
            ++lower;
        } else if (c >= u'A' && c <= u'Z') {
            ++upper;
        } else {
            return false;
        }
    }
    const bool capitalised = upper == 1 && fileName[name.size() + 1].isUpper();
    return upper > 0 && lower > 0 && !capitalised;
}

FileError ReplaceFileContent(const QString& root, const QString& target, const QByteArray& content)
{
    using Doing = FileError::Doing;
    const QFileInfo info(target);
    const QString name = info.fileName();
    FileError reason;
    const FileHandle folder = OpenFolderBelow(root, info.absolutePath(), reason);
    if (!folder) {
        return reason.While(Doing::Writing, target);
    }
    mode_t mode = 0;
    if (const FileError refusal = Refusal(folder.Get(), name, mode); refusal.Failed()) {
        return refusal.While(Doing::Writing, target);
    }
    IgnoreFileSizeSignal();

    QString temporary;
    int error = 0;
    const FileHandle file = CreateTemporary(folder.Get(), name, mode, temporary, error);
    if (!file) {
        return FileError::OfSystem(error).While(Doing::CreatingTemporary, target);
    }
    const QByteArray temporaryName = QFile::encodeName(temporary);
    if (error = WriteAll(file.Get(), content); error != 0) {
        ::unlinkat(folder.Get(), temporaryName.constData(), 0);
        return FileError::OfSystem(error).While(Doing::Writing, target);
    }
    if (::renameat(folder.Get(), temporaryName.constData(), folder.Get(), QFile::encodeName(name).constData()) != 0) {
        error = errno;
        ::unlinkat(folder.Get(), temporaryName.constData(), 0);
        return FileError::OfSystem(error).While(Doing::Replacing, target);
    }
    // The rename made durable as well. Best effort: the new content is
    // already safe on the disk, only its name might be lost.
    ::fsync(folder.Get());
    RemoveLeftovers(folder.Get(), name);
    return {};
}

} // namespace daz
