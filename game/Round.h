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
#include "leveldata/Formats.h"
#include "platform/Timer.h"

namespace daz {

enum class MouseButton { Left, Right, Middle };

// Where an arrow key moves the keyboard cursor.
enum class Direction { Left, Right, Up, Down };

// Where a round stands. The board shows while a level is played (and, empty,
// while there is none); the view hides it behind a picture in the three
// phases after.
enum class Phase {
    NoLevel,  // nothing dealt yet, or the level could not be read
    Playing,  // the clock runs and the tools work
    Paused,   // the clock stands; a click on the picture goes on
    TimedOut, // the clock ran out
    Cleared,  // no tile is left; a click on the picture deals the next level
};

// Whether the board hides behind a picture in this phase.
inline bool BoardHidden(Phase phase)
{
    return phase == Phase::Paused || phase == Phase::TimedOut || phase == Phase::Cleared;
}

// Whether a level is dealt and neither cleared nor timed out (paused or not).
inline bool InPlay(Phase phase)
{
    return phase == Phase::Playing || phase == Phase::Paused;
}

// How a round ended.
enum class RoundEnd { Cleared, TimedOut };

// The tools the player may use while a level is played.
enum class Tool { Undo, Hint, Shuffle, Pause };

// A number for each counted tool: how often it is left, or was used.
struct ToolCounts {
    int undo = 0, hint = 0, shuffle = 0;
    friend bool operator==(const ToolCounts&, const ToolCounts&) = default;
};

// The player's hand as it shows: the selected tile and the cursor, when
// either is there.
struct Hand {
    std::optional<Cell> selection;
    std::optional<Cell> cursor;
    friend bool operator==(const Hand&, const Hand&) = default;
};

// A cell whose tile changed, and what lay there before.
struct TileChange {
    Cell cell;
    TileCode before = 0;
    TileCode after = 0;
};

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
    // Played untimed: the bar stays full, and its result is kept apart.
    bool untimed = false;
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

    explicit Round(platform::TimerFactory& timers);
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
    // The clock starts, or the level stays paused when it was kept so.
    // The state must fit the settings (KeptRound checks it); its
    // generator goes on where it stood (the flow gives a fresh seed to a
    // state kept without one).
    void Resume(const LevelSettings& settings, int mode, const RoundState& state);
    // The level as it stands: what a kept round needs, and what a result
    // counts (its seconds, the tools used, the score at the deal).
    RoundState State() const;
    // The level could not be read: the board stays empty and nothing runs
    // until another level starts.
    void ShowUnplayable();
    // Untimed play, the player's choice: the bar stays full and the level
    // never times out; the seconds are still counted. Turned on, it takes
    // the level in play too, whose result is then kept with the untimed
    // ones (a timed result is never earned with the clock stopped); turned
    // off, it starts with the next level dealt. A kept level goes on as it
    // was kept.
    void SetUntimedPlay(bool on);
    bool Untimed() const { return untimed_; }

    // --- The hand -------------------------------------------------------
    // The pointer rests on the tile of a cell (a hidden or empty cell is
    // ignored), or on no tile.
    void Hover(std::optional<Cell> cell);
    // A click on the tile of a cell, on the selected tile, or on the bare
    // board; the view tells which of these is under the pointer. A right
    // click on the bare board lets the selected tile go.
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

    // --- Tools ------------------------------------------------------------
    // Whether a tool works now: the level is played, its counter is left,
    // the score pays for it (and for undo, a pair has gone).
    bool CanUse(Tool tool) const;
    // Uses a tool when it works. A tool the score cannot pay for is
    // refused (toolRefused); one that does not work else does nothing.
    bool Use(Tool tool);
    // Pauses a level being played, without the pause's sound (a menu
    // opened, the window minimised).
    void PauseQuietly();
    // A paused level goes on.
    void Continue();
    // A new arrangement of the tiles left, free of charge (a stuck board).
    void ShuffleBoard();

    // --- What there is to see ------------------------------------------
    void SetScore(std::int64_t score);
    std::int64_t Score() const { return score_; }
    Phase GetPhase() const { return phase_; }
    const Board& GetBoard() const { return board_; }
    const UndoStack& Undo() const { return undo_; }
    // The level's seed, and where its generator stands now.
    RandomPlace RandomAt() const { return random_.Place(); }
    int Mode() const { return mode_; }
    std::optional<Cell> Selection() const { return selection_; }
    // The cell the cursor is on, or was on last; (0, 0) before any. It is
    // shown (the hover mask) while CursorShown().
    Cell CursorCell() const { return cursor_; }
    bool CursorShown() const { return cursorShown_; }
    float TimeLeft() const { return timeLeft_; }
    // How often a counted tool may still be used (pausing is not counted).
    int Left(Tool tool) const;

signals:
    void phaseChanged(Phase phase);
    void left();  // the level is left: motion stops
    void dealt(); // a new board (or none): everything changed
    // Tiles went, came back, slid or moved: each cell that changed.
    void boardChanged(const std::vector<TileChange>& changes);
    void handChanged(Hand before, Hand after);
    void tileSelected(Cell cell);
    void selectionDropped(); // let go, or the second tile refused
    void pairRemoved(Cell first, Cell second, LinkPath path);
    void shuffled(); // by the tool or because no pair was left
    void hintFound(Cell first, Cell second);
    void toolUsed(Tool tool);
    void toolRefused(Tool tool);    // the score cannot pay for it
    void ticked(int secondsPlayed); // a second of the level's clock
    void timeChanged(float timeLeft);
    void countersChanged(ToolCounts left);
    void scoreChanged(std::int64_t score);
    void ended(RoundEnd how);
    void turnedUntimed(); // the level in play, timed until now

private:
    // Sets up a level as the state holds it; Start and Resume end here.
    void Begin(const LevelSettings& settings, int mode, const RoundState& state);
    void SetPhase(Phase phase);
    void ClockTick();
    Hand CurrentHand() const;
    void HandChangedFrom(const Hand& before);
    void BoardChangedFrom(const Board& before);
    void Select(Cell cell);
    void CancelSelection();
    void ClearHand();
    void TryPair(Cell second);
    void FollowUpAfterRemoval();
    void FindPair(bool showHint);
    void ShowCursorAt(Cell cell);

    Random random_{0};                       // the level's: seeded at the deal, never from the clock
    std::unique_ptr<platform::Timer> clock_; // "LevelClock": one tick a second

    Phase phase_ = Phase::NoLevel;
    Board board_;
    UndoStack undo_;
    int mode_ = 0;

    std::optional<Cell> selection_;
    Cell cursor_;
    bool cursorShown_ = false;

    float timeLeft_ = kFullTime;
    std::int16_t timeStep_ = 0;
    ToolCounts left_;
    ToolCounts uses_;
    std::int64_t score_ = 0;
    std::int64_t scoreAtStart_ = 0;
    int secondsPlayed_ = 0;
    bool untimed_ = false;     // the level in play
    bool untimedPlay_ = false; // the player's choice, for the levels dealt
};

} // namespace daz
