// The round on its own: its phases, its tools and what its signals carry,
// driven by the fake level clock and dealt from a fixed seed.
#include <set>

#include <gtest/gtest.h>

#include <QStringList>

#include "FakeTimers.h"
#include "engine/Compaction.h"
#include "game/Round.h"

namespace daz {
namespace {

using testing::FakeTimerFactory;

const LevelSettings kSmall{4, 2, 2, 0, {}, 0};

// Phases and tools in the order of their enums.
QString Name(Phase phase)
{
    return QStringList{"none", "playing", "paused", "timed out", "cleared"}.at(static_cast<int>(phase));
}

QString Name(Tool tool)
{
    return QStringList{"undo", "hint", "shuffle", "pause"}.at(static_cast<int>(tool));
}

std::vector<TileCode> Tiles(const Board& board)
{
    return {board.Grid().begin(), board.Grid().end()};
}

class RoundTest : public ::testing::Test {
protected:
    RoundTest()
    {
        // What the round says, with what each signal carries.
        const auto note = [this](const QString& text) { said.append(text); };
        QObject::connect(&round, &Round::phaseChanged, [note](Phase p) { note(Name(p)); });
        QObject::connect(&round, &Round::tileSelected,
                         [note](Cell c) { note(QStringLiteral("select %1,%2").arg(c.x).arg(c.y)); });
        QObject::connect(&round, &Round::selectionDropped, [note] { note(QStringLiteral("drop")); });
        QObject::connect(&round, &Round::pairRemoved,
                         [note](Cell, Cell, const LinkPath&) { note(QStringLiteral("pair")); });
        QObject::connect(&round, &Round::shuffled, [note] { note(QStringLiteral("shuffled")); });
        QObject::connect(&round, &Round::hintFound, [note](Cell, Cell) { note(QStringLiteral("hint")); });
        QObject::connect(&round, &Round::toolUsed, [note](Tool t) { note(QStringLiteral("use ") + Name(t)); });
        QObject::connect(&round, &Round::toolRefused, [note](Tool t) { note(QStringLiteral("refuse ") + Name(t)); });
        QObject::connect(&round, &Round::ended, [note](RoundEnd how) {
            note(how == RoundEnd::Cleared ? QStringLiteral("ended cleared") : QStringLiteral("ended timed out"));
        });
        QObject::connect(&round, &Round::scoreChanged, [this](std::int64_t score) { lastScore = score; });
        QObject::connect(&round, &Round::timeChanged, [this](float time) { lastTime = time; });
        QObject::connect(&round, &Round::countersChanged, [this](ToolCounts left) { lastLeft = left; });
        QObject::connect(&round, &Round::ticked, [this](int seconds) { lastSecond = seconds; });
        QObject::connect(&round, &Round::handChanged, [this](const Hand& before, const Hand& after) {
            EXPECT_EQ(before, hand) << "the hand before is the one shown";
            hand = after;
        });
        QObject::connect(&round, &Round::boardChanged, [this](const std::vector<TileChange>& changes) {
            for (const TileChange& change : changes) {
                EXPECT_EQ(change.before, shown.At(change.cell));
                EXPECT_EQ(change.after, round.GetBoard().At(change.cell));
                shown.PlaceTile(change.cell, change.after);
            }
            EXPECT_EQ(Tiles(shown), Tiles(round.GetBoard())) << "every changed cell is told";
        });
        QObject::connect(&round, &Round::dealt, [this] { shown = round.GetBoard(); });
    }

    void Tick(int times = 1) { timers.Fire(QStringLiteral("LevelClock"), times); }

    // Two tiles that go as a pair in the mode, by their cells; none when
    // no pair is left.
    std::optional<std::pair<Cell, Cell>> APair() const
    {
        const Board& board = round.GetBoard();
        if (round.Mode() != 1) {
            if (const auto pair = FindPair(board)) {
                return std::pair{board.CellOf(pair->first), board.CellOf(pair->second)};
            }
            return std::nullopt;
        }
        for (int i = 1; i <= board.CellCount(); ++i) {
            for (int j = i + 1; j <= board.CellCount(); ++j) {
                const TileCode code = board.At(board.CellOf(i));
                if (code != 0 && code == board.At(board.CellOf(j))) {
                    return std::pair{board.CellOf(i), board.CellOf(j)};
                }
            }
        }
        return std::nullopt;
    }

    void RemoveAPair()
    {
        const auto pair = APair();
        ASSERT_TRUE(pair);
        round.ClickTile(pair->first, MouseButton::Left);
        round.ClickTile(pair->second, MouseButton::Left);
    }

    FakeTimerFactory timers;
    static constexpr std::uint64_t kSeed = 20061004;
    Round round{timers};

    QStringList said;
    std::int64_t lastScore = -1;
    float lastTime = -1;
    ToolCounts lastLeft{-1, -1, -1};
    int lastSecond = 0;
    Hand hand;
    Board shown;
};

TEST_F(RoundTest, ADealIsPlayedPausedAndGoesOnWithItsTimeKept)
{
    EXPECT_EQ(round.GetPhase(), Phase::NoLevel);
    round.SetScore(40);
    round.Start(kSmall, 2, kSeed);
    EXPECT_EQ(said, QStringList{QStringLiteral("playing")});
    EXPECT_EQ(round.GetBoard().TileCount(), 8);
    EXPECT_EQ(lastTime, 3020);
    EXPECT_EQ(lastLeft, (ToolCounts{6, 6, 6}));
    EXPECT_EQ(round.State().scoreAtStart, 40);

    Tick(3);
    EXPECT_EQ(lastSecond, 3);
    EXPECT_EQ(lastTime, 3020 - 3 * 20);
    RemoveAPair();
    EXPECT_EQ(lastScore, 41);
    EXPECT_EQ(lastTime, 3020 - 2 * 20) << "the pair gives its time back";

    said.clear();
    round.MoveCursor(Direction::Right);
    ASSERT_TRUE(hand.cursor);
    EXPECT_TRUE(round.Use(Tool::Pause));
    EXPECT_EQ(said, (QStringList{QStringLiteral("use pause"), QStringLiteral("paused")}));
    EXPECT_TRUE(round.State().paused);
    Tick(100);
    EXPECT_EQ(lastSecond, 3) << "the clock stands";
    // Nothing but going on works behind the pause picture.
    const RoundState before = round.State();
    const Hand handBefore = hand;
    RemoveAPair();
    round.MoveCursor(Direction::Down);
    for (const Tool tool : {Tool::Undo, Tool::Hint, Tool::Shuffle, Tool::Pause}) {
        EXPECT_FALSE(round.CanUse(tool));
        EXPECT_FALSE(round.Use(tool));
    }
    EXPECT_EQ(round.State(), before);
    EXPECT_EQ(hand, handBefore);
    EXPECT_EQ(said.size(), 2);
    round.PauseQuietly();
    EXPECT_EQ(said.size(), 2);

    round.Continue();
    EXPECT_EQ(said.last(), QStringLiteral("playing"));
    EXPECT_EQ(round.TimeLeft(), 3020 - 2 * 20);
    Tick();
    EXPECT_EQ(lastSecond, 4);
    // A menu or a minimised window pauses without the tool's cue.
    round.PauseQuietly();
    EXPECT_EQ(said.last(), QStringLiteral("paused"));
    EXPECT_EQ(said.count(QStringLiteral("use pause")), 1);
}

TEST_F(RoundTest, AKeptStateGoesOnExactlyPausedOrNot)
{
    round.SetScore(30);
    round.Start(kSmall, 2, kSeed);
    Tick(2);
    RemoveAPair();
    ASSERT_TRUE(round.Use(Tool::Hint));
    for (const bool paused : {false, true}) {
        SCOPED_TRACE(paused ? "paused" : "playing");
        if (paused) {
            round.PauseQuietly();
        }
        const RoundState kept = round.State();
        EXPECT_EQ(kept.undo.size(), 2u);
        EXPECT_EQ(kept.hintUsed, 1);

        FakeTimerFactory otherTimers;
        Round other(otherTimers);
        std::vector<Phase> phases;
        QObject::connect(&other, &Round::phaseChanged, [&phases](Phase p) { phases.push_back(p); });
        other.SetScore(round.Score());
        other.Resume(kSmall, 2, kept);
        EXPECT_EQ(other.State(), kept);
        EXPECT_EQ(Tiles(other.GetBoard()), Tiles(round.GetBoard()));
        EXPECT_EQ(other.Left(Tool::Hint), 5);
        EXPECT_EQ(phases, std::vector{paused ? Phase::Paused : Phase::Playing});
        EXPECT_EQ(otherTimers[QStringLiteral("LevelClock")].IsActive(), !paused);
        other.Continue();
        EXPECT_EQ(other.GetPhase(), Phase::Playing);
        EXPECT_TRUE(other.CanUse(Tool::Undo)) << "its pair can be taken back";
    }
}

TEST_F(RoundTest, TheClockRunsOutAfterTheModesTicks)
{
    for (const auto& [mode, ticks] : {std::pair{1, 300}, std::pair{2, 150}, std::pair{3, 300}, std::pair{4, 59}}) {
        SCOPED_TRACE(mode);
        said.clear();
        round.Start(kSmall, mode, kSeed);
        Tick(ticks - 1);
        EXPECT_EQ(round.GetPhase(), Phase::Playing);
        Tick();
        EXPECT_EQ(said.mid(1), (QStringList{QStringLiteral("timed out"), QStringLiteral("ended timed out")}));
        EXPECT_FALSE(round.CanUse(Tool::Pause));
        Tick(5);
        EXPECT_EQ(lastSecond, ticks) << "the clock stopped";
        round.Continue();
        EXPECT_EQ(round.GetPhase(), Phase::TimedOut) << "only a new deal goes on";
    }
}

// Untimed, the bar stays full in every mode, through ticks and pairs, and
// the level never runs out while its seconds are counted. Turned on in a
// timed level, it takes that level at once; turned off, the level stays
// untimed and the next one is timed. A kept state goes on as it was kept.
TEST_F(RoundTest, UntimedTheBarStaysFullAndTheLevelNeverRunsOut)
{
    int turned = 0;
    QObject::connect(&round, &Round::turnedUntimed, [&turned] { ++turned; });
    round.SetUntimedPlay(true);
    for (int mode = 1; mode <= kModeCount; ++mode) {
        SCOPED_TRACE(mode);
        round.Start(kSmall, mode, kSeed);
        EXPECT_TRUE(round.Untimed());
        Tick(5000);
        RemoveAPair();
        Tick(5000);
        EXPECT_EQ(round.GetPhase(), Phase::Playing);
        EXPECT_EQ(lastSecond, 10000);
        EXPECT_EQ(round.TimeLeft(), Round::kFullTime);
        EXPECT_EQ(lastTime, Round::kFullTime);
        EXPECT_TRUE(round.State().untimed);
    }
    EXPECT_EQ(turned, 0) << "dealt untimed, no level turned";

    round.SetUntimedPlay(false);
    EXPECT_TRUE(round.Untimed()) << "the level in play stays untimed";
    round.Start(kSmall, 2, kSeed);
    EXPECT_FALSE(round.Untimed());
    Tick(100);
    round.Use(Tool::Pause);
    round.SetUntimedPlay(true);
    EXPECT_EQ(turned, 1);
    EXPECT_TRUE(round.Untimed()) << "a paused level turns too";
    EXPECT_EQ(lastTime, Round::kFullTime);
    round.Continue();
    Tick(1000);
    EXPECT_EQ(round.GetPhase(), Phase::Playing);
    EXPECT_EQ(lastSecond, 1100);

    // Kept, each goes on as it was, whatever the choice now.
    const RoundState untimed = round.State();
    round.SetUntimedPlay(false);
    round.Resume(kSmall, 2, untimed);
    EXPECT_TRUE(round.Untimed());
    Tick(500);
    EXPECT_EQ(round.GetPhase(), Phase::Playing);
    RoundState timed = untimed;
    timed.untimed = false;
    timed.timeLeft = 1000;
    round.SetUntimedPlay(true);
    round.Resume(kSmall, 2, timed);
    EXPECT_FALSE(round.Untimed());
    EXPECT_EQ(lastTime, 1000);
    round.SetUntimedPlay(false);
    Tick(50);
    EXPECT_EQ(round.GetPhase(), Phase::TimedOut) << "a timed level still runs out";
    round.SetUntimedPlay(true);
    EXPECT_FALSE(round.Untimed()) << "an ended level does not turn";
    EXPECT_EQ(turned, 1);
}

// After every pair the hard modes slide the tiles as their rules say
// (mode 4 in the direction drawn then: 1 down, 2 up, 3 right, 4 left) and
// reshuffle a board left without a move; mode 1 never does either. Small
// boards of unique pairs die often.
TEST_F(RoundTest, AfterEachPairTheModeSlidesAndReshufflesABoardWithoutAMove)
{
    using Slide = std::vector<TileMove> (*)(Board&);
    const Slide kSlides[] = {SlideDown, SlideUp, SlideRight, SlideLeft};
    const LevelSettings kUnique{4, 4, 8, 0, {}, 0};
    for (int mode = 1; mode <= 4; ++mode) {
        SCOPED_TRACE(mode);
        int reshuffled = 0;
        int kept = 0;
        std::set<int> directions;
        for (std::uint64_t seed = kSeed; seed < kSeed + 40 && !HasFailure(); ++seed) {
            round.Start(kUnique, mode, seed);
            while (const auto pair = APair()) {
                // What the board must look like after the pair, unless dead.
                Board expected = round.GetBoard();
                expected.RemoveTile(pair->first);
                expected.RemoveTile(pair->second);
                const int direction = mode == 4 ? Random(round.RandomAt()).Draw(4) : mode == 3 ? 1 : 0;
                if (direction != 0) {
                    kSlides[direction - 1](expected);
                }
                const bool dead = expected.TileCount() > 0 && !FindPair(expected);
                const float timeBefore = round.TimeLeft();
                said.clear();
                round.ClickTile(pair->first, MouseButton::Left);
                round.ClickTile(pair->second, MouseButton::Left);
                const bool shuffled = said.contains(QStringLiteral("shuffled"));
                ASSERT_EQ(shuffled, dead && mode != 1);
                if (!shuffled) {
                    ASSERT_EQ(Tiles(round.GetBoard()), Tiles(expected)) << "direction " << direction;
                }
                (shuffled ? reshuffled : kept) += 1;
                directions.insert(direction);
                if (expected.TileCount() > 0) {
                    EXPECT_EQ(lastTime, mode == 4 ? Round::kFullTime : timeBefore + RulesFor(mode).timeStep);
                }
            }
        }
        EXPECT_GE(reshuffled, mode == 1 ? 0 : 3);
        EXPECT_GE(kept, 50);
        EXPECT_EQ(directions.size(), mode == 4 ? 4u : 1u);
    }
}

TEST_F(RoundTest, TheLastPairClearsTheBoard)
{
    round.Start(kSmall, 1, kSeed);
    for (int pairs = 0; pairs < 3; ++pairs) {
        RemoveAPair();
    }
    said.clear();
    const auto last = APair();
    ASSERT_TRUE(last);
    round.ClickTile(last->first, MouseButton::Left);
    EXPECT_EQ(hand.selection, last->first);
    round.ClickTile(last->second, MouseButton::Left);
    EXPECT_EQ(said, (QStringList{QStringLiteral("select %1,%2").arg(last->first.x).arg(last->first.y),
                                 QStringLiteral("pair"), QStringLiteral("cleared"), QStringLiteral("ended cleared")}));
    EXPECT_EQ(hand, Hand{});
    EXPECT_EQ(lastScore, 4);
    EXPECT_EQ(lastTime, 3010 + 3 * 10) << "the last pair gives no time back";
    EXPECT_FALSE(round.CanUse(Tool::Undo));
    Tick();
    EXPECT_EQ(lastSecond, 0) << "the clock stopped with the last pair";
}

TEST_F(RoundTest, ALevelThatCannotBeReadLeavesNothingToPlay)
{
    round.SetScore(100);
    round.Start(kSmall, 2, kSeed);
    round.Leave();
    said.clear();
    round.ShowUnplayable();
    EXPECT_EQ(said, QStringList{QStringLiteral("none")});
    EXPECT_EQ(round.GetBoard().CellCount(), 0);
    EXPECT_EQ(lastLeft, ToolCounts{});
    round.MoveCursor(Direction::Left);
    round.PauseQuietly();
    round.Continue();
    Tick();
    for (const Tool tool : {Tool::Undo, Tool::Hint, Tool::Shuffle, Tool::Pause}) {
        EXPECT_FALSE(round.Use(tool));
    }
    EXPECT_EQ(said, QStringList{QStringLiteral("none")});
    EXPECT_EQ(hand, Hand{});
    EXPECT_EQ(lastSecond, 0);
}

TEST_F(RoundTest, ToolsWorkWhileTheirCounterAndTheScoreAllow)
{
    round.SetScore(1);
    round.Start(kSmall, 2, kSeed);
    const std::vector<TileCode> dealt = Tiles(round.GetBoard());
    // The score refuses what it cannot pay, with a cue; a tool with
    // nothing to do does nothing, silently.
    EXPECT_FALSE(round.CanUse(Tool::Hint));
    EXPECT_FALSE(round.Use(Tool::Hint));
    RemoveAPair();
    EXPECT_TRUE(round.CanUse(Tool::Hint));
    EXPECT_TRUE(round.CanUse(Tool::Undo));
    EXPECT_FALSE(round.CanUse(Tool::Shuffle));
    said.clear();
    EXPECT_FALSE(round.Use(Tool::Shuffle));
    EXPECT_EQ(said, QStringList{QStringLiteral("refuse shuffle")});

    // An undo puts the pair back where it was: the board tells both cells,
    // the counter and the score what they are now.
    said.clear();
    EXPECT_TRUE(round.Use(Tool::Undo));
    EXPECT_EQ(said, QStringList{QStringLiteral("use undo")});
    EXPECT_EQ(Tiles(round.GetBoard()), dealt);
    EXPECT_EQ(lastLeft, (ToolCounts{5, 6, 6}));
    EXPECT_EQ(lastScore, 0);
    EXPECT_FALSE(round.CanUse(Tool::Undo)) << "nothing left to take back, nor to pay with";
    said.clear();
    EXPECT_FALSE(round.Use(Tool::Undo));
    EXPECT_EQ(said, QStringList{QStringLiteral("refuse undo")});

    // With nothing left to take back, or a counter used up, a tool does
    // nothing whatever the score.
    round.SetScore(1000);
    said.clear();
    EXPECT_FALSE(round.Use(Tool::Undo));
    EXPECT_TRUE(said.isEmpty());
    for (int used = 1; used <= 6; ++used) {
        ASSERT_TRUE(round.Use(Tool::Shuffle));
    }
    EXPECT_EQ(lastLeft, (ToolCounts{5, 6, 0}));
    EXPECT_EQ(lastScore, 1000 - 6 * kShuffleCost);
    EXPECT_EQ(round.State().shuffleUsed, 6);
    said.clear();
    EXPECT_FALSE(round.CanUse(Tool::Shuffle));
    EXPECT_FALSE(round.Use(Tool::Shuffle));
    EXPECT_TRUE(said.isEmpty());
    // … and a mode without undo has none.
    round.Start(kSmall, 3, kSeed);
    RemoveAPair();
    EXPECT_FALSE(round.CanUse(Tool::Undo));
    EXPECT_TRUE(round.CanUse(Tool::Shuffle));

    // A board without a pair (the simple mode never tests for one) takes
    // the hint's points and shows nothing: the hint shuffles nothing.
    RoundState dead = round.State();
    dead.cells = {1, 2, 0, 0, 0, 0, 0, 0};
    dead.undo.clear();
    round.Resume(kSmall, 1, dead);
    const std::vector<TileCode> before = Tiles(round.GetBoard());
    said.clear();
    EXPECT_TRUE(round.Use(Tool::Hint));
    EXPECT_EQ(said, QStringList{QStringLiteral("use hint")});
    EXPECT_EQ(Tiles(round.GetBoard()), before);
    EXPECT_EQ(lastLeft.hint, dead.hintLeft - 1);
    EXPECT_EQ(lastScore, 1000 - 6 * kShuffleCost + 1 - kHintCost);
}

TEST_F(RoundTest, TheHandTellsWhereItWasAndWhereItIs)
{
    round.Start(kSmall, 2, kSeed);
    const auto pair = APair();
    ASSERT_TRUE(pair);
    round.Hover(pair->first);
    EXPECT_EQ(hand.cursor, pair->first);
    round.Hover(std::nullopt);
    EXPECT_EQ(hand, Hand{});
    round.ClickTile(pair->first, MouseButton::Left);
    EXPECT_EQ(hand, (Hand{pair->first, pair->first}));
    said.clear();
    round.ClickBoard(MouseButton::Right);
    EXPECT_EQ(said, QStringList{QStringLiteral("drop")});
    EXPECT_EQ(hand.selection, std::nullopt);
    // Without a selection the right button on the bare board says nothing;
    // on a tile the right and the middle button let go all the same. The
    // left button on the selection keeps it, the right lets it go.
    said.clear();
    round.ClickBoard(MouseButton::Right);
    round.ClickTile(pair->second, MouseButton::Right);
    round.ClickTile(pair->second, MouseButton::Middle);
    round.ClickTile(pair->first, MouseButton::Left);
    round.ClickSelected(MouseButton::Left);
    EXPECT_EQ(hand.selection, pair->first);
    round.ClickSelected(MouseButton::Right);
    EXPECT_EQ(said, (QStringList{QStringLiteral("drop"), QStringLiteral("drop"),
                                 QStringLiteral("select %1,%2").arg(pair->first.x).arg(pair->first.y),
                                 QStringLiteral("drop")}));
    EXPECT_EQ(hand.selection, std::nullopt);
    // A second tile that does not pair with the first is refused.
    const Board& board = round.GetBoard();
    Cell other = pair->second;
    for (int n = 1; n <= board.CellCount(); ++n) {
        if (board.At(board.CellOf(n)) != board.At(pair->first)) {
            other = board.CellOf(n);
        }
    }
    round.ClickTile(pair->first, MouseButton::Left);
    said.clear();
    round.ClickTile(other, MouseButton::Left);
    EXPECT_EQ(said, QStringList{QStringLiteral("drop")});
    EXPECT_EQ(hand, (Hand{std::nullopt, other}));
    round.Leave();
    EXPECT_EQ(hand, Hand{});
}

} // namespace
} // namespace daz
