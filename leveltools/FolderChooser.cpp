#include "FolderChooser.h"

#include <filesystem>
#include <system_error>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace daz {
namespace {

// Empty text when the folder's entries can be listed, otherwise why not.
QString CannotList(const QString& folder)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(QFile::encodeName(folder).toStdString(), error);
    if (error) {
        return QString::fromLocal8Bit(error.message());
    }
    return {};
}

} // namespace

FolderChooser::FolderChooser(const QString& programFolder, const QString& startFolder, platform::MessageBoxes& boxes)
    : path(programFolder), boxes_(boxes), folder_(QDir::cleanPath(startFolder))
{
}

bool FolderChooser::OpenFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (const QString reason = CannotList(clean); !reason.isEmpty()) {
        platform::Warn(boxes_,
                       FolderChooser::tr("无法打开“%1”：%2\n请插入磁盘或选择其他目录。")
                           .arg(QDir::toNativeSeparators(clean), reason),
                       FolderChooser::tr("提示"));
        return false;
    }
    folder_ = clean;
    path = QDir::toNativeSeparators(clean);
    return true;
}

} // namespace daz
