#include <gtest/gtest.h>

#include <limits>

#include "game/CellGeometry.h"

namespace daz {
namespace {

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
