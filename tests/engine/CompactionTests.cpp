#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

TEST(Slide, PacksEachLineKeepingTheOrderOfItsTiles)
{
    const struct {
        const char* name;
        Slide slide;
        std::vector<std::string_view> rows;
        Rows packed;
    } cases[] = {
        {"down", SlideDown, {"A", ".", "B", "."}, {".", ".", "A", "B"}},
        {"up", SlideUp, {"A", ".", "B", "."}, {"A", "B", ".", "."}},
        {"left", SlideLeft, {".A.B"}, {"AB.."}},
        {"right", SlideRight, {".A.B"}, {"..AB"}},
    };
    for (const auto& c : cases) {
        Board board = BoardFromRows(c.rows);
        c.slide(board);
        EXPECT_EQ(RowsOf(board), c.packed) << c.name;
    }
}

TEST(Slide, MovesOneCellAtATimeInPassOrder)
{
    Board board = BoardFromRows({"A", ".", "B", "."});
    // Pass 2 sinks A one row; pass 4 sinks B, then A behind it.
    EXPECT_EQ(SlideDown(board), (std::vector<TileMove>{{{1, 1}, {1, 2}}, {{1, 3}, {1, 4}}, {{1, 2}, {1, 3}}}));

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
    EXPECT_EQ(RowsOf(board), (std::vector<std::string>{"AB.", "CD.", "EFG", "HIJ"}));
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

    // The codes of one column (or row) from the start edge, empty cells
    // included; and the same tiles in the same order packed against the
    // edge a slide goes to.
    const auto line = [](const Board& b, int i, bool vertical) {
        std::vector<TileCode> codes;
        for (int k = 1; k <= (vertical ? b.MaxY() : b.MaxX()); ++k) {
            codes.push_back(vertical ? b.At(i, k) : b.At(k, i));
        }
        return codes;
    };
    const auto packed = [](std::vector<TileCode> codes, bool towardsStart) {
        std::stable_partition(codes.begin(), codes.end(), [&](TileCode c) { return (c != 0) == towardsStart; });
        return codes;
    };

    for (int round = 0; round < 40; ++round) {
        const int maxX = 2 * random.Draw(6);
        const int maxY = random.Draw(9);
        for (const Direction& d : directions) {
            Board board = testing::RandomBoard(maxX, maxY, random.Rnd(), 5, random);
            const int lines = d.vertical ? maxX : maxY;
            std::vector<std::vector<TileCode>> expected;
            for (int i = 1; i <= lines; ++i) {
                expected.push_back(packed(line(board, i, d.vertical), d.towardsStart));
            }
            const int tiles = board.TileCount();

            d.slide(board);

            SCOPED_TRACE(d.name);
            for (int i = 1; i <= lines; ++i) {
                EXPECT_EQ(line(board, i, d.vertical), expected[static_cast<std::size_t>(i - 1)]) << "line " << i;
            }
            EXPECT_EQ(board.TileCount(), tiles);
            EXPECT_TRUE(testing::RingIsEmpty(board));
        }
    }
}

} // namespace
} // namespace daz
