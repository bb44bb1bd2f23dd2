#pragma once

#include <QCoreApplication>
#include <QString>

namespace daz::platform {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo, AbortRetryIgnore };
enum class MessageAnswer { Ok, Yes, No, Abort, Retry, Ignore };

struct MessageRequest {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The button chosen by Enter; ignored for a single OK button.
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    // The text can be selected and copied: it holds an address to copy.
    bool selectable = false;
};

// Modal message boxes. Every message the program shows goes through here,
// so tests can read what was shown and answer it.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer Show(const MessageRequest& request) = 0;
};

// The application's title, the caption of some boxes.
inline QString ApplicationTitle()
{
    return QCoreApplication::translate("daz::platform::MessageBoxes", "霁岚连连看");
}

// The program's boxes, by what they are for.
inline void Tell(MessageBoxes& boxes, const QString& text,
                 const QString& caption = QCoreApplication::translate("daz::platform::MessageBoxes", "提示"))
{
    boxes.Show({text, caption, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}
inline void Warn(MessageBoxes& boxes, const QString& text,
                 const QString& caption = QCoreApplication::translate("daz::platform::MessageBoxes", "警告"))
{
    boxes.Show({text, caption, MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
}
inline void Fail(MessageBoxes& boxes, const QString& text,
                 const QString& caption = QCoreApplication::translate("daz::platform::MessageBoxes", "错误"))
{
    boxes.Show({text, caption, MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
}
// A yes/no question; No is the default answer.
inline bool Ask(MessageBoxes& boxes, const QString& text, const QString& caption)
{
    return boxes.Show({text, caption, MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No})
           == MessageAnswer::Yes;
}

} // namespace daz::platform
