#include "OverlayJitter.h"

#include "game/Round.h"

namespace daz {

OverlayJitter::OverlayJitter(const Round& round, platform::TimerFactory& timers, Random& random)
    : round_(round), random_(random), timer_(timers.Create(QStringLiteral("OverlayJitter"), 500))
{
    timer_->onTick = [this] { Tick(); };
    connect(&round, &Round::phaseChanged, this, &OverlayJitter::Follow);
    timer_->Start();
}

OverlayJitter::~OverlayJitter() = default;

bool OverlayJitter::Running() const
{
    return timer_->IsActive();
}

void OverlayJitter::Follow(Phase phase)
{
    if (BoardHidden(phase) && !still_) {
        timer_->Start();
    } else {
        timer_->Stop();
    }
}

void OverlayJitter::SetStill(bool still)
{
    still_ = still;
    if (still) {
        timer_->Stop();
        x_ = 100;
        y_ = 100;
        emit moved();
    } else if (BoardHidden(round_.GetPhase())) {
        timer_->Start();
    }
}

void OverlayJitter::Tick()
{
    random_.ReseedFromClock();
    x_ = random_.Draw(200);
    y_ = random_.Draw(200);
    if (BoardHidden(round_.GetPhase())) {
        emit moved();
    }
}

CaptionColour::CaptionColour(const Round& round, Random& random)
{
    connect(&round, &Round::ticked, this, [this, &random] {
        if (steady_) {
            return;
        }
        random.ReseedFromClock();
        index_ = random.Draw(16) - 1;
        emit changed();
    });
}

} // namespace daz
