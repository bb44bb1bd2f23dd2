#include "HintFlash.h"

#include "game/Round.h"

namespace daz {

HintFlash::HintFlash(const Round& round, platform::TimerFactory& timers)
    : round_(round), timer_(timers.Create(QStringLiteral("HintFlash"), 500))
{
    timer_->onTick = [this] { Step(); };
    connect(&round, &Round::hintFound, this, &HintFlash::Start);
    connect(&round, &Round::left, this, &HintFlash::Stop);
    connect(&round, &Round::dealt, this, &HintFlash::Stop);
    connect(&round, &Round::boardChanged, this, &HintFlash::BoardChanged);
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

bool HintFlash::PairInPlace() const
{
    const Board& board = round_.GetBoard();
    return board.InField(first_) && board.InField(second_) && firstCode_ != 0 && board.At(first_) == firstCode_
           && board.At(second_) == secondCode_;
}

bool HintFlash::Marks(Cell cell) const
{
    return steady_ && Running() && !pairLeft_ && (cell == first_ || cell == second_);
}

void HintFlash::SetSteady(bool steady)
{
    steady_ = steady;
    if (Running()) {
        hidden_ = false;
        emit changed(first_, second_);
    }
}

void HintFlash::BoardChanged()
{
    if (Running() && !pairLeft_ && !PairInPlace()) {
        pairLeft_ = true;
        ShowAsTheyAre();
        if (steady_) {
            emit changed(first_, second_);
        }
    }
}

void HintFlash::Start(Cell first, Cell second)
{
    if (timer_->IsActive() && (first != first_ || second != second_)) {
        ShowAsTheyAre();
        if (steady_) {
            timer_->Stop(); // the old pair's mark goes
            emit changed(first_, second_);
        }
    }
    first_ = first;
    second_ = second;
    const Board& board = round_.GetBoard();
    firstCode_ = board.InField(first) ? board.At(first) : 0;
    secondCode_ = board.InField(second) ? board.At(second) : 0;
    pairLeft_ = false;
    timer_->Start();
    if (steady_) {
        emit changed(first_, second_);
    }
}

void HintFlash::Step()
{
    // Only the pair found blinks: once one of the two left its cell, both
    // cells stay in sight.
    pairLeft_ = pairLeft_ || !PairInPlace();
    hidden_ = !hidden_ && !pairLeft_ && !steady_;
    emit changed(first_, second_);
    emit blinked();
    if (++tick_ >= kTicks) {
        Stop();
    }
}

void HintFlash::Stop()
{
    const bool marked = steady_ && Running() && !pairLeft_;
    timer_->Stop();
    if (tick_ != 0) {
        ShowAsTheyAre();
    }
    if (marked) {
        emit changed(first_, second_);
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
