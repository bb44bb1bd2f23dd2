#include "LevelFiles.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "FileReplace.h"
#include "ProgramPaths.h"

namespace daz {
namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

QString CreateFolder(const QString& path)
{
    std::error_code error;
    const bool made = std::filesystem::create_directory(QFile::encodeName(path).toStdString(), error);
    if (error)
        return QStringLiteral("无法创建文件夹“%1”：%2").arg(Shown(path), QString::fromLocal8Bit(error.message()));
    if (!made)
        return QStringLiteral("无法创建文件夹“%1”：文件夹已经存在").arg(Shown(path));
    return {};
}

QString CopyFileReplacing(const QString& source, const QString& target)
{
    // A pipe or a device would never finish copying.
    if (const QFileInfo info(ResolveExisting(source)); info.exists() && !info.isFile())
        return QStringLiteral("无法读取文件“%1”：不是普通文件").arg(Shown(source));
    QFile in(ResolveExisting(source));
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("无法读取文件“%1”：%2").arg(Shown(source), in.errorString());
    const QByteArray content = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return QStringLiteral("无法读取文件“%1”：%2").arg(Shown(source), in.errorString());
    return ReplaceFileContent(target + QStringLiteral(".part"), target, content);
}

QString DeleteFile(const QString& path)
{
    QFile file(path);
    if (!file.remove())
        return QStringLiteral("无法删除文件“%1”：%2").arg(Shown(path), file.errorString());
    return {};
}

QString WriteEmptyFile(const QString& path)
{
    return ReplaceFileContent(path + QStringLiteral(".part"), path, QByteArray());
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
