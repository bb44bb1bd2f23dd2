#pragma once

#include <functional>
#include <optional>

#include <QObject>

namespace daz {

class BoardMotion;
class Particles;
namespace platform {
class DesktopWishes;
} // namespace platform

// How the game moves and draws for the player's comfort: less motion (no
// particles, no jitter, a still path, a steady hint) and high contrast
// (strong outlines on the board, the windows in black, white and yellow).
// Each follows the desktop's wish, as it changes, until the player chooses
// in 设置; from then on the choice holds.
class Looks : public QObject {
    Q_OBJECT

public:
    Looks(const platform::DesktopWishes& desktop, std::optional<bool> lessMotion, std::optional<bool> highContrast);

    bool LessMotion() const { return lessMotion_.value_or(desktopLessMotion_); }
    bool HighContrast() const { return highContrast_.value_or(desktopHighContrast_); }
    void ChooseLessMotion(bool on);
    void ChooseHighContrast(bool on);

signals:
    // Either look changed.
    void changed();

private:
    void Update(const std::function<void()>& change);

    std::optional<bool> lessMotion_;
    std::optional<bool> highContrast_;
    bool desktopLessMotion_ = false;
    bool desktopHighContrast_ = false;
};

// Applies the looks now and whenever they change: the board's motion and
// the particles (FollowLooks), the palette of every window (FollowContrast,
// from the start, the splash's too).
void FollowLooks(const Looks& looks, BoardMotion& motion, Particles& particles);
void FollowContrast(const Looks& looks);

} // namespace daz
