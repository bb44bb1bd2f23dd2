#pragma once

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
inline QString ApplicationTitle() { return QStringLiteral("霁岚连连看"); }

} // namespace daz::platform
