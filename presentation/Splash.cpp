#include "Splash.h"

#include <QCoreApplication>

namespace daz {

Splash::Splash(platform::InstanceLock& lock, platform::MessageBoxes& boxes, platform::TimerFactory& timers)
    : lock_(lock), boxes_(boxes), timer_(timers.Create(kTimerName, kTickMs))
{
    timer_->onTick = [this] { Tick(); };
}

bool Splash::Load()
{
    lockResult_ = lock_.TryAcquire();
    if (lockResult_.outcome == platform::LockResult::Outcome::Running) {
        platform::Warn(boxes_, QCoreApplication::translate("daz::Splash", "程序已经运行，不能再次装载！"));
        return false;
    }
    timer_->Start();
    return true;
}

void Splash::Tick()
{
    barWidth_ += kBarStep;
    if (barChanged) {
        barChanged();
    }
    if (barWidth_ >= kBarFullWidth) {
        timer_->Stop();
        if (finished) {
            finished();
        }
    }
}

} // namespace daz
