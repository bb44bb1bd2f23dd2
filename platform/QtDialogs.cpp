#include "QtDialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace daz::platform {

std::optional<QString> QtDialogs::OpenFile(const QString& description, const QStringList& patterns,
                                           const QString& startFolder)
{
    const QString filter = description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    const QString file = QFileDialog::getOpenFileName(parent_, QString(), startFolder, filter);
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return file;
}

std::optional<std::int32_t> QtDialogs::ChooseColour(std::int32_t initial)
{
    // Colours are stored red in the low byte: &H00BBGGRR.
    const auto bgr = static_cast<std::uint32_t>(initial);
    const QColor start(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                       static_cast<int>((bgr >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, parent_);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(chosen.red())
                                     | (static_cast<std::uint32_t>(chosen.green()) << 8)
                                     | (static_cast<std::uint32_t>(chosen.blue()) << 16));
}

} // namespace daz::platform
