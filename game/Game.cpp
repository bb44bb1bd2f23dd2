#include "Game.h"

#include "engine/Compaction.h"
#include "engine/HintSearch.h"

namespace daz {
namespace {

constexpr int kLinkAnimationTicks = 10;
constexpr int kHintFlashTicks = 4;

} // namespace

Game::Game(ProgramState& state, SoundSink& sound, platform::TimerFactory& timers, Random& random)
    : state_(state),
      sound_(sound),
      random_(random),
      clock_(timers.Create(QStringLiteral("Timer1"), 1000)),
      jitter_(timers.Create(QStringLiteral("Timer2"), 500)),
      hintFlash_(timers.Create(QStringLiteral("Timer3"), 500)),
      linkAnimation_(timers.Create(QStringLiteral("Timer5"), 30))
{
    clock_->onTick = [this] { ClockTick(); };
    jitter_->onTick = [this] { JitterTick(); };
    hintFlash_->onTick = [this] { HintFlashTick(); };
    linkAnimation_->onTick = [this] { LinkAnimationTick(); };
    score_.title = InitialRankTitle();
    // The overlay jitters from the start, hidden until something shows it.
    jitter_->Start();
}

Game::~Game() = default;

bool Game::ClockRunning() const { return clock_->IsActive(); }
bool Game::JitterRunning() const { return jitter_->IsActive(); }
bool Game::HintFlashRunning() const { return hintFlash_->IsActive(); }
bool Game::LinkAnimationRunning() const { return linkAnimation_->IsActive(); }

// ---------------------------------------------------------------------------
// Level loading

void Game::BeginLevel(const QString& caption)
{
    caption_ = caption;
    clock_->Stop();
    EndHintFlash();
    mb1_.visible = false;
    mb2_.visible = false;
    for (auto& line : lines_) {
        line.visible = false;
    }
    emit captionChanged();
    emit masksChanged();
    emit linesChanged();
}

void Game::StartLevel(Level level)
{
    level_ = std::move(level);
    const LevelSettings& s = level_->settings;
    state_.MaxX = s.maxX;
    state_.MaxY = s.maxY;
    state_.PhotoSum = s.photoSum;
    state_.GBackColor = s.gBackColor;
    state_.MediaName = s.mediaName;
    state_.Particle = s.particle;
    unplayable_ = false;
    boardVisible_ = true;

    const ModeRules& rules = RulesFor(state_.GameMode);
    timeStep_ = rules.timeStep;
    undoLeft_ = rules.undoLeft;
    hintLeft_ = rules.hintLeft;
    shuffleLeft_ = rules.shuffleLeft;
    toolsEnabled_ = true;

    board_ = Board(s.maxX, s.maxY);
    geometry_ = CellGeometry::For(kBoardWidth, kBoardHeight, s.maxX, s.maxY);

    random_.ReseedFromClock();
    const int cells = board_.CellCount();
    undo_.Reset(cells);
    LayOutDeck(board_, DealDeck(cells, s.photoSum, random_));
    board_.TakeChangedCells(); // a new level repaints everything anyway
    timeLeft_ = rules.timeAfterDeal;

    clock_->Start();
    playState_ = PlayState::No;
    jitter_->Stop();
    overlay_.visible = false;
    ClearSelection();
    cursor_ = {};

    emit levelStarted();
    emit toolsChanged();
    emit timeChanged();
    emit overlayChanged();
}

void Game::ShowUnplayable()
{
    level_.reset();
    board_ = Board();
    geometry_ = {};
    undo_.Reset(0);
    unplayable_ = true;
    playState_ = PlayState::No;
    boardVisible_ = true;
    overlay_.visible = false;
    jitter_->Stop();
    clock_->Stop();
    undoLeft_ = hintLeft_ = shuffleLeft_ = 0;
    toolsEnabled_ = false;
    ClearSelection();
    cursor_ = {};
    emit levelStarted();
    emit toolsChanged();
    emit overlayChanged();
}

// ---------------------------------------------------------------------------
// The mouse

Game::Rect Game::TileRect(int cellNumber) const
{
    const Cell c = board_.CellOf(cellNumber);
    const QImage& picture = level_ ? level_->pictures.Tile(board_.View(cellNumber).picture) : QImage();
    return {geometry_.Left(c.x), geometry_.Top(c.y), picture.width() * kTwipsPerPixel,
            picture.height() * kTwipsPerPixel};
}

Game::Rect Game::MaskRect(const MaskState& mask, const QImage& picture) const
{
    return {mask.left, mask.top, picture.width() * kTwipsPerPixel, picture.height() * kTwipsPerPixel};
}

int Game::TileAt(int x, int y) const
{
    if (board_.CellCount() == 0 || geometry_.boxW <= 0 || geometry_.boxH <= 0) {
        return 0;
    }
    // A picture may be larger than its cell and overlap its right and lower
    // neighbours; later tiles lie above earlier ones.
    const int cx = x / geometry_.boxW;
    const int cy = y / geometry_.boxH;
    for (int dy = 0; dy <= 1; ++dy) {
        for (int dx = 0; dx <= 1; ++dx) {
            const Cell c{cx - dx, cy - dy};
            if (!board_.InField(c)) {
                continue;
            }
            const int n = board_.CellNumber(c);
            if (board_.View(n).visible && TileRect(n).Contains(x, y)) {
                return n;
            }
        }
    }
    return 0;
}

void Game::MouseMove(int x, int y)
{
    if (!boardVisible_ || !level_) {
        return;
    }
    // The masks lie above the tiles and take the mouse while over them.
    if (mb1_.visible && MaskRect(mb1_, level_->pictures.mb1).Contains(x, y)) {
        return;
    }
    if (mb2_.visible && MaskRect(mb2_, level_->pictures.mb2).Contains(x, y)) {
        return;
    }
    if (const int n = TileAt(x, y); n != 0) {
        HoverTile(n);
    } else {
        HoverBoard();
    }
}

void Game::MousePress(int x, int y, MouseButton button)
{
    if (!boardVisible_ || !level_) {
        return;
    }
    if (mb1_.visible && MaskRect(mb1_, level_->pictures.mb1).Contains(x, y)) {
        PressSelectionMask(button);
    } else if (mb2_.visible && MaskRect(mb2_, level_->pictures.mb2).Contains(x, y)) {
        PressHoverMask(button);
    } else if (const int n = TileAt(x, y); n != 0) {
        // A press that arrives without a move first (a touch screen, say)
        // lands on the tile: the hover mask comes to it and takes the press.
        HoverTile(n);
        PressHoverMask(button);
    } else {
        PressBoard(button);
    }
}

void Game::HoverTile(int cellNumber)
{
    if (cellNumber < 1 || cellNumber > board_.CellCount() || !board_.View(cellNumber).visible) {
        return; // hidden tiles take no mouse
    }
    ShowHoverMaskAt(board_.CellOf(cellNumber));
}

void Game::ShowHoverMaskAt(Cell c)
{
    cursor_ = c;
    const MaskState moved{true, geometry_.Left(c.x), geometry_.Top(c.y)};
    if (mb2_.visible != moved.visible || mb2_.left != moved.left || mb2_.top != moved.top) {
        mb2_ = moved;
        emit masksChanged();
    }
}

void Game::MoveCursor(Direction direction)
{
    if (!boardVisible_ || !level_ || board_.CellCount() == 0) {
        return;
    }
    if (!board_.InField(cursor_)) {
        ShowHoverMaskAt({1, 1});
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
    ShowHoverMaskAt(c);
}

void Game::PressCursor(MouseButton button)
{
    if (!boardVisible_ || !level_ || !mb2_.visible) {
        return;
    }
    // The selection mask lies above the hover mask and takes the click.
    if (selected_ && geometry_.CellAt(mb2_.left, mb2_.top) == Cell{x1_, y1_}) {
        PressSelectionMask(button);
    } else {
        PressHoverMask(button);
    }
    // A removed pair takes the hover mask with it; the keyboard's cursor
    // stays where it is, on the emptied cell or what slid into it.
    if (boardVisible_ && !mb2_.visible) {
        ShowHoverMaskAt(cursor_);
    }
}

void Game::DropSelection()
{
    if (boardVisible_) {
        PressBoard(MouseButton::Right);
    }
}

void Game::HoverBoard()
{
    if (mb2_.visible) {
        mb2_.visible = false;
        emit masksChanged();
    }
}

void Game::CancelSelection()
{
    mb1_.visible = false;
    sound_.PlaySoundEffect(SoundEffect::Cancel);
    ClearSelection();
    emit masksChanged();
}

void Game::ClearSelection()
{
    selected_ = false;
    x1_ = y1_ = 0;
}

void Game::PressSelectionMask(MouseButton button)
{
    // Clicking the selected tile again keeps it selected; the right button
    // lets it go.
    if (button == MouseButton::Right) {
        CancelSelection();
    }
}

void Game::PressBoard(MouseButton button)
{
    if (button == MouseButton::Right && selected_) {
        CancelSelection();
    }
}

void Game::PressHoverMask(MouseButton button)
{
    if (!mb2_.visible) {
        return;
    }
    if (button != MouseButton::Left) {
        CancelSelection();
        return;
    }
    const Cell under = geometry_.CellAt(mb2_.left, mb2_.top);
    if (board_.At(under) == 0) {
        // The keyboard's cursor may rest on an empty cell: a press there
        // lands on the bare board.
        PressBoard(button);
        return;
    }
    if (!selected_) {
        mb1_ = MaskState{true, mb2_.left, mb2_.top};
        sound_.PlaySoundEffect(SoundEffect::Select);
        x1_ = under.x;
        y1_ = under.y;
        selected_ = true;
        emit masksChanged();
        return;
    }

    const LinkDecision decision = IsLink(board_, x1_, y1_, under.x, under.y, state_.GameMode);
    if (!decision.linked) {
        mb1_.visible = false;
        sound_.PlaySoundEffect(SoundEffect::Cancel);
        ClearSelection();
        emit masksChanged();
        return;
    }
    if (decision.path.segments > 0) {
        ShowLinkPath(decision.path);
    }
    const Cell first{x1_, y1_};
    ClearSelection();
    undo_.Push({static_cast<std::int16_t>(first.x), static_cast<std::int16_t>(first.y), board_.At(first)});
    undo_.Push({static_cast<std::int16_t>(under.x), static_cast<std::int16_t>(under.y), board_.At(under)});
    board_.RemoveTile(first);
    board_.RemoveTile(under);
    state_.UserJF = ChangedScore(state_.UserJF, 1);
    ShowScore();
    mb1_.visible = false;
    mb2_.visible = false;
    emit masksChanged();
    emit tilesChanged();
    sound_.PlaySoundEffect(SoundEffect::Link);
    linkAnimation_->Start();

    // The board counts as cleared when no tile is left on it, whatever a
    // hint flash may be hiding at that moment.
    if (board_.TileCount() == 0) {
        LevelCleared();
    } else {
        FollowUpAfterRemoval();
    }
}

void Game::FollowUpAfterRemoval()
{
    switch (RulesFor(state_.GameMode).followUp) {
    case FollowUp::TimeBonus:
        timeLeft_ += timeStep_;
        break;
    case FollowUp::DeadBoardTest:
        FindPair(false);
        timeLeft_ += timeStep_;
        break;
    case FollowUp::SlideDownAndTest:
        SlideDown(board_);
        emit tilesChanged();
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
        emit tilesChanged();
        FindPair(false);
        break;
    case FollowUp::Nothing:
        break;
    }
    emit timeChanged();
}

void Game::ShowLinkPath(const LinkPath& path)
{
    for (int i = 0; i < 3; ++i) {
        LinkLine& line = lines_[static_cast<std::size_t>(i)];
        line.visible = i < path.segments;
        if (line.visible) {
            line.from = geometry_.Centre(path.points[static_cast<std::size_t>(i)]);
            line.to = geometry_.Centre(path.points[static_cast<std::size_t>(i + 1)]);
        }
    }
    emit linesChanged();
}

void Game::LinkAnimationTick()
{
    ++lineTick_;
    for (auto& line : lines_) {
        line.width = lineTick_;
    }
    if (lineTick_ >= kLinkAnimationTicks) {
        for (auto& line : lines_) {
            line.visible = false;
            line.width = 1;
        }
        lineTick_ = 0;
        linkAnimation_->Stop();
    }
    emit linesChanged();
}

// ---------------------------------------------------------------------------
// Board tools

void Game::ShuffleBoard()
{
    sound_.PlaySoundEffect(SoundEffect::Shuffle);
    daz::ShuffleBoard(board_, random_);
    emit tilesChanged();
}

void Game::UndoLastPair()
{
    daz::UndoLastPair(board_, undo_);
    emit tilesChanged();
}

void Game::FindPair(bool showHint)
{
    const auto pair = daz::FindPair(board_);
    if (!pair) {
        if (!showHint) {
            ShuffleBoard();
        }
        return;
    }
    if (showHint) {
        // A new hint during a flash takes over its count; the tiles of the
        // old pair must not stay hidden.
        if (hintFlash_->IsActive() && (hintA_ != pair->first || hintB_ != pair->second)) {
            ShowHintedTilesAsTheyAre();
        }
        hintA_ = pair->first;
        hintB_ = pair->second;
        hintFlash_->Start();
    }
}

void Game::HintFlashTick()
{
    const bool bothShown = board_.View(hintA_).visible && board_.View(hintB_).visible;
    for (const int n : {hintA_, hintB_}) {
        // Only tiles still on the board flash: an emptied cell never shows.
        board_.SetVisible(n, !bothShown && Occupied(n));
    }
    emit tilesChanged();
    sound_.PlaySoundEffect(SoundEffect::HintTick);
    if (++hintTick_ >= kHintFlashTicks) {
        EndHintFlash();
    }
}

void Game::EndHintFlash()
{
    hintFlash_->Stop();
    if (hintTick_ != 0) {
        ShowHintedTilesAsTheyAre();
    }
    hintTick_ = 0;
}

bool Game::Occupied(int cellNumber) const
{
    return cellNumber >= 1 && cellNumber <= board_.CellCount() && board_.At(board_.CellOf(cellNumber)) != 0;
}

void Game::ShowHintedTilesAsTheyAre()
{
    for (const int n : {hintA_, hintB_}) {
        if (n >= 1 && n <= board_.CellCount()) {
            board_.SetVisible(n, Occupied(n));
        }
    }
    emit tilesChanged();
}

// ---------------------------------------------------------------------------
// Toolbar commands

void Game::SetToolsEnabled(bool enabled)
{
    if (toolsEnabled_ != enabled) {
        toolsEnabled_ = enabled;
        emit toolsChanged();
    }
}

void Game::PauseCommand()
{
    if (!toolsEnabled_) {
        return;
    }
    sound_.PlaySoundEffect(SoundEffect::Pause);
    SetToolsEnabled(false);
    ShowOverlay();
}

void Game::PauseQuietly()
{
    if (level_ && playState_ == PlayState::No && boardVisible_) {
        SetToolsEnabled(false);
        ShowOverlay();
    }
}

void Game::ToolRefused()
{
    sound_.PlaySoundEffect(SoundEffect::Cancel);
}

bool Game::UndoCommand()
{
    if (!toolsEnabled_ || undo_.UndoCount() <= 0 || !CanAffordTool(undoLeft_, state_.UserJF, kUndoCost)) {
        return false;
    }
    sound_.PlaySoundEffect(SoundEffect::Undo);
    UndoLastPair();
    --undoLeft_;
    state_.UserJF = ChangedScore(state_.UserJF, -kUndoCost);
    emit toolsChanged();
    ShowScore();
    return true;
}

bool Game::HintCommand()
{
    if (!toolsEnabled_ || !CanAffordTool(hintLeft_, state_.UserJF, kHintCost)) {
        return false;
    }
    FindPair(true); // paid for even when there is nothing to show
    --hintLeft_;
    state_.UserJF = ChangedScore(state_.UserJF, -kHintCost);
    emit toolsChanged();
    ShowScore();
    return true;
}

bool Game::ShuffleCommand()
{
    if (!toolsEnabled_ || !CanAffordTool(shuffleLeft_, state_.UserJF, kShuffleCost)) {
        return false;
    }
    ShuffleBoard();
    --shuffleLeft_;
    state_.UserJF = ChangedScore(state_.UserJF, -kShuffleCost);
    emit toolsChanged();
    ShowScore();
    return true;
}

// ---------------------------------------------------------------------------
// Clock and the end of a level

void Game::ClockTick()
{
    random_.ReseedFromClock();
    captionColour_ = random_.Draw(16) - 1;
    emit captionChanged();
    timeLeft_ -= timeStep_;
    emit timeChanged();
    if (timeLeft_ <= timeStep_) {
        TimedOut();
    }
}

void Game::HideBoard(OverlayPicture picture)
{
    boardVisible_ = false;
    clock_->Stop();
    jitter_->Start();
    overlay_.picture = picture;
    overlay_.visible = true;
    emit overlayChanged();
}

void Game::TimedOut()
{
    HideBoard(OverlayPicture::TimedOut);
    playState_ = PlayState::Yes;
    sound_.PlaySoundEffect(SoundEffect::GameOver);
    SetToolsEnabled(false);
}

void Game::LevelCleared()
{
    playState_ = PlayState::Next;
    SetToolsEnabled(false);
    HideBoard(OverlayPicture::Cleared);
    sound_.PlaySoundEffect(SoundEffect::Win);
}

void Game::ShowOverlay()
{
    if (unplayable_) {
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

void Game::JitterTick()
{
    random_.ReseedFromClock();
    overlay_.jitterX = random_.Draw(200);
    overlay_.jitterY = random_.Draw(200);
    if (overlay_.visible) {
        emit overlayChanged();
    }
}

OverlayAction Game::OverlayClick()
{
    switch (playState_) {
    case PlayState::Yes:
        return OverlayAction::None;
    case PlayState::No:
        SetToolsEnabled(true);
        boardVisible_ = true;
        overlay_.visible = false;
        clock_->Start();
        jitter_->Stop();
        emit overlayChanged();
        return OverlayAction::Resumed;
    case PlayState::Next:
        overlay_.visible = false;
        jitter_->Stop();
        emit overlayChanged();
        return OverlayAction::NextLevel;
    }
    return OverlayAction::None;
}

void Game::ShowScore()
{
    score_ = daz::ShowScore(state_.UserJF);
    emit scoreChanged();
}

} // namespace daz
