#pragma once

#include <functional>
#include <memory>

#include <QString>

namespace daz::platform {

// A repeating timer with a fixed period. The game's timers are made through
// a factory, so tests can fire them by hand instead of waiting.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void Start() = 0; // no effect on a timer that is already running
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
    virtual int IntervalMs() const = 0;

    std::function<void()> onTick;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    // name identifies the timer in tests ("LevelClock", …).
    virtual std::unique_ptr<Timer> Create(const QString& name, int intervalMs) = 0;
};

} // namespace daz::platform
