#include "FileError.h"

#include <cerrno>
#include <cstring>

#include <locale.h>

#include <QFileDevice>

namespace daz {
namespace {

// Beyond the highest error number Linux has (EHWPOISON, 133).
constexpr int kLastErrorNumber = 160;

// The system's text for an error in English, as Qt gives it whatever the
// locale; Qt writes a few of them itself, in the same words.
QString EnglishText(int error)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c ? QString::fromLocal8Bit(strerror_l(error, c)) : QString();
}

} // namespace

FileError FileError::While(Doing what, const QString& file) const
{
    FileError told = *this;
    told.doing = what;
    told.path = file;
    return told;
}

FileError FileError::OfDevice(const QFileDevice& file)
{
    // The device keeps only the text, made from the system's error number
    // in the system's language or in English.
    const QString reason = file.errorString().trimmed();
    for (int error = 1; error < kLastErrorNumber; ++error) {
        if (reason == EnglishText(error) || reason == QString::fromLocal8Bit(std::strerror(error))) {
            return OfSystem(error);
        }
    }
    return OfText(reason);
}

} // namespace daz
