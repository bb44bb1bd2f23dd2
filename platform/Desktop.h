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

// What came of asking for the lock.
struct LockResult {
    enum class Outcome {
        Acquired, // this is the only copy; the lock is held until destruction
        Running,  // another running copy holds it
        // It could not be taken (a full disk, a folder that cannot be
        // written) and no running copy holds it: this copy may play, but
        // must not save, for another could take the lock later.
        Unavailable,
    };
    Outcome outcome = Outcome::Acquired;
    QString path;  // the lock file
    int error = 0; // Unavailable: the system's error number, 0 when unknown
};

// Refuses a second running copy of the program.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    virtual LockResult TryAcquire() = 0;
};

} // namespace daz::platform
