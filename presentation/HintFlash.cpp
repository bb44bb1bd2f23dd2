#include "HintFlash.h"

#include "game/Round.h"

namespace daz {

HintFlash::HintFlash(const Round& round, SoundSink& sound, platform::TimerFactory& timers)
    : round_(round), sound_(sound), timer_(timers.Create(QStringLiteral("Timer3"), 500))
{
    timer_->onTick = [this] { Step(); };
    connect(&round, &Round::hintFound, this, &HintFlash::Start);
    connect(&round, &Round::left, this, &HintFlash::Stop);
    connect(&round, &Round::dealt, this, &HintFlash::Stop);
}

HintFlash::~HintFlash() = default;

bool HintFlash::Running() const
{
    return timer_->IsActive();
}

bool HintFlash::Hides(Cell cell) const
{
    return hidden_ && (cell == first_ || cell == second_);
}

bool HintFlash::Occupied(Cell cell) const
{
    const Board& board = round_.GetBoard();
    return board.InField(cell) && board.At(cell) != 0;
}

void HintFlash::Start(Cell first, Cell second)
{
    if (timer_->IsActive() && (first != first_ || second != second_)) {
        ShowAsTheyAre();
    }
    first_ = first;
    second_ = second;
    timer_->Start();
}

void HintFlash::Step()
{
    // Only tiles still on the board blink: once one of the two is gone,
    // the other stays in sight.
    hidden_ = !hidden_ && Occupied(first_) && Occupied(second_);
    emit changed(first_, second_);
    sound_.PlaySoundEffect(SoundEffect::HintTick);
    if (++tick_ >= kTicks) {
        Stop();
    }
}

void HintFlash::Stop()
{
    timer_->Stop();
    if (tick_ != 0) {
        ShowAsTheyAre();
    }
    tick_ = 0;
}

void HintFlash::ShowAsTheyAre()
{
    if (hidden_) {
        hidden_ = false;
        emit changed(first_, second_);
    }
}

} // namespace daz
