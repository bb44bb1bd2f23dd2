#pragma once

#include "Dialogs.h"

class QWidget;

namespace daz::platform {

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<QString> OpenFile(const QString& description, const QStringList& patterns,
                                    const QString& startFolder) override;
    std::optional<std::int32_t> ChooseColour(std::int32_t initial) override;

private:
    QWidget* parent_;
};

} // namespace daz::platform
