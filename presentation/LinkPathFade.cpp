#include "LinkPathFade.h"

#include "game/Round.h"

namespace daz {

LinkPathFade::LinkPathFade(const Round& round, platform::TimerFactory& timers)
    : timer_(timers.Create(QStringLiteral("LinkPathFade"), 30))
{
    timer_->onTick = [this] { Tick(); };
    connect(&round, &Round::pairRemoved, this, [this](Cell, Cell, const LinkPath& path) { Show(path); });
    connect(&round, &Round::left, this, &LinkPathFade::Wipe);
}

LinkPathFade::~LinkPathFade() = default;

bool LinkPathFade::Running() const
{
    return timer_->IsActive();
}

void LinkPathFade::Show(const LinkPath& path)
{
    // A pair accepted without a path (the simple mode) draws nothing, but
    // the fade of the pair before runs on.
    if (path.segments > 0) {
        const LinkPath before = path_;
        path_ = path;
        emit changed(before, width_);
    }
    timer_->Start();
}

void LinkPathFade::Tick()
{
    const LinkPath before = path_;
    const int widthBefore = width_;
    ++step_;
    width_ = steady_ ? kSteadyWidth : step_;
    if (step_ >= kSteps) {
        timer_->Stop();
        path_ = {};
        width_ = steady_ ? kSteadyWidth : 1;
        step_ = 0;
    }
    emit changed(before, widthBefore);
}

void LinkPathFade::SetSteady(bool steady)
{
    steady_ = steady;
    if (!Running()) {
        width_ = steady ? kSteadyWidth : 1;
    }
}

void LinkPathFade::Wipe()
{
    if (Visible()) {
        const LinkPath before = path_;
        path_ = {};
        emit changed(before, width_);
    }
}

} // namespace daz
