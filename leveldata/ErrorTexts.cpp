#include "ErrorTexts.h"

#include <array>
#include <cerrno>
#include <cstring>

#include <locale.h>

#include <QFileDevice>

namespace daz {
namespace {

struct Meaning {
    int error;
    const char16_t* text;
};

constexpr std::array kMeanings{
    Meaning{EACCES, u"没有权限"},
    Meaning{EPERM, u"没有权限"},
    Meaning{ENOSPC, u"磁盘空间不足"},
    Meaning{EDQUOT, u"超出了磁盘配额"},
    Meaning{ENOENT, u"文件或文件夹不存在"},
    Meaning{EROFS, u"文件系统是只读的"},
    Meaning{EFBIG, u"文件太大"},
    Meaning{EEXIST, u"文件已经存在"},
    Meaning{ENOTDIR, u"路径中的某一项不是文件夹"},
    Meaning{EISDIR, u"这是一个文件夹"},
    Meaning{ENOTEMPTY, u"文件夹不是空的"},
    Meaning{ENAMETOOLONG, u"文件名太长"},
    Meaning{EMFILE, u"打开的文件太多"},
    Meaning{ENFILE, u"打开的文件太多"},
    Meaning{EBUSY, u"文件正在被使用"},
    Meaning{EIO, u"读写设备出错"},
    Meaning{ELOOP, u"符号链接的层数太多"},
};

const Meaning* MeaningOf(int error)
{
    for (const Meaning& meaning : kMeanings) {
        if (meaning.error == error) {
            return &meaning;
        }
    }
    return nullptr;
}

// The system's text for an error in English, as Qt gives it whatever the
// locale; Qt writes a few of them itself, in the same words.
QString EnglishText(int error)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c ? QString::fromLocal8Bit(strerror_l(error, c)) : QString();
}

} // namespace

QString SystemErrorText(int error)
{
    if (const Meaning* meaning = MeaningOf(error)) {
        return QString::fromUtf16(meaning->text);
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

QString FileErrorText(const QFileDevice& file)
{
    // The device keeps only the text, made from the system's error number
    // in the system's language or in English.
    const QString reason = file.errorString().trimmed();
    for (const Meaning& meaning : kMeanings) {
        if (reason == EnglishText(meaning.error) || reason == QString::fromLocal8Bit(std::strerror(meaning.error))) {
            return QString::fromUtf16(meaning.text);
        }
    }
    return reason;
}

} // namespace daz
