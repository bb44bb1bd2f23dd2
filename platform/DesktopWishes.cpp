#include "DesktopWishes.h"

#include <utility>

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace daz::platform {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGnome = QStringLiteral("org.gnome.desktop.interface");
const QString kAnimations = QStringLiteral("enable-animations");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kReducedMotion = QStringLiteral("reduced-motion");
const QString kContrast = QStringLiteral("contrast");

// Read answers a value inside one variant more than ReadOne does (and
// older portals more still): what lies at the bottom.
QVariant Unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

} // namespace

void DesktopWishes::Take(bool lessMotion, bool highContrast)
{
    if (lessMotion != lessMotion_ || highContrast != highContrast_) {
        lessMotion_ = lessMotion;
        highContrast_ = highContrast;
        emit changed();
    }
}

PortalWishes::PortalWishes(QDBusConnection bus, QObject* parent) : bus_(std::move(bus))
{
    setParent(parent);
    if (!bus_.isConnected()) {
        return;
    }
    // The whole message: QtDBus finds no slot for a variant argument.
    bus_.connect(kPortal, kPortalPath, kSettings, QStringLiteral("SettingChanged"), this,
                 SLOT(SettingChanged(QDBusMessage)));
    Read(kGnome, kAnimations);
    Read(kAppearance, kReducedMotion);
    Read(kAppearance, kContrast);
}

void PortalWishes::Read(const QString& space, const QString& key)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, kSettings, QStringLiteral("Read"));
    call << space << key;
    ++pending_;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, space, key] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        // A key this desktop does not have answers an error: no wish.
        if (!reply.isError()) {
            Note(space, key, reply.value().variant());
        }
        if (--pending_ == 0) {
            emit answered();
        }
    });
}

void PortalWishes::SettingChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() == 3) {
        Note(arguments[0].toString(), arguments[1].toString(), arguments[2]);
    }
}

void PortalWishes::Note(const QString& space, const QString& key, const QVariant& value)
{
    const QVariant bottom = Unwrapped(value);
    if (space == kGnome && key == kAnimations) {
        animationsOff_ = bottom.typeId() == QMetaType::Bool && !bottom.toBool();
    } else if (space == kAppearance && key == kReducedMotion) {
        reducedMotion_ = bottom.toUInt() == 1;
    } else if (space == kAppearance && key == kContrast) {
        contrast_ = bottom.toUInt() == 1;
    } else {
        return;
    }
    Take(animationsOff_ || reducedMotion_, contrast_);
}

} // namespace daz::platform
