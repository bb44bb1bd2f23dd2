#pragma once

#include <map>
#include <stdexcept>

#include "platform/Timer.h"

namespace daz::testing {

// Timers that tick only when a test says so.
class FakeTimer final : public platform::Timer {
public:
    explicit FakeTimer(int intervalMs) : interval_(intervalMs) {}
    void Start() override { active_ = true; }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    int IntervalMs() const override { return interval_; }

    // One period passes: ticks if running.
    void Fire()
    {
        if (active_ && onTick) {
            onTick();
        }
    }

private:
    int interval_;
    bool active_ = false;
};

class FakeTimerFactory final : public platform::TimerFactory {
public:
    std::unique_ptr<platform::Timer> Create(const QString& name, int intervalMs) override
    {
        auto timer = std::make_unique<FakeTimer>(intervalMs);
        timers_[name] = timer.get();
        return timer;
    }

    FakeTimer& operator[](const QString& name)
    {
        auto it = timers_.find(name);
        if (it == timers_.end()) {
            throw std::out_of_range("no timer " + name.toStdString());
        }
        return *it->second;
    }

    // Fires a timer n times (while it keeps running).
    void Fire(const QString& name, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            (*this)[name].Fire();
        }
    }

private:
    std::map<QString, FakeTimer*> timers_;
};

} // namespace daz::testing
