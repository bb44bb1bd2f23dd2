#include "ConfinedFiles.h"

#include <cerrno>

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <QStringList>

#include "FileError.h"

namespace daz {
namespace {

int OpenRoot(const QString& root)
{
    // The folder itself is where the player or the installer put it, and
    // may be reached through links of their own making.
    return ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// path relative to root, or nothing when path is not below root by name.
std::optional<QString> Relative(const QString& root, const QString& path)
{
    QString base = root;
    while (base.size() > 1 && base.endsWith(u'/')) {
        base.chop(1);
    }
    if (path == base || path == base + u'/') {
        return QStringLiteral(".");
    }
    const QString prefix = base.endsWith(u'/') ? base : base + u'/';
    if (!path.startsWith(prefix)) {
        return std::nullopt;
    }
    QString rest = path.mid(prefix.size());
    while (rest.endsWith(u'/')) {
        rest.chop(1);
    }
    return rest.isEmpty() ? QStringLiteral(".") : rest;
}

// Opens relative below the folder descriptor: by the kernel's rules where
// it has them, else one component at a time without following any link.
int OpenBeneath(int folder, const QString& relative, int flags)
{
    const QByteArray name = QFile::encodeName(relative);
    open_how how{};
    how.flags = static_cast<__u64>(flags | O_CLOEXEC);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    const long fd = ::syscall(SYS_openat2, folder, name.constData(), &how, sizeof how);
    if (fd >= 0 || errno != ENOSYS) {
        return static_cast<int>(fd);
    }

    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    int current = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    for (qsizetype i = 0; current >= 0 && i < parts.size(); ++i) {
        if (parts[i] == QStringLiteral("..")) {
            ::close(current);
            errno = EXDEV;
            return -1;
        }
        const bool last = i + 1 == parts.size();
        const int next = ::openat(current, QFile::encodeName(parts[i]).constData(),
                                  (last ? flags : O_RDONLY | O_DIRECTORY) | O_NOFOLLOW | O_CLOEXEC);
        const int saved = errno;
        ::close(current);
        errno = saved;
        current = next;
    }
    return current;
}

// What a stat says of a file that is to be read whole: no error when it
// may be a regular file (or is not there), else why not.
FileError NotARegularFile(const struct stat& info)
{
    if (S_ISREG(info.st_mode)) {
        return {};
    }
    return S_ISDIR(info.st_mode) ? FileError::OfSystem(EISDIR) : FileError::Of(FileError::Cause::NotRegular);
}

FileHandle Open(const QString& root, const QString& path, int flags, FileError& error)
{
    const auto relative = Relative(root, path);
    if (!relative) {
        error = ConfinementError(EXDEV);
        return {};
    }
    const FileHandle folder(OpenRoot(root));
    if (!folder) {
        error = FileError::OfSystem(errno);
        return {};
    }
    // A pipe or a device is not even opened: opening one may wake whatever
    // waits at its other end. What is opened is judged again afterwards.
    if (struct stat info{};
        !(flags & O_DIRECTORY) && ::fstatat(folder.Get(), QFile::encodeName(*relative).constData(), &info, 0) == 0) {
        if (error = NotARegularFile(info); error.Failed()) {
            return {};
        }
    }
    FileHandle opened(OpenBeneath(folder.Get(), *relative, flags));
    if (!opened) {
        error = ConfinementError(errno);
    }
    return opened;
}

// Judges what was opened: a regular file within the budget.
bool Acceptable(const FileHandle& file, qint64 budget, FileError& error)
{
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) {
        error = FileError::OfSystem(errno);
        return false;
    }
    if (error = NotARegularFile(info); error.Failed()) {
        return false;
    }
    if (info.st_size > budget) {
        error = FileError::Of(FileError::Cause::TooLarge);
        error.sizeKb = (info.st_size + 1023) / 1024;
        error.limitKb = budget / 1024;
        return false;
    }
    // Read in the ordinary, blocking way from here on.
    ::fcntl(file.Get(), F_SETFL, ::fcntl(file.Get(), F_GETFL) & ~O_NONBLOCK);
    return true;
}

std::optional<QByteArray> ReadWhole(const FileHandle& file, qint64 budget, FileError& error)
{
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = FileError::OfSystem(errno);
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        // A file that grows while it is read stops at the budget too.
        if (bytes.size() + got > budget) {
            error = FileError::Of(FileError::Cause::TooLarge);
            error.limitKb = budget / 1024;
            return std::nullopt;
        }
        bytes.append(buffer, got);
    }
}

} // namespace

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.Release();
    }
    return *this;
}

FileHandle::~FileHandle()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int FileHandle::Release()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

bool IsBelow(const QString& root, const QString& path)
{
    return Relative(root, path).has_value();
}

FileError ConfinementError(int error)
{
    switch (error) {
    case EXDEV: return FileError::Of(FileError::Cause::LeadsOut);
    case ELOOP: return FileError::Of(FileError::Cause::ThroughLink);
    default: return FileError::OfSystem(error);
    }
}

FileHandle OpenFileBelow(const QString& root, const QString& path, qint64 budget, FileError& error)
{
    // Non-blocking, so that a pipe put in a file's place answers at once.
    FileHandle file = Open(root, path, O_RDONLY | O_NONBLOCK | O_NOCTTY, error);
    if (!file || !Acceptable(file, budget, error)) {
        return {};
    }
    return file;
}

std::optional<QByteArray> ReadFileBelow(const QString& root, const QString& path, qint64 budget, FileError& error)
{
    const FileHandle file = OpenFileBelow(root, path, budget, error);
    if (!file) {
        return std::nullopt;
    }
    return ReadWhole(file, budget, error);
}

std::optional<QByteArray> ReadPickedFile(const QString& path, qint64 budget, FileError& error)
{
    if (struct stat info{}; ::stat(QFile::encodeName(path).constData(), &info) == 0) {
        if (error = NotARegularFile(info); error.Failed()) {
            return std::nullopt;
        }
    }
    FileHandle file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file) {
        error = FileError::OfSystem(errno);
        return std::nullopt;
    }
    if (!Acceptable(file, budget, error)) {
        return std::nullopt;
    }
    return ReadWhole(file, budget, error);
}

QString HeldFiles::Hold(const QString& root, const QString& path, qint64 budget)
{
    auto found = held_.find(path);
    if (found == held_.end()) {
        FileError error;
        FileHandle file = OpenFileBelow(root, path, budget, error);
        if (!file) {
            return {};
        }
        found = held_.emplace(path, std::move(file)).first;
    }
    return QStringLiteral("/proc/self/fd/%1").arg(found->second.Get());
}

FileHandle OpenFolderBelow(const QString& root, const QString& folderPath, FileError& error)
{
    return Open(root, folderPath, O_RDONLY | O_DIRECTORY, error);
}

} // namespace daz
