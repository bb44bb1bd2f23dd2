#pragma once

#include <QString>
#include <QUrl>

namespace daz::platform {

// What the program takes from the desktop it runs on.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Hands a file, mail address or web page to the user's own programs;
    // false when nothing could take it.
    virtual bool Open(const QUrl& url) = 0;
    // The logged-in user's name as the system knows it.
    virtual QString LoginName() const = 0;
};

// Refuses a second running copy of the program.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this is the only copy; the lock is held until destruction.
    virtual bool TryAcquire() = 0;
};

} // namespace daz::platform
