#include "Round.h"

#include "engine/Compaction.h"

namespace daz {

Round::Round(SoundSink& sound, platform::TimerFactory& timers, Random& random)
    : sound_(sound), random_(random), clock_(timers.Create(QStringLiteral("Timer1"), 1000))
{
    clock_->onTick = [this] { ClockTick(); };
}

Round::~Round() = default;

bool Round::ClockRunning() const { return clock_->IsActive(); }

// ---------------------------------------------------------------------------
// A level

void Round::Leave()
{
    clock_->Stop();
    ClearHand();
    emit left();
    emit handChanged();
}

void Round::Start(const LevelSettings& settings, int mode)
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
    random_.ReseedFromClock();
    const int cells = board_.CellCount();
    undo_.Reset(cells);
    LayOutDeck(board_, DealDeck(cells, settings.photoSum, random_));
    timeLeft_ = rules.timeAfterDeal;

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
// The hand

void Round::ClearHand()
{
    selection_.reset();
    cursorShown_ = false;
}

void Round::ShowCursorAt(Cell cell)
{
    if (!cursorShown_ || cursor_ != cell) {
        cursor_ = cell;
        cursorShown_ = true;
        emit handChanged();
    }
}

void Round::Hover(Cell cell)
{
    if (!boardVisible_ || !hasLevel_ || !board_.InField(cell) || board_.At(cell) == 0) {
        return; // empty cells take no pointer
    }
    ShowCursorAt(cell);
}

void Round::HoverNothing()
{
    if (cursorShown_) {
        cursorShown_ = false;
        emit handChanged();
    }
}

void Round::MoveCursor(Direction direction)
{
    if (!boardVisible_ || !hasLevel_ || board_.CellCount() == 0) {
        return;
    }
    if (!board_.InField(cursor_)) {
        ShowCursorAt({1, 1});
        return;
    }
    const int maxX = board_.MaxX();
    const int maxY = board_.MaxY();
    Cell c = cursor_;
    switch (direction) {
    case Direction::Left: c.x = c.x == 1 ? maxX : c.x - 1; break;
    case Direction::Right: c.x = c.x == maxX ? 1 : c.x + 1; break;
    case Direction::Up: c.y = c.y == 1 ? maxY : c.y - 1; break;
    case Direction::Down: c.y = c.y == maxY ? 1 : c.y + 1; break;
    }
    ShowCursorAt(c);
}

void Round::PressCursor(MouseButton button)
{
    if (!boardVisible_ || !hasLevel_ || !cursorShown_) {
        return;
    }
    // The selection lies above the cursor and takes the click.
    if (selection_ == cursor_) {
        ClickSelected(button);
    } else {
        ClickTile(cursor_, button);
    }
    // A removed pair takes the hover mask with it; the keyboard's cursor
    // stays where it is, on the emptied cell or what slid into it.
    if (boardVisible_ && !cursorShown_) {
        ShowCursorAt(cursor_);
    }
}

void Round::DropSelection()
{
    if (boardVisible_) {
        ClickBoard(MouseButton::Right);
    }
}

void Round::CancelSelection()
{
    sound_.PlaySoundEffect(SoundEffect::Cancel);
    selection_.reset();
    emit handChanged();
}

void Round::ClickSelected(MouseButton button)
{
    // Clicking the selected tile again keeps it selected; the right button
    // lets it go.
    if (boardVisible_ && hasLevel_ && button == MouseButton::Right) {
        CancelSelection();
    }
}

void Round::ClickBoard(MouseButton button)
{
    if (boardVisible_ && hasLevel_ && button == MouseButton::Right && selection_) {
        CancelSelection();
    }
}

void Round::ClickTile(Cell cell, MouseButton button)
{
    if (!boardVisible_ || !hasLevel_) {
        return;
    }
    if (!board_.InField(cell)) {
        ClickBoard(button);
        return;
    }
    // A click that arrives without a move first (a touch screen, say)
    // brings the cursor to the tile.
    ShowCursorAt(cell);
    if (button != MouseButton::Left) {
        CancelSelection();
        return;
    }
    if (board_.At(cell) == 0) {
        // The keyboard's cursor may rest on an empty cell: a press there
        // lands on the bare board.
        ClickBoard(button);
        return;
    }
    if (!selection_) {
        Select(cell);
    } else {
        TryPair(cell);
    }
}

void Round::Select(Cell cell)
{
    sound_.PlaySoundEffect(SoundEffect::Select);
    selection_ = cell;
    emit handChanged();
}

void Round::TryPair(Cell second)
{
    const Cell first = *selection_;
    const LinkDecision decision = IsLink(board_, first.x, first.y, second.x, second.y, mode_);
    if (!decision.linked) {
        sound_.PlaySoundEffect(SoundEffect::Cancel);
        selection_.reset();
        emit handChanged();
        return;
    }
    selection_.reset();
    undo_.Push({static_cast<std::int16_t>(first.x), static_cast<std::int16_t>(first.y), board_.At(first)});
    undo_.Push({static_cast<std::int16_t>(second.x), static_cast<std::int16_t>(second.y), board_.At(second)});
    board_.RemoveTile(first);
    board_.RemoveTile(second);
    SetScore(ChangedScore(score_, 1));
    cursorShown_ = false;
    emit pairRemoved(first, second, decision.path);
    emit handChanged();
    emit boardChanged();
    sound_.PlaySoundEffect(SoundEffect::Link);

    // The board counts as cleared when no tile is left on it, whatever a
    // hint flash may be hiding at that moment.
    if (board_.TileCount() == 0) {
        playState_ = PlayState::Next;
        SetToolsEnabled(false);
        HideBoard(OverlayPicture::Cleared);
        sound_.PlaySoundEffect(SoundEffect::Win);
        emit ended(RoundEnd::Cleared);
    } else {
        FollowUpAfterRemoval();
    }
}

void Round::FollowUpAfterRemoval()
{
    switch (RulesFor(mode_).followUp) {
    case FollowUp::TimeBonus:
        timeLeft_ += timeStep_;
        break;
    case FollowUp::DeadBoardTest:
        FindPair(false);
        timeLeft_ += timeStep_;
        break;
    case FollowUp::SlideDownAndTest:
        SlideDown(board_);
        emit boardChanged();
        FindPair(false);
        timeLeft_ += timeStep_;
        break;
    case FollowUp::RandomSlideAndRefill:
        timeLeft_ = kFullTime;
        random_.ReseedFromClock();
        switch (random_.Draw(4)) {
        case 1: SlideDown(board_); break;
        case 2: SlideUp(board_); break;
        case 3: SlideRight(board_); break;
        default: SlideLeft(board_); break;
        }
        emit boardChanged();
        FindPair(false);
        break;
    case FollowUp::Nothing:
        break;
    }
    emit timeChanged();
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
    emit toolsChanged();
    Pay(kShuffleCost);
    return true;
}

// ---------------------------------------------------------------------------
// The clock and the board hidden

void Round::ClockTick()
{
    emit ticked();
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
    case PlayState::Yes:
        return OverlayAction::None;
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
