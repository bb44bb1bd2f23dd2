#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>

#include "engine/Board.h"
#include "engine/Deal.h"
#include "engine/HintSearch.h"
#include "engine/LinkTest.h"
#include "engine/Random.h"
#include "game/GameState.h"
#include "game/SoundEffects.h"
#include "leveldata/Formats.h"
#include "platform/Timer.h"

namespace daz {

enum class MouseButton { Left, Right, Middle };

// Where an arrow key moves the keyboard cursor.
enum class Direction { Left, Right, Up, Down };

// The picture shown in place of the board while it is hidden.
enum class OverlayPicture { Paused = 13, TimedOut = 14, Cleared = 15 };

// What a click on the overlay asks of whoever loads levels.
enum class OverlayAction { None, Resumed, NextLevel };

// How a round ended.
enum class RoundEnd { Cleared, TimedOut };

// A level in play as it stands, to be kept across a quit and resumed:
// everything the round needs to go on where it was, nothing it can find
// again from the level's settings and the mode.
struct RoundState {
    int maxX = 0;
    int maxY = 0;
    std::vector<TileCode> cells; // cell 1 … maxX × maxY, row by row; 0 for an empty cell
    std::vector<UndoEntry> undo; // the undo records, oldest first
    int undoLeft = 0, hintLeft = 0, shuffleLeft = 0;
    int undoUsed = 0, hintUsed = 0, shuffleUsed = 0;
    float timeLeft = 0;
    int secondsPlayed = 0;
    std::int64_t scoreAtStart = 0;
    bool paused = false;
    // The level's generator: its seed and the draws since. A round kept
    // before rounds kept it has none; it goes on with a fresh seed.
    std::optional<RandomPlace> random;
    friend bool operator==(const RoundState&, const RoundState&) = default;
};

// One level in play, in cells: the board, the player's hand on it (the
// selected tile and the cursor), the clock, the tools and the score. Its
// commands take cells; its signals say what happened. It knows nothing of
// where a cell is drawn: the view maps the pointer to cells and animates
// what the signals tell.
class Round : public QObject {
    Q_OBJECT

public:
    static constexpr float kFullTime = 3000;

    Round(SoundSink& sound, platform::TimerFactory& timers);
    ~Round() override;

    // --- A level ------------------------------------------------------
    // The level before is left: its clock stops, the hand is let go.
    void Leave();
    // Deals a level of these settings in the mode and starts its clock.
    // The deal and every reshuffle and random slide of the level come
    // from the seed: the same seed and the same moves give the same boards.
    void Start(const LevelSettings& settings, int mode, std::uint64_t seed);
    // Goes on with a level kept from before: the board, the counters, the
    // time and the undo records as the state holds them, nothing dealt.
    // The clock starts, or the pause picture shows when it was paused.
    // The state must fit the settings (KeptRound checks it); its
    // generator goes on where it stood (the flow gives a fresh seed to a
    // state kept without one).
    void Resume(const LevelSettings& settings, int mode, const RoundState& state);
    // The level in play as it stands; meaningful while InPlay().
    RoundState State() const;
    // Whether a level is dealt and neither cleared nor timed out (paused
    // or not).
    bool InPlay() const { return hasLevel_ && playState_ == PlayState::No; }
    // The level could not be read: the board stays empty and nothing runs
    // until another level starts.
    void ShowUnplayable();

    // --- The hand -------------------------------------------------------
    // The pointer rests on the tile of a cell (a hidden or empty cell is
    // ignored), or on no tile.
    void Hover(Cell cell);
    void HoverNothing();
    // A click on the tile of a cell, on the selected tile, or on the bare
    // board; the view tells which of these is under the pointer.
    void ClickTile(Cell cell, MouseButton button);
    void ClickSelected(MouseButton button);
    void ClickBoard(MouseButton button);
    // The keyboard: an arrow moves the cursor one cell from where it (or
    // the pointer) last was, wrapping at the edges, resting on empty cells
    // too; the first move of a level starts at the top-left cell.
    void MoveCursor(Direction direction);
    // A click on the cell under the cursor, as the pointer would make it.
    // The cursor stays in sight after a removed pair.
    void PressCursor(MouseButton button);
    // Lets the selected tile go, as a right click on the bare board does.
    void DropSelection();

    // --- Tools: each checks its counter and the score ------------------
    void PauseCommand();
    bool UndoCommand();
    bool HintCommand();
    bool ShuffleCommand();
    // The sound of a tool refused because the score cannot pay for it.
    void ToolRefused();
    // A new arrangement of the tiles left, free of charge (a stuck board).
    void ShuffleBoard();

    // --- The board hidden ----------------------------------------------
    // Hides the board behind the picture its state calls for; a level in
    // play pauses and its tools rest.
    void ShowOverlay();
    OverlayAction OverlayClick();
    // Pauses a level in play without a sound (the window was minimised).
    void PauseQuietly();

    // --- Score ----------------------------------------------------------
    void SetScore(std::int64_t score);
    std::int64_t Score() const { return score_; }
    ScoreDisplay ShownScore() const { return daz::ShowScore(score_); }
    // The score when the level was dealt.
    std::int64_t ScoreAtStart() const { return scoreAtStart_; }
    // The seconds the level's clock has run (pauses do not count).
    int SecondsPlayed() const { return secondsPlayed_; }
    // How often each tool was used in this level.
    struct ToolUses {
        int undo = 0, hint = 0, shuffle = 0;
    };
    const ToolUses& Uses() const { return uses_; }

    // --- What there is to see ------------------------------------------
    const Board& GetBoard() const { return board_; }
    const UndoStack& Undo() const { return undo_; }
    // The level's seed, and where its generator stands now.
    std::uint64_t Seed() const { return random_.Place().seed; }
    RandomPlace RandomAt() const { return random_.Place(); }
    bool HasLevel() const { return hasLevel_; }
    int Mode() const { return mode_; }
    std::optional<Cell> Selection() const { return selection_; }
    // The cell the cursor is on, or was on last; (0, 0) before any. It is
    // shown (the hover mask) while CursorShown().
    Cell CursorCell() const { return cursor_; }
    bool CursorShown() const { return cursorShown_; }
    float TimeLeft() const { return timeLeft_; }
    PlayState GetPlayState() const { return playState_; }
    bool BoardVisible() const { return boardVisible_; }
    std::optional<OverlayPicture> Overlay() const { return overlay_; }
    bool ToolsEnabled() const { return toolsEnabled_; }
    int UndoLeft() const { return undoLeft_; }
    int HintLeft() const { return hintLeft_; }
    int ShuffleLeft() const { return shuffleLeft_; }
    bool ClockRunning() const;

signals:
    void left();         // the level is left: motion stops
    void dealt();        // a new board (or none): everything changed
    void boardChanged(); // tiles went, came back, slid or moved
    void handChanged();  // the selection or the cursor
    void pairRemoved(Cell first, Cell second, LinkPath path);
    void hintFound(Cell first, Cell second);
    void ticked(); // a second of the level's clock
    void timeChanged();
    void toolsChanged(); // counters or whether the tools work
    void scoreChanged();
    void overlayChanged(); // the board hidden or shown, and the picture
    void ended(RoundEnd how);

private:
    void ClockTick();
    void Select(Cell cell);
    void CancelSelection();
    void ClearHand();
    void TryPair(Cell second);
    void FollowUpAfterRemoval();
    void FindPair(bool showHint);
    void UndoLastPair();
    void HideBoard(OverlayPicture picture);
    void SetToolsEnabled(bool enabled);
    void ShowCursorAt(Cell cell);
    void Pay(int cost);

    SoundSink& sound_;
    Random random_{0};                       // the level's: seeded at the deal, never from the clock
    std::unique_ptr<platform::Timer> clock_; // "LevelClock": one tick a second

    Board board_;
    UndoStack undo_;
    int mode_ = 0;
    bool hasLevel_ = false;

    std::optional<Cell> selection_;
    Cell cursor_;
    bool cursorShown_ = false;

    float timeLeft_ = kFullTime;
    std::int16_t timeStep_ = 0;
    int undoLeft_ = 0;
    int hintLeft_ = 0;
    int shuffleLeft_ = 0;
    bool toolsEnabled_ = false;
    PlayState playState_ = PlayState::No;
    bool boardVisible_ = true;
    std::optional<OverlayPicture> overlay_;
    std::int64_t score_ = 0;
    std::int64_t scoreAtStart_ = 0;
    int secondsPlayed_ = 0;
    ToolUses uses_;
};

} // namespace daz
