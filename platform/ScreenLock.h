#pragma once

#include <QDBusConnection>
#include <QObject>

namespace daz::platform {

// Tells when the desktop locks the screen or starts its screen saver:
// the ActiveChanged(true) signal that the freedesktop.org screen saver
// (KDE, Xfce, LXQt and others) and GNOME's send on the session bus. Where
// there is no session bus, or no screen saver on it, it never fires.
class ScreenLock : public QObject {
    Q_OBJECT

public:
    explicit ScreenLock(QDBusConnection bus, QObject* parent = nullptr);

    // Whether the watch is on the bus.
    bool Watching() const { return watching_; }

signals:
    void locked();

private slots:
    void ActiveChanged(bool active);

private:
    bool watching_ = false;
};

} // namespace daz::platform
