#include <gtest/gtest.h>

#include <vector>

#include "BoardText.h"
#include "engine/LinkTest.h"

namespace daz {
namespace {

using testing::BoardFromRows;

std::vector<Cell> PathOf(const LinkDecision& d)
{
    return {d.path.points.begin(), d.path.points.begin() + (d.linked ? d.path.segments + 1 : 0)};
}

std::vector<Cell> ListA(const CornerLists& l) { return {l.a.begin(), l.a.begin() + l.aCount}; }
std::vector<Cell> ListB(const CornerLists& l) { return {l.b.begin(), l.b.begin() + l.bCount}; }

TEST(LineLink, JoinsCellsOfOneLineWithOnlyEmptyCellsBetween)
{
    const Board board = BoardFromRows({
        "A..AB",
        ".....",
        "C.B..",
        ".....",
    });
    EXPECT_TRUE(LineLink(board, 1, 1, 4, 1));  // ends occupied, between empty
    EXPECT_TRUE(LineLink(board, 4, 1, 1, 1));  // either way round
    EXPECT_FALSE(LineLink(board, 1, 1, 5, 1)); // blocked by the A at (4, 1)
    EXPECT_TRUE(LineLink(board, 1, 1, 1, 3));
    EXPECT_FALSE(LineLink(board, 1, 3, 4, 3)); // blocked by the B at (3, 3)
    EXPECT_TRUE(LineLink(board, 4, 1, 5, 1));  // neighbours, both occupied
    EXPECT_TRUE(LineLink(board, 3, 3, 3, 4));
    EXPECT_TRUE(LineLink(board, 2, 2, 2, 2));  // a cell with itself
    EXPECT_TRUE(LineLink(board, 0, 0, 6, 0));  // along the ring
    EXPECT_TRUE(LineLink(board, 0, 5, 0, 0));
}

TEST(LineLink, CellsOnNoCommonLineNeverJoinEvenOnAnEmptyBoard)
{
    const Board board(4, 4);
    EXPECT_FALSE(LineLink(board, 1, 1, 2, 2));
    EXPECT_FALSE(LineLink(board, 1, 1, 3, 2));
    EXPECT_FALSE(LineLink(board, 0, 0, 5, 5));
}

TEST(ListCorners, ListsEveryEmptyCellOfBothLinesRowFirstRingIncluded)
{
    const Board board = BoardFromRows({
        "AB.C",
        ".D.A",
    });
    CornerLists lists;
    ListCorners(board, 1, 1, 4, 2, lists);
    EXPECT_EQ(ListA(lists), (std::vector<Cell>{{0, 1}, {3, 1}, {5, 1}, {1, 0}, {1, 2}, {1, 3}}));
    EXPECT_EQ(ListB(lists), (std::vector<Cell>{{0, 2}, {1, 2}, {3, 2}, {5, 2}, {4, 0}, {4, 3}}));

    // The lists are overwritten, not appended to.
    ListCorners(board, 4, 1, 2, 1, lists);
    EXPECT_EQ(ListA(lists), (std::vector<Cell>{{0, 1}, {3, 1}, {5, 1}, {4, 0}, {4, 3}}));
}

TEST(ListCorners, TheLargestBoardFillsTheListsExactly)
{
    Board board(50, 49);
    board.PlaceTile({1, 1}, 1);
    board.PlaceTile({50, 49}, 1);
    CornerLists lists;
    ListCorners(board, 1, 1, 50, 49, lists);
    EXPECT_EQ(lists.aCount, CornerLists::kCapacity);
    EXPECT_EQ(lists.bCount, CornerLists::kCapacity);
}

TEST(IsLink, DifferentCodesAreRefusedInEveryMode)
{
    const Board board = BoardFromRows({"AB", ".."});
    for (int mode = 1; mode <= 4; ++mode)
        EXPECT_FALSE(IsLink(board, 1, 1, 2, 1, mode).linked) << "mode " << mode;
}

TEST(IsLink, SimpleModeTakesAnyTwoEqualTilesWithoutAPath)
{
    const Board board = BoardFromRows({
        "ABC",
        "CBA",
    });
    const LinkDecision d = IsLink(board, 1, 1, 3, 2, 1);
    EXPECT_TRUE(d.linked);
    EXPECT_EQ(d.path.segments, 0);
    EXPECT_FALSE(IsLink(board, 1, 1, 3, 2, 2).linked);
}

TEST(IsLink, ATileIsNeverAPairWithItself)
{
    const Board board = BoardFromRows({"A.", ".A"});
    for (int mode = 1; mode <= 4; ++mode)
        EXPECT_FALSE(IsLink(board, 1, 1, 1, 1, mode).linked) << "mode " << mode;
}

TEST(IsLink, NeighboursLinkStraightOnAFullBoard)
{
    const Board board = BoardFromRows({
        "AAB",
        "CDB",
    });
    LinkDecision d = IsLink(board, 1, 1, 2, 1, 2);
    EXPECT_TRUE(d.linked);
    EXPECT_EQ(PathOf(d), (std::vector<Cell>{{1, 1}, {2, 1}}));
    d = IsLink(board, 3, 2, 3, 1, 3);
    EXPECT_TRUE(d.linked);
    EXPECT_EQ(PathOf(d), (std::vector<Cell>{{3, 2}, {3, 1}}));
}

TEST(IsLink, StraightBeatsAnyTurn)
{
    const Board board = BoardFromRows({
        "A..A",
        "....",
    });
    EXPECT_EQ(PathOf(IsLink(board, 1, 1, 4, 1, 2)), (std::vector<Cell>{{1, 1}, {4, 1}}));
}

TEST(IsLink, TheTurnInTheFirstTilesColumnComesBeforeTheOtherOne)
{
    EXPECT_EQ(PathOf(IsLink(BoardFromRows({"A.", ".A"}), 1, 1, 2, 2, 2)),
              (std::vector<Cell>{{1, 1}, {1, 2}, {2, 2}}));
    EXPECT_EQ(PathOf(IsLink(BoardFromRows({"A.", "BA"}), 1, 1, 2, 2, 2)),
              (std::vector<Cell>{{1, 1}, {2, 1}, {2, 2}}));
    // Seen from the other tile, its own column comes first.
    EXPECT_EQ(PathOf(IsLink(BoardFromRows({"A.", ".A"}), 2, 2, 1, 1, 2)),
              (std::vector<Cell>{{2, 2}, {2, 1}, {1, 1}}));
}

TEST(IsLink, TilesOfTheTopRowLinkThroughTheMarginAboveAFullBoard)
{
    const Board board = BoardFromRows({
        "ABCA",
        "DEFG",
    });
    const LinkDecision d = IsLink(board, 1, 1, 4, 1, 2);
    EXPECT_TRUE(d.linked);
    EXPECT_EQ(PathOf(d), (std::vector<Cell>{{1, 1}, {1, 0}, {4, 0}, {4, 1}}));
}

TEST(IsLink, BetweenTwoEmptyColumnsThePathTakesTheLeftOne)
{
    const Board board = BoardFromRows({
        "B.A.C",
        "D.E.F",
        "G.A.H",
        "I.J.K",
    });
    EXPECT_EQ(PathOf(IsLink(board, 3, 1, 3, 3, 2)), (std::vector<Cell>{{3, 1}, {2, 1}, {2, 3}, {3, 3}}));
}

TEST(IsLink, TwoTurnPathsAreTriedInCornerListOrder)
{
    // The only way round goes down through the margin below the board:
    // every corner earlier in the lists is blocked.
    const Board board = BoardFromRows({
        "AB.C",
        ".D.A",
    });
    const LinkDecision d = IsLink(board, 1, 1, 4, 2, 4);
    EXPECT_TRUE(d.linked);
    EXPECT_EQ(PathOf(d), (std::vector<Cell>{{1, 1}, {1, 3}, {4, 3}, {4, 2}}));
}

TEST(IsLink, APairNeedingThreeTurnsIsRefused)
{
    const Board board = BoardFromRows({"AB", "BA"});
    EXPECT_FALSE(IsLink(board, 1, 1, 2, 2, 2).linked);
    EXPECT_FALSE(IsLink(board, 2, 1, 1, 2, 3).linked);
    EXPECT_TRUE(IsLink(board, 1, 1, 2, 2, 1).linked);

    // Either corner of one turn is open from the first tile, but the
    // second tile cannot see it: the E is in the way.
    const Board blocked = BoardFromRows({
        "A..B",
        "CDEF",
        "GHAI",
    });
    EXPECT_FALSE(IsLink(blocked, 1, 1, 3, 3, 2).linked);
    EXPECT_FALSE(IsLink(blocked, 3, 3, 1, 1, 2).linked);
}

} // namespace
} // namespace daz
