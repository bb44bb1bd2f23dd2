#pragma once

#include <array>
#include <memory>

#include <QObject>
#include <QString>

#include "engine/Board.h"
#include "engine/Deal.h"
#include "engine/Geometry.h"
#include "engine/HintSearch.h"
#include "engine/LinkTest.h"
#include "engine/Random.h"
#include "game/GameState.h"
#include "game/Level.h"
#include "game/SoundEffects.h"
#include "platform/Timer.h"

namespace daz {

enum class MouseButton { Left, Right, Middle };

// Where an arrow key moves the keyboard cursor.
enum class Direction { Left, Right, Up, Down };

// A picture laid over the board (the two masks), in board-area twips.
struct MaskState {
    bool visible = false;
    int left = 0;
    int top = 0;
};

// One of the three segments of a drawn link path, in board-area twips.
struct LinkLine {
    bool visible = false;
    PointF from;
    PointF to;
    int width = 1; // pixels
};

// The picture shown in place of the board while it is hidden.
enum class OverlayPicture { Paused = 13, TimedOut = 14, Cleared = 15 };

struct Overlay {
    bool visible = false;
    OverlayPicture picture = OverlayPicture::Paused;
    // The jitter: 1 … 200 window twips right of and below the centred spot.
    int jitterX = 1;
    int jitterY = 1;
};

// What a click on the overlay asks of whoever loads levels.
enum class OverlayAction { None, Resumed, NextLevel };

// The main window's game without its widgets: the level on the board, the
// player's hand on it, the clock, the tools and the score. Widgets paint
// what it holds and forward the mouse; tests drive it directly.
class Game : public QObject {
    Q_OBJECT

public:
    // The board area, in twips: 782 × 544 pixels.
    static constexpr int kBoardWidth = 11730;
    static constexpr int kBoardHeight = 8160;
    static constexpr float kFullTime = 3000;

    Game(ProgramState& state, SoundSink& sound, platform::TimerFactory& timers, Random& random);
    ~Game() override;

    // --- Level loading -------------------------------------------------
    // First half of a level load: the caption names the level, anything
    // ticking for the old level stops, masks and lines disappear.
    void BeginLevel(const QString& caption);
    // Second half: deals the level and starts its clock.
    void StartLevel(Level level);
    // The level could not be read: the board stays empty and nothing runs
    // until another level is loaded.
    void ShowUnplayable();

    // --- The mouse over the board area (twips inside the board area) ---
    void MouseMove(int x, int y);
    void MousePress(int x, int y, MouseButton button);
    // The same by control, for callers that know what is under the mouse.
    void HoverTile(int cellNumber);
    void HoverBoard();
    void PressHoverMask(MouseButton button);
    void PressSelectionMask(MouseButton button);
    void PressBoard(MouseButton button);

    // --- The keyboard over the board -----------------------------------
    // The cursor is the hover mask: an arrow key moves it one cell from
    // where it (or the mouse) last was, wrapping at the edges, and it may
    // rest on an empty cell. The first move of a level starts at the
    // top-left cell.
    void MoveCursor(Direction direction);
    // A click on the cell under the cursor, as the mouse would make it
    // there: on the selected tile, on another tile, or on the bare board.
    // The cursor stays in sight after a removed pair.
    void PressCursor(MouseButton button);
    // Lets the selected tile go, as a right click on the bare board does.
    void DropSelection();
    // The cell the hover mask is on, or was on last; (0, 0) before any.
    Cell CursorCell() const { return cursor_; }

    // --- Board tools ---------------------------------------------------
    void ShuffleBoard();
    void UndoLastPair();
    // Hint (showHint) or dead-board test (reshuffles when no pair is left).
    void FindPair(bool showHint);

    // --- Toolbar commands: each checks its counter and the score -------
    void PauseCommand();
    bool UndoCommand();
    bool HintCommand();
    bool ShuffleCommand();
    // The sound of a tool refused because the score cannot pay for it.
    void ToolRefused();

    // --- The end of a level --------------------------------------------
    void ShowOverlay();
    OverlayAction OverlayClick();
    // Pauses a level in play, as the pause command does, without its sound
    // (the window was minimised).
    void PauseQuietly();

    // --- Score ---------------------------------------------------------
    void ShowScore();
    const ScoreDisplay& Score() const { return score_; }

    // --- What there is to see ------------------------------------------
    const ProgramState& State() const { return state_; }
    const Board& GetBoard() const { return board_; }
    std::vector<int> TakeChangedCells() { return board_.TakeChangedCells(); }
    const CellGeometry& Geometry() const { return geometry_; }
    const Level* CurrentLevel() const { return level_ ? &*level_ : nullptr; }
    const MaskState& SelectionMask() const { return mb1_; }
    const MaskState& HoverMask() const { return mb2_; }
    const std::array<LinkLine, 3>& Lines() const { return lines_; }
    const Overlay& GetOverlay() const { return overlay_; }
    bool BoardVisible() const { return boardVisible_; }
    const QString& Caption() const { return caption_; }
    int CaptionColour() const { return captionColour_; } // index into the 16-colour palette
    float TimeLeft() const { return timeLeft_; }
    std::int16_t TimeStep() const { return timeStep_; }
    PlayState GetPlayState() const { return playState_; }
    bool ToolsEnabled() const { return toolsEnabled_; }
    int UndoLeft() const { return undoLeft_; }
    int HintLeft() const { return hintLeft_; }
    int ShuffleLeft() const { return shuffleLeft_; }
    int UndoCount() const { return undo_.UndoCount(); }
    const UndoStack& Undo() const { return undo_; }
    bool Selected() const { return selected_; }
    Cell FirstSelected() const { return {x1_, y1_}; }
    int LineTick() const { return lineTick_; }
    int HintTick() const { return hintTick_; }
    CellPair HintPair() const { return {hintA_, hintB_}; }

    // The timers, for whoever wants to know what runs.
    bool ClockRunning() const;
    bool JitterRunning() const;
    bool HintFlashRunning() const;
    bool LinkAnimationRunning() const;

    // Board-area twips of a tile control (its picture's size, at its cell).
    struct Rect {
        int left = 0, top = 0, width = 0, height = 0;
        bool Contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
    };
    Rect TileRect(int cellNumber) const;
    Rect MaskRect(const MaskState& mask, const QImage& picture) const;

signals:
    void levelStarted();   // everything changed
    void tilesChanged();   // TakeChangedCells() says which
    void masksChanged();
    void linesChanged();
    void overlayChanged(); // the overlay, and whether the board shows
    void timeChanged();
    void captionChanged(); // text or colour
    void toolsChanged();   // counters or their labels' enabled state
    void scoreChanged();

private:
    void ClockTick();
    void JitterTick();
    void HintFlashTick();
    void LinkAnimationTick();

    void CancelSelection();
    void FollowUpAfterRemoval();
    void LevelCleared();
    void TimedOut();
    void HideBoard(OverlayPicture picture);
    void SetToolsEnabled(bool enabled);
    void ShowLinkPath(const LinkPath& path);
    void EndHintFlash();
    // The hinted tiles shown exactly when they are on the board: a flash
    // that ends or is cut short never leaves a tile hidden.
    void ShowHintedTilesAsTheyAre();
    bool Occupied(int cellNumber) const;
    void ClearSelection();
    void ShowHoverMaskAt(Cell c);
    int TileAt(int x, int y) const;

    ProgramState& state_;
    SoundSink& sound_;
    Random& random_;

    std::unique_ptr<platform::Timer> clock_;         // Timer1: the level clock
    std::unique_ptr<platform::Timer> jitter_;        // Timer2: the overlay's jitter
    std::unique_ptr<platform::Timer> hintFlash_;     // Timer3
    std::unique_ptr<platform::Timer> linkAnimation_; // Timer5

    std::optional<Level> level_;
    Board board_;
    CellGeometry geometry_;
    UndoStack undo_;

    QString caption_;
    int captionColour_ = 0;
    float timeLeft_ = kFullTime;
    std::int16_t timeStep_ = 0;
    int undoLeft_ = 0;
    int hintLeft_ = 0;
    int shuffleLeft_ = 0;
    bool toolsEnabled_ = false;
    PlayState playState_ = PlayState::No;
    bool unplayable_ = false;

    bool selected_ = false;
    int x1_ = 0, y1_ = 0;
    Cell cursor_;
    MaskState mb1_;
    MaskState mb2_;
    std::array<LinkLine, 3> lines_{};
    int lineTick_ = 0;

    int hintA_ = 0;
    int hintB_ = 0;
    int hintTick_ = 0;

    bool boardVisible_ = true;
    Overlay overlay_;
    ScoreDisplay score_;
};

} // namespace daz
