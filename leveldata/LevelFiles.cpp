#include "LevelFiles.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "ErrorTexts.h"
#include "FileReplace.h"
#include "ProgramPaths.h"

namespace daz {
namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

// The names of folders being built: hidden, and with a "=", which no level
// name may hold, so they never pass for a level.
const QString kUnfinishedPrefix = QStringLiteral(".building=");

} // namespace

QString CopyFileReplacing(const QString& source, const QString& target)
{
    // A pipe or a device would never finish copying.
    if (const QFileInfo info(ResolveExisting(source)); info.exists() && !info.isFile())
        return QStringLiteral("无法读取文件“%1”：不是普通文件").arg(Shown(source));
    QFile in(ResolveExisting(source));
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("无法读取文件“%1”：%2").arg(Shown(source), FileErrorText(in));
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return QStringLiteral("无法读取文件“%1”：%2").arg(Shown(source), FileErrorText(in));
    return ReplaceFileContent(target, content);
}

QString MakeUnfinishedFolder(const QString& folder, QString& path)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const QString parent = QFileInfo(QDir::cleanPath(folder)).absolutePath();
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        QString name = kUnfinishedPrefix;
        for (int i = 0; i < 8; ++i)
            name += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
        path = InFolder(parent, name);
        // A folder of its own, made new: never one that was there.
        if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
            return {};
        error = errno;
    }
    path.clear();
    return QStringLiteral("无法创建文件夹“%1”：%2").arg(Shown(folder), SystemErrorText(error));
}

QString MoveFolderIntoPlace(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    QString target = to;
    while (target.endsWith(u'/'))
        target.chop(1);
    const QByteArray destination = QFile::encodeName(target);
    // In one step, and never over anything that is there already.
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, destination.constData(), RENAME_NOREPLACE) == 0)
        return {};
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        // A file system without that kind of rename.
        struct stat there {};
        if (::lstat(destination.constData(), &there) == 0)
            error = EEXIST;
        else if (::rename(source.constData(), destination.constData()) == 0)
            return {};
        else
            error = errno;
    }
    if (error == EEXIST || error == ENOTEMPTY)
        return QStringLiteral("无法创建文件夹“%1”：文件夹已经存在").arg(Shown(to));
    return QStringLiteral("无法创建文件夹“%1”：%2").arg(Shown(to), SystemErrorText(error));
}

void RemoveUnfinishedFolders(const QString& parent)
{
    const QDir folder(parent);
    for (const QString& name : folder.entryList({kUnfinishedPrefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks))
        QDir(folder.filePath(name)).removeRecursively();
}

QString DeleteFile(const QString& path)
{
    QFile file(path);
    if (!file.remove())
        return QStringLiteral("无法删除文件“%1”：%2").arg(Shown(path), FileErrorText(file));
    return {};
}

QString WriteEmptyFile(const QString& path)
{
    return ReplaceFileContent(path, QByteArray());
}

bool FolderHoldsFiles(const QString& folder)
{
    return !QDir(folder).entryList(QDir::Files).isEmpty();
}

QString InFolder(const QString& folder, const QString& name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

} // namespace daz
