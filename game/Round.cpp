#include "Round.h"

#include "engine/Compaction.h"

namespace daz {

Round::Round(SoundSink& sound, platform::TimerFactory& timers)
    : sound_(sound), clock_(timers.Create(QStringLiteral("LevelClock"), 1000))
{
    clock_->onTick = [this] { ClockTick(); };
}

Round::~Round() = default;

bool Round::ClockRunning() const
{
    return clock_->IsActive();
}

// ---------------------------------------------------------------------------
// A level

void Round::Leave()
{
    clock_->Stop();
    ClearHand();
    emit left();
    emit handChanged();
}

void Round::Start(const LevelSettings& settings, int mode, std::uint64_t seed)
{
    mode_ = mode;
    hasLevel_ = true;
    boardVisible_ = true;

    const ModeRules& rules = RulesFor(mode_);
    timeStep_ = rules.timeStep;
    undoLeft_ = rules.undoLeft;
    hintLeft_ = rules.hintLeft;
    shuffleLeft_ = rules.shuffleLeft;
    toolsEnabled_ = true;

    board_ = Board(settings.maxX, settings.maxY);
    random_ = Random(seed);
    const int cells = board_.CellCount();
    undo_.Reset(cells);
    LayOutDeck(board_, DealDeck(cells, settings.photoSum, random_));
    timeLeft_ = rules.timeAfterDeal;
    scoreAtStart_ = score_;
    secondsPlayed_ = 0;
    uses_ = {};

    clock_->Start();
    playState_ = PlayState::No;
    overlay_.reset();
    ClearHand();
    cursor_ = {};

    emit dealt();
    emit toolsChanged();
    emit timeChanged();
    emit overlayChanged();
}

void Round::Resume(const LevelSettings& settings, int mode, const RoundState& state)
{
    mode_ = mode;
    hasLevel_ = true;

    const ModeRules& rules = RulesFor(mode_);
    timeStep_ = rules.timeStep;
    undoLeft_ = state.undoLeft;
    hintLeft_ = state.hintLeft;
    shuffleLeft_ = state.shuffleLeft;
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
    timeLeft_ = state.timeLeft;
    scoreAtStart_ = state.scoreAtStart;
    secondsPlayed_ = state.secondsPlayed;

    playState_ = PlayState::No;
    ClearHand();
    cursor_ = {};
    if (state.paused) {
        toolsEnabled_ = false;
        boardVisible_ = false;
        overlay_ = OverlayPicture::Paused;
        clock_->Stop();
    } else {
        toolsEnabled_ = true;
        boardVisible_ = true;
        overlay_.reset();
        clock_->Start();
    }

    emit dealt();
    emit toolsChanged();
    emit timeChanged();
    emit overlayChanged();
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
    state.undoLeft = undoLeft_;
    state.hintLeft = hintLeft_;
    state.shuffleLeft = shuffleLeft_;
    state.undoUsed = uses_.undo;
    state.hintUsed = uses_.hint;
    state.shuffleUsed = uses_.shuffle;
    state.timeLeft = timeLeft_;
    state.secondsPlayed = secondsPlayed_;
    state.scoreAtStart = scoreAtStart_;
    state.paused = overlay_ == OverlayPicture::Paused;
    state.random = random_.Place();
    return state;
}

void Round::ShowUnplayable()
{
    hasLevel_ = false;
    board_ = Board();
    undo_.Reset(0);
    playState_ = PlayState::No;
    boardVisible_ = true;
    overlay_.reset();
    clock_->Stop();
    undoLeft_ = hintLeft_ = shuffleLeft_ = 0;
    toolsEnabled_ = false;
    ClearHand();
    cursor_ = {};
    emit dealt();
    emit toolsChanged();
    emit overlayChanged();
}

// ---------------------------------------------------------------------------
// Tools

void Round::ShuffleBoard()
{
    sound_.PlaySoundEffect(SoundEffect::Shuffle);
    daz::ShuffleBoard(board_, random_);
    emit boardChanged();
}

void Round::UndoLastPair()
{
    daz::UndoLastPair(board_, undo_);
    emit boardChanged();
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

void Round::SetToolsEnabled(bool enabled)
{
    if (toolsEnabled_ != enabled) {
        toolsEnabled_ = enabled;
        emit toolsChanged();
    }
}

void Round::Pay(int cost)
{
    SetScore(ChangedScore(score_, -cost));
}

void Round::PauseCommand()
{
    if (!toolsEnabled_) {
        return;
    }
    sound_.PlaySoundEffect(SoundEffect::Pause);
    SetToolsEnabled(false);
    ShowOverlay();
}

void Round::PauseQuietly()
{
    if (hasLevel_ && playState_ == PlayState::No && boardVisible_) {
        SetToolsEnabled(false);
        ShowOverlay();
    }
}

void Round::ToolRefused()
{
    sound_.PlaySoundEffect(SoundEffect::Cancel);
}

bool Round::UndoCommand()
{
    if (!toolsEnabled_ || undo_.UndoCount() <= 0 || !CanAffordTool(undoLeft_, score_, kUndoCost)) {
        return false;
    }
    sound_.PlaySoundEffect(SoundEffect::Undo);
    UndoLastPair();
    --undoLeft_;
    ++uses_.undo;
    emit toolsChanged();
    Pay(kUndoCost);
    return true;
}

bool Round::HintCommand()
{
    if (!toolsEnabled_ || !CanAffordTool(hintLeft_, score_, kHintCost)) {
        return false;
    }
    FindPair(true); // paid for even when there is nothing to show
    --hintLeft_;
    ++uses_.hint;
    emit toolsChanged();
    Pay(kHintCost);
    return true;
}

bool Round::ShuffleCommand()
{
    if (!toolsEnabled_ || !CanAffordTool(shuffleLeft_, score_, kShuffleCost)) {
        return false;
    }
    ShuffleBoard();
    --shuffleLeft_;
    ++uses_.shuffle;
    emit toolsChanged();
    Pay(kShuffleCost);
    return true;
}

// ---------------------------------------------------------------------------
// The clock and the board hidden

void Round::ClockTick()
{
    emit ticked();
    ++secondsPlayed_;
    timeLeft_ -= timeStep_;
    emit timeChanged();
    if (timeLeft_ <= timeStep_) {
        HideBoard(OverlayPicture::TimedOut);
        playState_ = PlayState::Yes;
        sound_.PlaySoundEffect(SoundEffect::GameOver);
        SetToolsEnabled(false);
        emit ended(RoundEnd::TimedOut);
    }
}

void Round::HideBoard(OverlayPicture picture)
{
    boardVisible_ = false;
    clock_->Stop();
    overlay_ = picture;
    emit overlayChanged();
}

void Round::ShowOverlay()
{
    if (!hasLevel_) {
        return; // nothing to pause
    }
    switch (playState_) {
    case PlayState::Yes: HideBoard(OverlayPicture::TimedOut); break;
    case PlayState::Next: HideBoard(OverlayPicture::Cleared); break;
    case PlayState::No:
        // However the pause began (the pause label, a menu, a minimised
        // window), the tools rest with the board.
        SetToolsEnabled(false);
        HideBoard(OverlayPicture::Paused);
        break;
    }
}

OverlayAction Round::OverlayClick()
{
    switch (playState_) {
    case PlayState::Yes: return OverlayAction::None;
    case PlayState::No:
        SetToolsEnabled(true);
        boardVisible_ = true;
        overlay_.reset();
        clock_->Start();
        emit overlayChanged();
        return OverlayAction::Resumed;
    case PlayState::Next:
        overlay_.reset();
        emit overlayChanged();
        return OverlayAction::NextLevel;
    }
    return OverlayAction::None;
}

void Round::SetScore(std::int64_t score)
{
    score_ = score;
    emit scoreChanged();
}

} // namespace daz
