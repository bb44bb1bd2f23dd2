#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "GameHarness.h"
#include "engine/Compaction.h"

namespace daz::testing {
namespace {

class Selection : public ::testing::Test {
protected:
    void Start(int mode, int maxX = 4, int maxY = 2)
    {
        h.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), maxX, maxY, 10}});
        h.Start(mode);
        h.effects.played.clear();
    }

    // Two occupied cells with different codes.
    CellPair DifferentPair()
    {
        const Board& b = h.board();
        for (int j = 2; j <= b.CellCount(); ++j) {
            if (b.At(b.CellOf(j)) != b.At(b.CellOf(1))) {
                return {1, j};
            }
        }
        ADD_FAILURE() << "every tile is the same";
        return {1, 2};
    }

    GameHarness h;
};

TEST_F(Selection, FirstClickSelectsAndTheSameTileStaysSelected)
{
    Start(2);
    h.Click(3);
    EXPECT_TRUE(h.game().Selected());
    EXPECT_TRUE(h.game().SelectionMask().visible);
    EXPECT_EQ(h.game().FirstSelected(), h.board().CellOf(3));
    EXPECT_EQ(h.Sounds(), QStringList{QStringLiteral("mousedown1.wav")});

    // The selected tile lies under the selection mask, which ignores the
    // left button and lets the right button cancel.
    h.game().PressSelectionMask(MouseButton::Left);
    EXPECT_TRUE(h.game().Selected());
    h.game().PressSelectionMask(MouseButton::Right);
    EXPECT_FALSE(h.game().Selected());
    EXPECT_FALSE(h.game().SelectionMask().visible);
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("mousedown2.wav"));
}

TEST_F(Selection, RightButtonCancelsOnlyWhatThereIsToCancel)
{
    Start(2);
    // Nothing selected: the bare board ignores the right button …
    h.game().PressBoard(MouseButton::Right);
    EXPECT_TRUE(h.Sounds().isEmpty());
    // … a tile answers with the cancel sound and nothing else.
    h.Click(1, MouseButton::Right);
    EXPECT_EQ(h.Sounds(), QStringList{QStringLiteral("mousedown2.wav")});
    EXPECT_FALSE(h.game().Selected());

    h.Click(1);
    h.game().PressBoard(MouseButton::Right);
    EXPECT_FALSE(h.game().Selected());
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("mousedown2.wav"));
    // The middle button on a tile cancels too, and selects nothing.
    h.Click(2, MouseButton::Middle);
    EXPECT_FALSE(h.game().Selected());
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("mousedown2.wav"));
}

TEST_F(Selection, DifferentPicturesAreRefused)
{
    Start(1);
    const auto pair = DifferentPair();
    h.Click(pair.first);
    h.Click(pair.second);
    EXPECT_FALSE(h.game().Selected());
    EXPECT_FALSE(h.game().SelectionMask().visible);
    EXPECT_EQ(h.board().TileCount(), 8);
    EXPECT_EQ(h.state.UserJF, 0);
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("mousedown2.wav"));
}

TEST_F(Selection, ARemovedPairScoresRecordsAndAnimatesItsPath)
{
    Start(2, 6, 4);
    const auto pair = h.LinkablePair();
    ASSERT_TRUE(pair);
    const Cell first = h.board().CellOf(pair->first);
    const Cell second = h.board().CellOf(pair->second);
    const TileCode code = h.board().At(first);
    int repaints = 0;
    QObject::connect(&h.game(), &Game::tilesChanged, [&repaints] { ++repaints; });
    h.Click(pair->first);
    h.Click(pair->second);
    EXPECT_GE(repaints, 1);

    EXPECT_EQ(h.board().At(first), 0);
    EXPECT_EQ(h.board().At(second), 0);
    EXPECT_FALSE(h.board().View(pair->first).visible);
    EXPECT_EQ(h.state.UserJF, 1);
    ASSERT_EQ(h.game().UndoCount(), 2);
    EXPECT_EQ(h.game().Undo().UndoList()[1], (UndoEntry{static_cast<std::int16_t>(first.x), static_cast<std::int16_t>(first.y), code}));
    EXPECT_EQ(h.game().Undo().UndoList()[2], (UndoEntry{static_cast<std::int16_t>(second.x), static_cast<std::int16_t>(second.y), code}));
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("lianjie.wav"));
    EXPECT_FALSE(h.game().SelectionMask().visible);
    EXPECT_FALSE(h.game().HoverMask().visible);
    // Mode 2 gives the pair's time back.
    EXPECT_EQ(h.game().TimeLeft(), 3020 + 20);

    // The path grows wider for nine ticks of 30 ms and goes on the tenth.
    EXPECT_TRUE(h.game().Lines()[0].visible);
    EXPECT_TRUE(h.game().LinkAnimationRunning());
    h.timers.Fire(QStringLiteral("Timer5"), 9);
    EXPECT_EQ(h.game().Lines()[0].width, 9);
    EXPECT_TRUE(h.game().Lines()[0].visible);
    h.timers.Fire(QStringLiteral("Timer5"));
    EXPECT_FALSE(h.game().Lines()[0].visible);
    EXPECT_EQ(h.game().Lines()[0].width, 1);
    EXPECT_EQ(h.game().LineTick(), 0);
    EXPECT_FALSE(h.game().LinkAnimationRunning());
}

TEST_F(Selection, TheSimpleModeNeedsNoPathAndDrawsNone)
{
    Start(1, 6, 4);
    const auto pair = h.EqualPair();
    ASSERT_TRUE(pair);
    h.Click(pair->first);
    h.Click(pair->second);
    EXPECT_EQ(h.state.UserJF, 1);
    for (const auto& line : h.game().Lines()) {
        EXPECT_FALSE(line.visible);
    }
    EXPECT_EQ(h.game().TimeLeft(), 3010 + 10);
}

TEST_F(Selection, TheHoverMaskFollowsShownTilesOnly)
{
    Start(2);
    h.game().HoverTile(2);
    const Cell c = h.board().CellOf(2);
    EXPECT_TRUE(h.game().HoverMask().visible);
    EXPECT_EQ(h.game().HoverMask().left, h.game().Geometry().Left(c.x));
    EXPECT_EQ(h.game().HoverMask().top, h.game().Geometry().Top(c.y));
    h.game().HoverBoard();
    EXPECT_FALSE(h.game().HoverMask().visible);

    // The mouse, in board twips: over the middle of tile 2, then the margin.
    const auto rect = h.game().TileRect(2);
    h.game().MouseMove(rect.left + rect.width / 2, rect.top + rect.height / 2);
    EXPECT_TRUE(h.game().HoverMask().visible);
    h.game().MouseMove(5, 5);
    EXPECT_FALSE(h.game().HoverMask().visible);
}

// After every pair the hard modes slide the tiles as their rules say
// (mode 4 in the direction drawn right after a reseed: 1 down, 2 up,
// 3 right, 4 left) and reshuffle a board left without a move; mode 1
// never does either. Small boards of unique pairs die often.
TEST(Removal, SlidesAndReshufflesADeadBoardAsTheModeSays)
{
    using Slide = std::vector<TileMove> (*)(Board&);
    const Slide kSlides[] = {SlideDown, SlideUp, SlideRight, SlideLeft};
    const auto codes = [](const Board& b) { return std::vector<TileCode>(b.Grid().begin(), b.Grid().end()); };
    for (int mode = 1; mode <= 4; ++mode) {
        GameHarness h;
        h.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), 4, 4, 8}});
        h.Start(mode);
        int reshuffled = 0;
        int kept = 0;
        std::set<int> directions;
        for (int level = 0; level < 40 && !::testing::Test::HasFailure(); ++level) {
            h.controller->ChooseLevel(1);
            for (int pairs = 0; pairs < 8; ++pairs) {
                const auto pair = mode == 1 ? h.EqualPair() : h.LinkablePair();
                if (!pair) {
                    break;
                }
                // What the board must look like after the pair, unless dead.
                Board expected = h.board();
                expected.RemoveTile(expected.CellOf(pair->first));
                expected.RemoveTile(expected.CellOf(pair->second));
                Random draw = h.random;
                draw.ReseedFromClock();
                const int direction = mode == 4 ? draw.Draw(4) : mode == 3 ? 1 : 0;
                if (direction != 0) {
                    kSlides[direction - 1](expected);
                }
                const bool dead = expected.TileCount() > 0 && !FindPair(expected);
                const float timeBefore = h.game().TimeLeft();
                h.effects.played.clear();
                h.Click(pair->first);
                h.Click(pair->second);
                ASSERT_EQ(h.board().TileCount(), expected.TileCount());
                const bool shuffled = h.Sounds().contains(QStringLiteral("dl.wav"));
                ASSERT_EQ(shuffled, dead && mode != 1) << "mode " << mode;
                if (!shuffled) {
                    ASSERT_EQ(codes(h.board()), codes(expected)) << "mode " << mode << ", direction " << direction;
                }
                (shuffled ? reshuffled : kept) += 1;
                directions.insert(direction);
                if (expected.TileCount() > 0) {
                    EXPECT_EQ(h.game().TimeLeft(), mode == 4 ? 3000 : timeBefore + RulesFor(mode).timeStep);
                }
            }
        }
        EXPECT_GE(reshuffled, mode == 1 ? 0 : 3) << "mode " << mode;
        EXPECT_GE(kept, 50) << "mode " << mode;
        EXPECT_EQ(directions.size(), mode == 4 ? 4u : 1u) << "mode " << mode;
    }
}

} // namespace
} // namespace daz::testing
