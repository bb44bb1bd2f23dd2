#pragma once

#include <QList>

#include "platform/Desktop.h"
#include "platform/DesktopWishes.h"

namespace daz::testing {

class FakeDesktop final : public platform::Desktop {
public:
    bool Open(const QUrl& url) override
    {
        opened.append(url);
        return launches;
    }
    QString LoginName() const override { return loginName; }

    QList<QUrl> opened;
    bool launches = true; // false: no program takes what is handed over
    QString loginName = QStringLiteral("player");
};

class FakeInstanceLock final : public platform::InstanceLock {
public:
    platform::LockResult TryAcquire() override { return result; }
    platform::LockResult result;
};

// The desktop's wishes as a test sets them; changed() as the portal's
// would be.
class FakeDesktopWishes final : public platform::DesktopWishes {
public:
    using DesktopWishes::Take;
};

} // namespace daz::testing
