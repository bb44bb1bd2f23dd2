#pragma once

#include "MessageBoxes.h"

class QWidget;

namespace daz::platform {

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer Show(const MessageRequest& request) override;
    // The window the boxes are modal to; none by default.
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QWidget* parent_ = nullptr;
};

} // namespace daz::platform
