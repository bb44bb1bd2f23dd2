#include <gtest/gtest.h>

#include <limits>

#include "BoardText.h"
#include "engine/Board.h"
#include "game/CellGeometry.h"

namespace daz {
namespace {

using testing::BoardFromRows;
using testing::ControlsMatchGrid;
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
    for (int n = 1; n <= 48; ++n)
        EXPECT_EQ(board.CellNumber(board.CellOf(n)), n);

    // A new board is empty, ring included, with every control hidden.
    EXPECT_TRUE(RingIsEmpty(board));
    EXPECT_EQ(board.TileCount(), 0);
    EXPECT_EQ(board.HiddenControlCount(), 48);
}

TEST(BoardControls, EveryWriterKeepsTheControlsInStepWithTheGrid)
{
    Board board(4, 2);
    board.PlaceTile({2, 1}, 7);
    EXPECT_EQ(board.At(2, 1), 7);
    EXPECT_TRUE(ControlsMatchGrid(board));

    board.MoveTile({2, 1}, {2, 2});
    EXPECT_EQ(board.At(2, 1), 0);
    EXPECT_EQ(board.At(2, 2), 7);
    EXPECT_TRUE(ControlsMatchGrid(board));

    board.ReplaceTile({2, 2}, 3);
    EXPECT_EQ(board.At(2, 2), 3);
    EXPECT_TRUE(ControlsMatchGrid(board));

    // A removed tile's control is hidden but keeps its picture, so an undo
    // can show it again as it was.
    board.RemoveTile({2, 2});
    EXPECT_EQ(board.At(2, 2), 0);
    EXPECT_EQ(board.View(6).picture, 3);
    EXPECT_TRUE(ControlsMatchGrid(board));
    EXPECT_TRUE(RingIsEmpty(board));
}

TEST(BoardControls, TheHintFlashChangesOnlyVisibility)
{
    Board board = BoardFromRows({"AB", "BA"});
    board.SetVisible(1, false);
    EXPECT_EQ(board.At(1, 1), 1);
    EXPECT_EQ(board.View(1).picture, 1);
    EXPECT_EQ(board.HiddenControlCount(), 1);
    EXPECT_EQ(board.TileCount(), 4);

    // A shuffle during the flash leaves the hidden control hidden.
    board.ReplaceTile({1, 1}, 2);
    EXPECT_FALSE(board.View(1).visible);
    EXPECT_EQ(board.View(1).picture, 2);
    board.SetVisible(1, true);
    EXPECT_TRUE(ControlsMatchGrid(board));
}

TEST(BoardControls, ChangedCellsAreReportedInOrderAndTakenOnce)
{
    Board board(4, 2);
    board.PlaceTile({1, 1}, 1);
    board.PlaceTile({4, 2}, 1);
    board.MoveTile({1, 1}, {1, 2});
    board.SetVisible(8, false);
    EXPECT_EQ(board.TakeChangedCells(), (std::vector<int>{1, 8, 5, 1, 8}));
    EXPECT_TRUE(board.TakeChangedCells().empty());
}

TEST(CellGeometry, DividesTheBoardAreaIntoEqualCellsWithAMargin)
{
    const CellGeometry g = CellGeometry::For(6000, 4000, 10, 6);
    EXPECT_EQ(g.boxW, 500);
    EXPECT_EQ(g.boxH, 500);
    EXPECT_EQ(g.Left(3), 1500);
    EXPECT_EQ(g.Top(2), 1000);
    EXPECT_FLOAT_EQ(g.Centre({3, 1}).x, 1750);
    EXPECT_FLOAT_EQ(g.Centre({3, 1}).y, 750);
}

TEST(CellGeometry, RoundsTheAreaToEvenHalvesThenTruncatesTheDivision)
{
    EXPECT_EQ(Nearest(2.5), 2);
    EXPECT_EQ(Nearest(3.5), 4);
    EXPECT_EQ(Nearest(2.4999), 2);
    EXPECT_EQ(Nearest(-0.5), 0);
    EXPECT_EQ(Nearest(-1.5), -2);
    EXPECT_EQ(Nearest(-1.6), -2);

    // 6011 / 12 = 500.9 is cut to 500.
    EXPECT_EQ(CellGeometry::For(6011, 6011, 10, 10).boxW, 500);
    // 13 cells across: 6513 is the first width giving 501.
    EXPECT_EQ(CellGeometry::For(6512.5, 0, 11, 10).boxW, 500); // 6512, not 6513
    EXPECT_EQ(CellGeometry::For(6513.5, 0, 11, 10).boxW, 501); // 6514
    EXPECT_EQ(CellGeometry::For(6499.5, 0, 11, 10).boxW, 500); // 6500, not 6499
    EXPECT_EQ(CellGeometry::For(0, 6512.5, 10, 11).boxH, 500);
}

// Odd cell sizes keep the half unit in the centre; a control's cell is
// found from its position, rounded to the nearest.
TEST(CellGeometry, CentresAndCellsOfGivenCellSizes)
{
    CellGeometry g;
    g.boxW = 45;
    g.boxH = 31;
    EXPECT_FLOAT_EQ(g.Centre({1, 1}).x, 67.5f);
    EXPECT_FLOAT_EQ(g.Centre({1, 1}).y, 46.5f);

    g.boxW = 500;
    g.boxH = 400;
    EXPECT_EQ(g.CellAt(1500, 800), (Cell{3, 2}));
    EXPECT_EQ(g.CellAt(1250, 1000), (Cell{2, 2})); // 2.5 rounds to even
    EXPECT_EQ(g.CellAt(1260, 1010), (Cell{3, 3}));
    EXPECT_EQ(g.CellAt(1750, 1400), (Cell{4, 4})); // 3.5 rounds to even
}

TEST(CellGeometry, ExtremeAreasNeitherOverflowNorDivideByZero)
{
    // Far wider than a 16-bit cell width can hold: the widest cell it can.
    EXPECT_EQ(CellGeometry::For(1.0e7, 100, 2, 2).boxW, std::numeric_limits<std::int16_t>::max());
    // Smaller than the grid: cells of size 0, and every position maps to 0.
    const CellGeometry tiny = CellGeometry::For(3, 3, 10, 10);
    EXPECT_EQ(tiny.boxW, 0);
    EXPECT_EQ(tiny.CellAt(0, 0), (Cell{0, 0}));
}

} // namespace
} // namespace daz
