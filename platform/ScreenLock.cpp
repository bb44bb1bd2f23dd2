#include "ScreenLock.h"

#include <QString>

namespace daz::platform {

ScreenLock::ScreenLock(QDBusConnection bus, QObject* parent) : QObject(parent)
{
    if (!bus.isConnected()) {
        return;
    }
    // Any sender: the name is owned by whichever program of the desktop
    // locks its screen, and KDE answers on both paths.
    struct Source {
        const char* path;
        const char* interface;
    };
    for (const Source& source : {Source{"/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
                                 Source{"/ScreenSaver", "org.freedesktop.ScreenSaver"},
                                 Source{"/org/gnome/ScreenSaver", "org.gnome.ScreenSaver"}}) {
        watching_ |= bus.connect(QString(), QString::fromLatin1(source.path), QString::fromLatin1(source.interface),
                                 QStringLiteral("ActiveChanged"), this, SLOT(ActiveChanged(bool)));
    }
}

void ScreenLock::ActiveChanged(bool active)
{
    if (active) {
        emit locked();
    }
}

} // namespace daz::platform
