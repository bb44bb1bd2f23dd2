#pragma once

#include <functional>
#include <memory>

#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/Timer.h"

namespace daz {

// What the splash window does, without the window: it refuses a second
// running copy of the program, then widens its loading bar every 100 ms
// until the bar is full, about two seconds later.
class Splash {
public:
    // The loading bar, in twips.
    static constexpr int kBarStartWidth = 75;
    static constexpr int kBarStep = 200;
    static constexpr int kBarFullWidth = 4000;
    static constexpr int kTickMs = 100;
    static inline const QString kTimerName = QStringLiteral("SplashBar");

    // The lock must outlive the run: holding it is what keeps a second
    // copy out.
    Splash(platform::InstanceLock& lock, platform::MessageBoxes& boxes, platform::TimerFactory& timers);

    // The load step. False when another copy is already running: the
    // player has been told, and the program must end without showing
    // anything. True when the bar has started to fill, the lock held or
    // unavailable (see Lock()).
    bool Load();

    // What the load step got of the lock. An unavailable lock is told
    // with the other start-up news, when the game is about to be played.
    const platform::LockResult& Lock() const { return lockResult_; }

    int BarWidth() const { return barWidth_; }
    bool Loading() const { return timer_->IsActive(); }

    // The bar widened.
    std::function<void()> barChanged;
    // The bar is full and has stopped: the splash closes and the mode
    // chooser opens.
    std::function<void()> finished;

private:
    void Tick();

    platform::InstanceLock& lock_;
    platform::LockResult lockResult_;
    platform::MessageBoxes& boxes_;
    std::unique_ptr<platform::Timer> timer_;
    int barWidth_ = kBarStartWidth;
};

} // namespace daz
