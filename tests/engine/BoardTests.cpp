#include <gtest/gtest.h>

#include "BoardText.h"
#include "engine/Board.h"

namespace daz {
namespace {

using testing::BoardFromRows;
using testing::RingIsEmpty;

TEST(BoardSize, AcceptsOnlyEvenBoardsWithinTheCornerListLimit)
{
    EXPECT_TRUE(Board::IsValidSize(2, 1));
    EXPECT_TRUE(Board::IsValidSize(19, 18));
    EXPECT_TRUE(Board::IsValidSize(50, 49));
    EXPECT_TRUE(Board::IsValidSize(1, 98));
    EXPECT_FALSE(Board::IsValidSize(1, 1));   // odd number of cells
    EXPECT_FALSE(Board::IsValidSize(19, 19)); // odd number of cells
    EXPECT_FALSE(Board::IsValidSize(50, 50)); // MaxX + MaxY = 100
    EXPECT_FALSE(Board::IsValidSize(0, 2));
    EXPECT_FALSE(Board::IsValidSize(2, -2));
}

TEST(BoardCells, NumbersRunRowByRowFromTheTopLeftOnAnEmptyBoard)
{
    const Board board(8, 6);
    EXPECT_EQ(board.CellCount(), 48);
    EXPECT_EQ(board.CellOf(8), (Cell{8, 1}));
    EXPECT_EQ(board.CellOf(9), (Cell{1, 2}));
    EXPECT_EQ(board.CellOf(48), (Cell{8, 6}));
    for (int n = 1; n <= 48; ++n) {
        EXPECT_EQ(board.CellNumber(board.CellOf(n)), n);
    }

    // A new board is empty, ring included.
    EXPECT_TRUE(RingIsEmpty(board));
    EXPECT_EQ(board.TileCount(), 0);
}

TEST(BoardWriters, PlaceMoveReplaceAndRemoveKeepTheRingEmpty)
{
    Board board(4, 2);
    board.PlaceTile({2, 1}, 7);
    EXPECT_EQ(board.At(2, 1), 7);
    board.MoveTile({2, 1}, {2, 2});
    EXPECT_EQ(board.At(2, 1), 0);
    EXPECT_EQ(board.At(2, 2), 7);
    board.ReplaceTile({2, 2}, 3);
    EXPECT_EQ(board.At(2, 2), 3);
    EXPECT_EQ(board.TileCount(), 1);
    board.RemoveTile({2, 2});
    EXPECT_EQ(board.At(2, 2), 0);
    EXPECT_EQ(board.TileCount(), 0);
    EXPECT_TRUE(RingIsEmpty(board));
}

} // namespace
} // namespace daz
