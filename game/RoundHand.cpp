// The player's hand on the board: the cursor, the selected tile and what a
// click on a cell does, up to a pair going and what the mode does after.
#include "Round.h"

#include "engine/Compaction.h"

namespace daz {

void Round::ClearHand()
{
    selection_.reset();
    cursorShown_ = false;
}

Hand Round::CurrentHand() const
{
    return {selection_, cursorShown_ ? std::optional<Cell>(cursor_) : std::nullopt};
}

void Round::HandChangedFrom(const Hand& before)
{
    if (const Hand after = CurrentHand(); after != before) {
        emit handChanged(before, after);
    }
}

void Round::ShowCursorAt(Cell cell)
{
    const Hand before = CurrentHand();
    cursor_ = cell;
    cursorShown_ = true;
    HandChangedFrom(before);
}

void Round::Hover(std::optional<Cell> cell)
{
    if (!cell) {
        const Hand before = CurrentHand();
        cursorShown_ = false;
        HandChangedFrom(before);
        return;
    }
    if (phase_ != Phase::Playing || !board_.InField(*cell) || board_.At(*cell) == 0) {
        return; // empty cells take no pointer
    }
    ShowCursorAt(*cell);
}

void Round::MoveCursor(Direction direction)
{
    if (phase_ != Phase::Playing || board_.CellCount() == 0) {
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
    if (phase_ != Phase::Playing || !cursorShown_) {
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
    if (phase_ == Phase::Playing && !cursorShown_) {
        ShowCursorAt(cursor_);
    }
}

void Round::CancelSelection()
{
    const Hand before = CurrentHand();
    emit selectionDropped();
    selection_.reset();
    HandChangedFrom(before);
}

void Round::ClickSelected(MouseButton button)
{
    // Clicking the selected tile again keeps it selected; the right button
    // lets it go.
    if (phase_ == Phase::Playing && button == MouseButton::Right) {
        CancelSelection();
    }
}

void Round::ClickBoard(MouseButton button)
{
    if (phase_ == Phase::Playing && button == MouseButton::Right && selection_) {
        CancelSelection();
    }
}

void Round::ClickTile(Cell cell, MouseButton button)
{
    if (phase_ != Phase::Playing) {
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
    const Hand before = CurrentHand();
    emit tileSelected(cell);
    selection_ = cell;
    HandChangedFrom(before);
}

void Round::TryPair(Cell second)
{
    const Cell first = *selection_;
    const LinkDecision decision = IsLink(board_, first.x, first.y, second.x, second.y, mode_);
    if (!decision.linked) {
        CancelSelection();
        return;
    }
    const Hand before = CurrentHand();
    const Board board = board_;
    selection_.reset();
    undo_.Push({static_cast<std::int16_t>(first.x), static_cast<std::int16_t>(first.y), board_.At(first)});
    undo_.Push({static_cast<std::int16_t>(second.x), static_cast<std::int16_t>(second.y), board_.At(second)});
    board_.RemoveTile(first);
    board_.RemoveTile(second);
    SetScore(ChangedScore(score_, 1));
    cursorShown_ = false;
    emit pairRemoved(first, second, decision.path);
    HandChangedFrom(before);
    BoardChangedFrom(board);

    // The board counts as cleared when no tile is left on it, whatever a
    // hint flash may be hiding at that moment.
    if (board_.TileCount() == 0) {
        SetPhase(Phase::Cleared);
        emit ended(RoundEnd::Cleared);
    } else {
        FollowUpAfterRemoval();
    }
}

void Round::FollowUpAfterRemoval()
{
    switch (RulesFor(mode_).followUp) {
    case FollowUp::TimeBonus: timeLeft_ += timeStep_; break;
    case FollowUp::DeadBoardTest:
        FindPair(false);
        timeLeft_ += timeStep_;
        break;
    case FollowUp::SlideDownAndTest: {
        const Board before = board_;
        SlideDown(board_);
        BoardChangedFrom(before);
        FindPair(false);
        timeLeft_ += timeStep_;
        break;
    }
    case FollowUp::RandomSlideAndRefill: {
        timeLeft_ = kFullTime;
        const Board before = board_;
        switch (random_.Draw(4)) {
        case 1: SlideDown(board_); break;
        case 2: SlideUp(board_); break;
        case 3: SlideRight(board_); break;
        default: SlideLeft(board_); break;
        }
        BoardChangedFrom(before);
        FindPair(false);
        break;
    }
    case FollowUp::Nothing: break;
    }
    if (untimed_) {
        timeLeft_ = kFullTime; // the bonus has nothing to fill
    }
    emit timeChanged(timeLeft_);
}

} // namespace daz
