#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BoardText.h"
#include "engine/Compaction.h"
#include "tests/support/TestBoards.h"

namespace daz {
namespace {

using testing::BoardFromRows;
using testing::RowsOf;

using Slide = std::function<std::vector<TileMove>(Board&)>;
using Rows = std::vector<std::string>;

TEST(Slide, PacksAColumnKeepingTheOrderOfItsTiles)
{
    Board down = BoardFromRows({"A", ".", "B", "."});
    SlideDown(down);
    EXPECT_EQ(RowsOf(down), (Rows{".", ".", "A", "B"}));

    Board up = BoardFromRows({"A", ".", "B", "."});
    SlideUp(up);
    EXPECT_EQ(RowsOf(up), (Rows{"A", "B", ".", "."}));
}

TEST(Slide, PacksARowKeepingTheOrderOfItsTiles)
{
    Board left = BoardFromRows({".A.B"});
    SlideLeft(left);
    EXPECT_EQ(RowsOf(left), (Rows{"AB.."}));

    Board right = BoardFromRows({".A.B"});
    SlideRight(right);
    EXPECT_EQ(RowsOf(right), (Rows{"..AB"}));
}

TEST(Slide, MovesOneCellAtATimeInPassOrder)
{
    Board board = BoardFromRows({"A", ".", "B", "."});
    // Pass 2 sinks A one row; pass 4 sinks B, then A behind it.
    EXPECT_EQ(SlideDown(board), (std::vector<TileMove>{{{1, 1}, {1, 2}}, {{1, 3}, {1, 4}}, {{1, 2}, {1, 3}}}));
    EXPECT_EQ(board.TakeChangedCells(), (std::vector<int>{2, 1, 4, 3, 3, 2}));

    Board row = BoardFromRows({"A.B."});
    EXPECT_EQ(SlideRight(row), (std::vector<TileMove>{{{1, 1}, {2, 1}}, {{3, 1}, {4, 1}}, {{2, 1}, {3, 1}}}));
}

TEST(Slide, AFullOrAlreadyPackedLineDoesNotMove)
{
    Board board = BoardFromRows({
        "AB.",
        "CD.",
        "EFG",
        "HIJ",
    });
    EXPECT_TRUE(SlideDown(board).empty());
    EXPECT_TRUE(SlideLeft(board).empty());
    EXPECT_TRUE(board.TakeChangedCells().empty());
}

TEST(Slide, OnlyTheColumnsWithGapsChange)
{
    Board board = BoardFromRows({
        "ABCD",
        "E.GH",
        "IJK.",
        "MNOP",
    });
    const std::vector<TileMove> moves = SlideDown(board);
    for (const TileMove& m : moves) {
        EXPECT_TRUE(m.from.x == 2 || m.from.x == 4);
        EXPECT_EQ(m.from.x, m.to.x);
        EXPECT_EQ(m.to.y, m.from.y + 1);
    }
    EXPECT_EQ(RowsOf(board), (Rows{
                                 "A.C.",
                                 "EBGD",
                                 "IJKH",
                                 "MNOP",
                             }));
}

// Every pass on random boards: each line ends packed against the target
// edge with its tiles in their old order, the ring stays empty, the codes
// stay the same, and the controls follow.
TEST(Slide, EveryPassPacksEveryLineAndKeepsTheBoardSound)
{
    struct Direction {
        const char* name;
        Slide slide;
        bool vertical;
        bool towardsStart; // towards row 1 or column 1
    };
    const Direction directions[] = {
        {"down", SlideDown, true, false},
        {"up", SlideUp, true, true},
        {"right", SlideRight, false, false},
        {"left", SlideLeft, false, true},
    };
    Random random = testing::SeededRandom(5);

    // The tiles of one column (or row), in order from the start edge.
    const auto line = [](const Board& b, int i, bool vertical) {
        std::vector<TileCode> tiles;
        const int length = vertical ? b.MaxY() : b.MaxX();
        for (int k = 1; k <= length; ++k) {
            const TileCode code = vertical ? b.At(i, k) : b.At(k, i);
            if (code != 0)
                tiles.push_back(code);
        }
        return tiles;
    };
    const auto packed = [](const Board& b, int i, const Direction& d) {
        const int length = d.vertical ? b.MaxY() : b.MaxX();
        bool seenTile = false;
        bool seenGapAfterTile = false;
        for (int step = 1; step <= length; ++step) {
            const int k = d.towardsStart ? step : length + 1 - step;
            const bool tile = (d.vertical ? b.At(i, k) : b.At(k, i)) != 0;
            if (tile && step > 1 && !seenTile)
                return false; // the run does not start at the edge
            if (!tile && seenTile)
                seenGapAfterTile = true;
            if (tile && seenGapAfterTile)
                return false;
            seenTile = seenTile || tile;
        }
        return true;
    };

    for (int round = 0; round < 40; ++round) {
        const int maxX = 2 * random.Draw(6);
        const int maxY = random.Draw(9);
        for (const Direction& d : directions) {
            Board board = testing::RandomBoard(maxX, maxY, random.Rnd(), 5, random);
            const int lines = d.vertical ? maxX : maxY;
            std::vector<std::vector<TileCode>> before;
            for (int i = 1; i <= lines; ++i)
                before.push_back(line(board, i, d.vertical));
            const int tiles = board.TileCount();

            const std::vector<TileMove> moves = d.slide(board);

            SCOPED_TRACE(d.name);
            for (int i = 1; i <= lines; ++i) {
                EXPECT_EQ(line(board, i, d.vertical), before[static_cast<std::size_t>(i - 1)]);
                EXPECT_TRUE(packed(board, i, d)) << "line " << i;
            }
            EXPECT_EQ(board.TileCount(), tiles);
            EXPECT_TRUE(testing::RingIsEmpty(board));
            EXPECT_TRUE(testing::ControlsMatchGrid(board));
            EXPECT_EQ(board.TakeChangedCells().size(), 2 * moves.size());
        }
    }
}

} // namespace
} // namespace daz
