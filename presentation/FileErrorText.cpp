#include "FileErrorText.h"

#include <array>
#include <cerrno>
#include <cstring>

#include <QCoreApplication>
#include <QDir>

namespace daz {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(FileErrorText)

public:
    static QString Reason(const FileError& error);
    static QString Doing(FileError::Doing doing);
};

struct Meaning {
    int error;
    const char* text;
};

constexpr std::array kMeanings{
    Meaning{EACCES, QT_TRANSLATE_NOOP("FileErrorText", "没有权限")},
    Meaning{EPERM, QT_TRANSLATE_NOOP("FileErrorText", "没有权限")},
    Meaning{ENOSPC, QT_TRANSLATE_NOOP("FileErrorText", "磁盘空间不足")},
    Meaning{EDQUOT, QT_TRANSLATE_NOOP("FileErrorText", "超出了磁盘配额")},
    Meaning{ENOENT, QT_TRANSLATE_NOOP("FileErrorText", "文件或文件夹不存在")},
    Meaning{EROFS, QT_TRANSLATE_NOOP("FileErrorText", "文件系统是只读的")},
    Meaning{EFBIG, QT_TRANSLATE_NOOP("FileErrorText", "文件太大")},
    Meaning{EEXIST, QT_TRANSLATE_NOOP("FileErrorText", "文件已经存在")},
    Meaning{ENOTDIR, QT_TRANSLATE_NOOP("FileErrorText", "路径中的某一项不是文件夹")},
    Meaning{EISDIR, QT_TRANSLATE_NOOP("FileErrorText", "这是一个文件夹")},
    Meaning{ENOTEMPTY, QT_TRANSLATE_NOOP("FileErrorText", "文件夹不是空的")},
    Meaning{ENAMETOOLONG, QT_TRANSLATE_NOOP("FileErrorText", "文件名太长")},
    Meaning{EMFILE, QT_TRANSLATE_NOOP("FileErrorText", "打开的文件太多")},
    Meaning{ENFILE, QT_TRANSLATE_NOOP("FileErrorText", "打开的文件太多")},
    Meaning{EBUSY, QT_TRANSLATE_NOOP("FileErrorText", "文件正在被使用")},
    Meaning{EIO, QT_TRANSLATE_NOOP("FileErrorText", "读写设备出错")},
    Meaning{ELOOP, QT_TRANSLATE_NOOP("FileErrorText", "符号链接的层数太多")},
};

QString Words::Reason(const FileError& error)
{
    using Cause = FileError::Cause;
    switch (error.cause) {
    case Cause::None: break;
    case Cause::System: return SystemErrorText(error.code);
    case Cause::Device: return error.detail;
    case Cause::NotRegular: return error.doing == FileError::Doing::Writing ? tr("它不是普通文件") : tr("不是普通文件");
    case Cause::TooLarge:
        if (error.sizeKb > 0) {
            return tr("文件太大（%1 KB，最多 %2 KB）").arg(error.sizeKb).arg(error.limitKb);
        }
        return tr("文件太大（最多 %1 KB）").arg(error.limitKb);
    case Cause::LeadsOut: return tr("它经由符号链接或“..”通向游戏文件夹以外的地方，游戏不读写那里的文件");
    case Cause::ThroughLink: return tr("它是一个符号链接，游戏不经由链接读写文件");
    case Cause::IsLink: return tr("它是一个符号链接，游戏不通过链接写入文件");
    case Cause::ReadOnly: return tr("文件是只读的");
    case Cause::FolderTaken: return tr("文件夹已经存在");
    }
    return {};
}

QString Words::Doing(FileError::Doing doing)
{
    using D = FileError::Doing;
    switch (doing) {
    case D::Nothing: break;
    case D::Reading: return tr("无法读取文件“%1”：%2");
    case D::Writing: return tr("无法写入文件“%1”：%2");
    case D::CreatingTemporary: return tr("无法创建临时文件以写入“%1”：%2");
    case D::Replacing: return tr("无法替换文件“%1”：%2");
    case D::CreatingFolder: return tr("无法创建文件夹“%1”：%2");
    case D::Deleting: return tr("无法删除文件“%1”：%2");
    }
    return {};
}

} // namespace

QString SystemErrorText(int error)
{
    for (const Meaning& meaning : kMeanings) {
        if (meaning.error == error) {
            return Words::tr(meaning.text);
        }
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

QString FileErrorText(const FileError& error)
{
    const QString reason = Words::Reason(error);
    if (error.doing == FileError::Doing::Nothing) {
        return reason;
    }
    return Words::Doing(error.doing).arg(QDir::toNativeSeparators(error.path), reason);
}

} // namespace daz
