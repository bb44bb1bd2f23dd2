#include "LevelFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "ConfinedFiles.h"
#include "FileReplace.h"
#include "ProgramPaths.h"

namespace daz {
namespace {

using Doing = FileError::Doing;

// The names of folders being built: hidden, and with a "=", which no level
// name may hold, so they never pass for a level.
const QString kUnfinishedPrefix = QStringLiteral(".building=");

// How many set-aside copies of a file are kept, the newest.
constexpr int kKeptAside = 3;

// Removes the set-aside copies of the file of this name in the folder but
// the newest few, by when they were renamed (the one just made, made,
// always stays), each with what SQLite kept beside it; never a link's
// target, never a folder that holds anything.
void RemoveOlderAside(const FileHandle& folder, const QString& name, const QString& made)
{
    static const QRegularExpression stamp(QStringLiteral("^\\d{8}-\\d{6}(-\\d+)?$"));
    const QString prefix = name + QStringLiteral(".damaged-");
    std::vector<std::tuple<bool, std::int64_t, QString>> copies; // the one made, when renamed, name
    const QDir listing(QStringLiteral("/proc/self/fd/%1").arg(folder.Get()));
    for (const QString& entry :
         listing.entryList({prefix + u'*'}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat there {};
        if (!stamp.match(entry.mid(prefix.size())).hasMatch()
            || ::fstatat(folder.Get(), QFile::encodeName(entry).constData(), &there, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        copies.emplace_back(entry == made, std::int64_t(there.st_ctim.tv_sec) * 1'000'000'000 + there.st_ctim.tv_nsec,
                            entry);
    }
    std::sort(copies.begin(), copies.end(), std::greater<>());
    for (std::size_t i = kKeptAside; i < copies.size(); ++i) {
        const QString& old = std::get<2>(copies[i]);
        for (const QString& companion :
             {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
            const QByteArray path = QFile::encodeName(old + companion);
            if (::unlinkat(folder.Get(), path.constData(), 0) != 0 && (errno == EISDIR || errno == EPERM)) {
                ::unlinkat(folder.Get(), path.constData(), AT_REMOVEDIR);
            }
        }
    }
}

} // namespace

FileError CopyFileReplacing(const QString& sourceRoot, const QString& source, const QString& root,
                            const QString& target)
{
    const QString path = ResolveExisting(source);
    FileError reason;
    const auto content = sourceRoot.isEmpty() ? ReadPickedFile(path, kMediaFileBudget, reason)
                                              : ReadFileBelow(sourceRoot, path, kMediaFileBudget, reason);
    if (!content) {
        return reason.While(Doing::Reading, source);
    }
    return ReplaceFileContent(root, target, *content);
}

FileError MakeFolders(const QString& root, const QString& folder)
{
    const QString target = QDir::cleanPath(folder);
    FileError reason;
    FileHandle current = OpenFolderBelow(root, root, reason);
    if (current && !IsBelow(root, target)) {
        reason = ConfinementError(EXDEV);
    }
    if (!reason.Failed()) {
        // One step at a time from the folder's descriptor, never through a
        // link: a folder made is made where it was opened.
        for (const QString& part : QDir(root).relativeFilePath(target).split(u'/', Qt::SkipEmptyParts)) {
            if (part == QStringLiteral(".")) {
                continue;
            }
            const QByteArray name = QFile::encodeName(part);
            if (::mkdirat(current.Get(), name.constData(), 0777) != 0 && errno != EEXIST) {
                reason = FileError::OfSystem(errno);
                break;
            }
            FileHandle next(::openat(current.Get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (!next) {
                reason = ConfinementError(errno);
                break;
            }
            current = std::move(next);
        }
    }
    return reason.Failed() ? reason.While(Doing::CreatingFolder, folder) : FileError();
}

FileError MakeUnfinishedFolder(const QString& root, const QString& folder, QString& path)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const QString parent = QFileInfo(QDir::cleanPath(folder)).absolutePath();
    FileError reason;
    const FileHandle where = OpenFolderBelow(root, parent, reason);
    if (!where) {
        return reason.While(Doing::CreatingFolder, folder);
    }
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        QString name = kUnfinishedPrefix;
        for (int i = 0; i < 8; ++i) {
            name += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
        }
        path = InFolder(parent, name);
        // A folder of its own, made new: never one that was there.
        if (::mkdirat(where.Get(), QFile::encodeName(name).constData(), 0777) == 0) {
            return {};
        }
        error = errno;
    }
    path.clear();
    return FileError::OfSystem(error).While(Doing::CreatingFolder, folder);
}

FileError MoveFolderIntoPlace(const QString& root, const QString& from, const QString& to)
{
    QString target = to;
    while (target.endsWith(u'/')) {
        target.chop(1);
    }
    const QFileInfo source(from);
    const QFileInfo destination(target);
    FileError reason;
    const FileHandle sourceFolder = OpenFolderBelow(root, source.absolutePath(), reason);
    const FileHandle targetFolder = sourceFolder ? OpenFolderBelow(root, destination.absolutePath(), reason)
                                                 : FileHandle();
    if (!targetFolder) {
        return reason.While(Doing::CreatingFolder, to);
    }
    const QByteArray sourceName = QFile::encodeName(source.fileName());
    const QByteArray targetName = QFile::encodeName(destination.fileName());
    // In one step, and never over anything that is there already.
    if (::renameat2(sourceFolder.Get(), sourceName.constData(), targetFolder.Get(), targetName.constData(),
                    RENAME_NOREPLACE)
        == 0) {
        return {};
    }
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        // A file system without that kind of rename.
        struct stat there {};
        if (::fstatat(targetFolder.Get(), targetName.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0) {
            error = EEXIST;
        } else if (::renameat(sourceFolder.Get(), sourceName.constData(), targetFolder.Get(), targetName.constData())
                   == 0) {
            return {};
        } else {
            error = errno;
        }
    }
    if (error == EEXIST || error == ENOTEMPTY) {
        return FileError::Of(FileError::Cause::FolderTaken).While(Doing::CreatingFolder, to);
    }
    return FileError::OfSystem(error).While(Doing::CreatingFolder, to);
}

void RemoveUnfinishedFolders(const QString& root, const QString& parent)
{
    FileError reason;
    const FileHandle where = OpenFolderBelow(root, parent, reason);
    if (!where) {
        return;
    }
    // Through the descriptor of the folder that was opened, whatever its
    // path leads to by now.
    const QDir folder(QStringLiteral("/proc/self/fd/%1").arg(where.Get()));
    for (const QString& name :
         folder.entryList({kUnfinishedPrefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks)) {
        QDir(folder.filePath(name)).removeRecursively();
    }
}

std::optional<QString> PutAside(const QString& root, const QString& file, const QDateTime& now)
{
    const QFileInfo info(file);
    FileError error;
    const FileHandle folder = OpenFolderBelow(root, info.path(), error);
    if (!folder) {
        return std::nullopt;
    }
    const QByteArray from = QFile::encodeName(info.fileName());
    const QString base = info.fileName() + QStringLiteral(".damaged-")
                         + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int n = 2; n < 100; ++n) {
        const QByteArray to = QFile::encodeName(aside);
        int done = ::renameat2(folder.Get(), from.constData(), folder.Get(), to.constData(), RENAME_NOREPLACE);
        if (done != 0 && errno == EINVAL) {
            // A file system that cannot refuse to replace: look first.
            struct stat taken {};
            if (::fstatat(folder.Get(), to.constData(), &taken, AT_SYMLINK_NOFOLLOW) == 0) {
                errno = EEXIST;
            } else {
                done = ::renameat(folder.Get(), from.constData(), folder.Get(), to.constData());
            }
        }
        if (done == 0) {
            RemoveOlderAside(folder, info.fileName(), aside);
            return QDir(info.path()).filePath(aside);
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
        aside = base + QStringLiteral("-%1").arg(n);
    }
    return std::nullopt;
}

FileError DeleteFile(const QString& root, const QString& path)
{
    const QFileInfo info(path);
    FileError reason;
    const FileHandle folder = OpenFolderBelow(root, info.absolutePath(), reason);
    if (folder && ::unlinkat(folder.Get(), QFile::encodeName(info.fileName()).constData(), 0) != 0) {
        reason = FileError::OfSystem(errno);
    }
    return reason.Failed() ? reason.While(Doing::Deleting, path) : FileError();
}

FileError WriteEmptyFile(const QString& root, const QString& path)
{
    return ReplaceFileContent(root, path, QByteArray());
}

bool FolderHoldsFiles(const QString& folder)
{
    return !QDir(folder).entryList(QDir::Files).isEmpty();
}

QString InFolder(const QString& folder, const QString& name)
{
    if (folder.endsWith(u'/')) {
        return folder + name;
    }
    return folder + u'/' + name;
}

} // namespace daz
