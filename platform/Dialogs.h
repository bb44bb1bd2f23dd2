#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringList>

namespace daz::platform {

// The common dialogs of the level tools.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A file-open dialog; description and patterns make its one filter
    // ("图片文件", {"*.bmp", "*.jpg"}). Nothing when cancelled.
    virtual std::optional<QString> OpenFile(const QString& description, const QStringList& patterns,
                                            const QString& startFolder) = 0;
    // A colour dialog starting at a colour &H00BBGGRR. Nothing when cancelled.
    virtual std::optional<std::int32_t> ChooseColour(std::int32_t initial) = 0;
};

} // namespace daz::platform
