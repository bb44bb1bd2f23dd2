#include <gtest/gtest.h>

#include "GameHarness.h"

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
    h.Click(pair->first);
    h.Click(pair->second);

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

TEST_F(Selection, SlidesFollowRemovalsInTheHardModes)
{
    Start(3, 6, 4);
    for (int pairs = 0; pairs < 4 && h.RemoveAPair(); ++pairs) {
        // After every removal each column holds its tiles at the bottom.
        const Board& b = h.board();
        for (int x = 1; x <= b.MaxX(); ++x) {
            bool seenTile = false;
            for (int y = 1; y <= b.MaxY(); ++y) {
                if (b.At(x, y) != 0) {
                    seenTile = true;
                } else {
                    EXPECT_FALSE(seenTile) << "gap below a tile in column " << x;
                }
            }
        }
    }
    EXPECT_EQ(h.game().TimeLeft(), 3010 + 4 * 10);

    GameHarness extreme;
    extreme.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), 6, 4, 10}});
    extreme.Start(4);
    extreme.timers.Fire(QStringLiteral("Timer1"), 5);
    ASSERT_TRUE(extreme.RemoveAPair());
    // The extreme mode fills the bar again after every pair.
    EXPECT_EQ(extreme.game().TimeLeft(), 3000);
}

} // namespace
} // namespace daz::testing
