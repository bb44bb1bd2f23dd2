#pragma once

#include <functional>
#include <memory>

#include "Desktop.h"

class QLockFile;

namespace daz::platform {

class QtDesktop final : public Desktop {
public:
    bool Open(const QUrl& url) override;
    QString LoginName() const override;
};

// A lock file held while the program runs. A copy that was killed leaves
// its lock behind; the lock names the dead process, so it is taken over.
// A lock that names no process (empty, because its copy was killed while
// taking it; garbled; or not a file this user could have made) is taken
// over too, unless it is still being written. A folder with something in
// it is renamed aside, not deleted. A lock that cannot be written (a full
// disk) is unavailable, not held by another copy.
class QtInstanceLock final : public InstanceLock {
public:
    // How long a lock that names nobody is given to be written.
    static constexpr int kSettleTime = 200; // ms

    explicit QtInstanceLock(QString lockPath);
    // The wait for a lock that names nobody yet; a test puts the other
    // copy's work there instead of a pause.
    void SetSettleWait(std::function<void()> wait) { settle_ = std::move(wait); }
    ~QtInstanceLock() override;
    LockResult TryAcquire() override;

    // Where the lock of the program playing the player's folder lives.
    static QString PathFor(const QString& playerFolder);

private:
    std::unique_ptr<QLockFile> lock_;
    std::function<void()> settle_;
};

} // namespace daz::platform
