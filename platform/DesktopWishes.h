#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

namespace daz::platform {

// What the desktop asks of programs for the player's comfort: less motion
// on screen, and stronger contrast. changed() follows each change of
// either, as the desktop makes it.
class DesktopWishes : public QObject {
    Q_OBJECT

public:
    bool LessMotion() const { return lessMotion_; }
    bool HighContrast() const { return highContrast_; }

signals:
    void changed();

protected:
    // Takes the desktop's wishes now; changed() when either differs.
    void Take(bool lessMotion, bool highContrast);

private:
    bool lessMotion_ = false;
    bool highContrast_ = false;
};

// The wishes as the XDG desktop portal's settings tell them on the session
// bus: GNOME's enable-animations off, or the portal's own reduced-motion,
// asks for less motion; the portal's contrast 1 for high contrast. Read
// once without waiting for the answer, then followed through the portal's
// SettingChanged. Without a bus or a portal, nothing is wished.
class PortalWishes final : public DesktopWishes {
    Q_OBJECT

public:
    explicit PortalWishes(QDBusConnection bus, QObject* parent = nullptr);

    // Whether the answers of the first reading came (or failed): tests
    // wait for it.
    bool Answered() const { return pending_ == 0; }

signals:
    void answered();

public slots:
    // The portal's signal of a change, heard on the bus.
    void SettingChanged(const QDBusMessage& message);

private:
    void Read(const QString& space, const QString& key);
    void Note(const QString& space, const QString& key, const QVariant& value);

    QDBusConnection bus_;
    int pending_ = 0;
    bool animationsOff_ = false;
    bool reducedMotion_ = false;
    bool contrast_ = false;
};

} // namespace daz::platform
