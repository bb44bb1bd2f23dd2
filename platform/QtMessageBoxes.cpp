#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace daz::platform {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQt(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Abort: return QMessageBox::Abort;
    case MessageAnswer::Retry: return QMessageBox::Retry;
    case MessageAnswer::Ignore: return QMessageBox::Ignore;
    }
    return QMessageBox::NoButton;
}

MessageAnswer FromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Abort: return MessageAnswer::Abort;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    case QMessageBox::Ignore: return MessageAnswer::Ignore;
    default: return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer QtMessageBoxes::Show(const MessageRequest& request)
{
    QMessageBox box(ToQt(request.icon), request.caption, request.text, QMessageBox::NoButton, parent_);
    if (request.selectable) {
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    switch (request.buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(ToQt(request.defaultAnswer));
        break;
    case MessageButtons::AbortRetryIgnore:
        box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        box.setDefaultButton(ToQt(request.defaultAnswer));
        // Closing the box with Escape or its close button counts as Abort,
        // the only answer that lets the caller go on.
        box.setEscapeButton(QMessageBox::Abort);
        break;
    }
    return FromQt(box.exec());
}

} // namespace daz::platform
