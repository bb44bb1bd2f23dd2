#include "Round.h"

#include "engine/Compaction.h"

namespace daz {
namespace {

int CostOf(Tool tool)
{
    switch (tool) {
    case Tool::Undo: return kUndoCost;
    case Tool::Hint: return kHintCost;
    case Tool::Shuffle: return kShuffleCost;
    case Tool::Pause: return 0;
    }
    return 0;
}

} // namespace

Round::Round(platform::TimerFactory& timers) : clock_(timers.Create(QStringLiteral("LevelClock"), 1000))
{
    clock_->onTick = [this] { ClockTick(); };
}

Round::~Round() = default;

void Round::SetPhase(Phase phase)
{
    phase_ = phase;
    if (phase_ == Phase::Playing) {
        clock_->Start();
    } else {
        clock_->Stop();
    }
    emit phaseChanged(phase_);
}

// ---------------------------------------------------------------------------
// A level

void Round::Leave()
{
    clock_->Stop();
    const Hand before = CurrentHand();
    ClearHand();
    emit left();
    HandChangedFrom(before);
}

void Round::Start(const LevelSettings& settings, int mode, std::uint64_t seed)
{
    board_ = Board(settings.maxX, settings.maxY);
    random_ = Random(seed);
    const int cells = board_.CellCount();
    undo_.Reset(cells);
    LayOutDeck(board_, DealDeck(cells, settings.photoSum, random_));

    const ModeRules& rules = RulesFor(mode);
    RoundState state;
    state.cells.reserve(static_cast<std::size_t>(cells));
    for (int n = 1; n <= cells; ++n) {
        state.cells.push_back(board_.At(board_.CellOf(n)));
    }
    state.undoLeft = rules.undoLeft;
    state.hintLeft = rules.hintLeft;
    state.shuffleLeft = rules.shuffleLeft;
    state.timeLeft = rules.timeAfterDeal;
    state.scoreAtStart = score_;
    state.untimed = untimedPlay_;
    Begin(settings, mode, state);
}

void Round::Resume(const LevelSettings& settings, int mode, const RoundState& state)
{
    Begin(settings, mode, state);
}

void Round::Begin(const LevelSettings& settings, int mode, const RoundState& state)
{
    mode_ = mode;
    timeStep_ = RulesFor(mode_).timeStep;
    left_ = {state.undoLeft, state.hintLeft, state.shuffleLeft};
    uses_ = {state.undoUsed, state.hintUsed, state.shuffleUsed};

    board_ = Board(settings.maxX, settings.maxY);
    for (int n = 1; n <= board_.CellCount() && n <= static_cast<int>(state.cells.size()); ++n) {
        board_.PlaceTile(board_.CellOf(n), state.cells[static_cast<std::size_t>(n - 1)]);
    }
    undo_.Reset(board_.CellCount());
    for (const UndoEntry& entry : state.undo) {
        undo_.Push(entry);
    }
    if (state.random) {
        random_ = Random(*state.random);
    }
    untimed_ = state.untimed;
    timeLeft_ = untimed_ ? kFullTime : state.timeLeft;
    scoreAtStart_ = state.scoreAtStart;
    secondsPlayed_ = state.secondsPlayed;

    const Hand before = CurrentHand();
    ClearHand();
    cursor_ = {};
    HandChangedFrom(before);
    // The view takes the board as dealt before the phase shows it.
    phase_ = state.paused ? Phase::Paused : Phase::Playing;
    emit dealt();
    emit countersChanged(left_);
    emit timeChanged(timeLeft_);
    SetPhase(phase_);
}

RoundState Round::State() const
{
    RoundState state;
    state.maxX = board_.MaxX();
    state.maxY = board_.MaxY();
    state.cells.reserve(static_cast<std::size_t>(board_.CellCount()));
    for (int n = 1; n <= board_.CellCount(); ++n) {
        state.cells.push_back(board_.At(board_.CellOf(n)));
    }
    state.undo = undo_.UndoList();
    state.undoLeft = left_.undo;
    state.hintLeft = left_.hint;
    state.shuffleLeft = left_.shuffle;
    state.undoUsed = uses_.undo;
    state.hintUsed = uses_.hint;
    state.shuffleUsed = uses_.shuffle;
    state.timeLeft = timeLeft_;
    state.secondsPlayed = secondsPlayed_;
    state.scoreAtStart = scoreAtStart_;
    state.paused = phase_ == Phase::Paused;
    state.untimed = untimed_;
    state.random = random_.Place();
    return state;
}

void Round::ShowUnplayable()
{
    board_ = Board();
    undo_.Reset(0);
    left_ = {};
    untimed_ = untimedPlay_;
    const Hand before = CurrentHand();
    ClearHand();
    cursor_ = {};
    HandChangedFrom(before);
    phase_ = Phase::NoLevel;
    emit dealt();
    emit countersChanged(left_);
    SetPhase(phase_);
}

void Round::SetUntimedPlay(bool on)
{
    untimedPlay_ = on;
    if (on && !untimed_ && InPlay(phase_)) {
        untimed_ = true;
        timeLeft_ = kFullTime;
        emit turnedUntimed();
        emit timeChanged(timeLeft_);
    }
}

// ---------------------------------------------------------------------------
// Tools

int Round::Left(Tool tool) const
{
    switch (tool) {
    case Tool::Undo: return left_.undo;
    case Tool::Hint: return left_.hint;
    case Tool::Shuffle: return left_.shuffle;
    case Tool::Pause: return 0;
    }
    return 0;
}

bool Round::CanUse(Tool tool) const
{
    if (phase_ != Phase::Playing) {
        return false;
    }
    switch (tool) {
    case Tool::Pause: return true;
    case Tool::Undo: return undo_.UndoCount() > 0 && CanAffordTool(left_.undo, score_, kUndoCost);
    case Tool::Hint: return CanAffordTool(left_.hint, score_, kHintCost);
    case Tool::Shuffle: return CanAffordTool(left_.shuffle, score_, kShuffleCost);
    }
    return false;
}

bool Round::Use(Tool tool)
{
    if (phase_ != Phase::Playing) {
        return false;
    }
    if (score_ < CostOf(tool)) {
        emit toolRefused(tool);
        return false;
    }
    if (!CanUse(tool)) {
        return false;
    }
    emit toolUsed(tool);
    switch (tool) {
    case Tool::Pause: SetPhase(Phase::Paused); return true;
    case Tool::Undo: {
        const Board before = board_;
        daz::UndoLastPair(board_, undo_);
        BoardChangedFrom(before);
        --left_.undo;
        ++uses_.undo;
        break;
    }
    case Tool::Hint:
        FindPair(true); // paid for even when there is nothing to show
        --left_.hint;
        ++uses_.hint;
        break;
    case Tool::Shuffle:
        ShuffleBoard();
        --left_.shuffle;
        ++uses_.shuffle;
        break;
    }
    emit countersChanged(left_);
    SetScore(ChangedScore(score_, -CostOf(tool)));
    return true;
}

void Round::ShuffleBoard()
{
    const Board before = board_;
    daz::ShuffleBoard(board_, random_);
    emit shuffled();
    BoardChangedFrom(before);
}

void Round::FindPair(bool showHint)
{
    const auto pair = daz::FindPair(board_);
    if (!pair) {
        if (!showHint) {
            ShuffleBoard();
        }
        return;
    }
    if (showHint) {
        emit hintFound(board_.CellOf(pair->first), board_.CellOf(pair->second));
    }
}

void Round::BoardChangedFrom(const Board& before)
{
    std::vector<TileChange> changes;
    for (int n = 1; n <= board_.CellCount(); ++n) {
        const Cell cell = board_.CellOf(n);
        if (before.At(cell) != board_.At(cell)) {
            changes.push_back({cell, before.At(cell), board_.At(cell)});
        }
    }
    emit boardChanged(changes);
}

// ---------------------------------------------------------------------------
// The clock and the phases

void Round::PauseQuietly()
{
    if (phase_ == Phase::Playing) {
        SetPhase(Phase::Paused);
    }
}

void Round::Continue()
{
    if (phase_ == Phase::Paused) {
        SetPhase(Phase::Playing);
    }
}

void Round::ClockTick()
{
    ++secondsPlayed_;
    emit ticked(secondsPlayed_);
    if (untimed_) {
        return;
    }
    timeLeft_ -= timeStep_;
    emit timeChanged(timeLeft_);
    if (timeLeft_ <= timeStep_) {
        SetPhase(Phase::TimedOut);
        emit ended(RoundEnd::TimedOut);
    }
}

void Round::SetScore(std::int64_t score)
{
    score_ = score;
    emit scoreChanged(score_);
}

} // namespace daz
