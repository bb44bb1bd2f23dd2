#include <gtest/gtest.h>

#include <vector>

#include "BoardText.h"
#include "engine/LinkTest.h"

namespace daz {
namespace {

using testing::BoardFromRows;
using Cells = std::vector<Cell>;

// The corners of the path drawn; none for a pair refused or taken without
// a path.
Cells PathOf(const LinkDecision& d)
{
    if (!d.linked || d.path.segments == 0) {
        return {};
    }
    return {d.path.points.begin(), d.path.points.begin() + d.path.segments + 1};
}

Cells ListA(const CornerLists& l)
{
    return {l.a.begin(), l.a.begin() + l.aCount};
}
Cells ListB(const CornerLists& l)
{
    return {l.b.begin(), l.b.begin() + l.bCount};
}

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
    EXPECT_TRUE(LineLink(board, 2, 2, 2, 2)); // a cell with itself
    EXPECT_TRUE(LineLink(board, 0, 0, 6, 0)); // along the ring
    EXPECT_TRUE(LineLink(board, 0, 5, 0, 0));
    // Cells on no common line never join, even on an empty board.
    const Board empty(4, 4);
    EXPECT_FALSE(LineLink(empty, 1, 1, 2, 2));
    EXPECT_FALSE(LineLink(empty, 1, 1, 3, 2));
    EXPECT_FALSE(LineLink(empty, 0, 0, 5, 5));
}

TEST(ListCorners, ListsEveryEmptyCellOfBothLinesRowFirstRingIncluded)
{
    const Board board = BoardFromRows({
        "AB.C",
        ".D.A",
    });
    CornerLists lists;
    ListCorners(board, 1, 1, 4, 2, lists);
    EXPECT_EQ(ListA(lists), (Cells{{0, 1}, {3, 1}, {5, 1}, {1, 0}, {1, 2}, {1, 3}}));
    EXPECT_EQ(ListB(lists), (Cells{{0, 2}, {1, 2}, {3, 2}, {5, 2}, {4, 0}, {4, 3}}));

    // The lists are overwritten, not appended to.
    ListCorners(board, 4, 1, 2, 1, lists);
    EXPECT_EQ(ListA(lists), (Cells{{0, 1}, {3, 1}, {5, 1}, {4, 0}, {4, 3}}));

    // The largest board fills the lists exactly.
    Board largest(50, 49);
    largest.PlaceTile({1, 1}, 1);
    largest.PlaceTile({50, 49}, 1);
    ListCorners(largest, 1, 1, 50, 49, lists);
    EXPECT_EQ(lists.aCount, CornerLists::kCapacity);
    EXPECT_EQ(lists.bCount, CornerLists::kCapacity);
}

// A board, the first and second tile clicked, the mode (0: every mode),
// whether the pair goes and the path drawn for it.
struct LinkCase {
    const char* name;
    std::vector<std::string_view> rows;
    Cell first, second;
    int mode;
    bool linked;
    Cells path;
};

TEST(IsLink, TakesThePathOfFewestTurnsTriedInTheGamesOrder)
{
    const std::vector<std::string_view> threeTurns{"AB", "BA"};
    const LinkCase cases[] = {
        {"different codes", {"AB", ".."}, {1, 1}, {2, 1}, 0, false, {}},
        {"a tile with itself", {"A.", ".A"}, {1, 1}, {1, 1}, 0, false, {}},
        {"simple mode needs no path", {"ABC", "CBA"}, {1, 1}, {3, 2}, 1, true, {}},
        {"the same pair in mode 2", {"ABC", "CBA"}, {1, 1}, {3, 2}, 2, false, {}},
        {"row neighbours on a full board", {"AAB", "CDB"}, {1, 1}, {2, 1}, 2, true, {{1, 1}, {2, 1}}},
        {"column neighbours on a full board", {"AAB", "CDB"}, {3, 2}, {3, 1}, 3, true, {{3, 2}, {3, 1}}},
        {"straight beats any turn", {"A..A", "...."}, {1, 1}, {4, 1}, 2, true, {{1, 1}, {4, 1}}},
        {"the turn in the first tile's column first", {"A.", ".A"}, {1, 1}, {2, 2}, 2, true, {{1, 1}, {1, 2}, {2, 2}}},
        {"the other turn when that is blocked", {"A.", "BA"}, {1, 1}, {2, 2}, 2, true, {{1, 1}, {2, 1}, {2, 2}}},
        {"seen from the other tile, its column first", {"A.", ".A"}, {2, 2}, {1, 1}, 2, true, {{2, 2}, {2, 1}, {1, 1}}},
        {"through the margin above a full board",
         {"ABCA", "DEFG"},
         {1, 1},
         {4, 1},
         2,
         true,
         {{1, 1}, {1, 0}, {4, 0}, {4, 1}}},
        {"between two empty columns the left one",
         {"B.A.C", "D.E.F", "G.A.H", "I.J.K"},
         {3, 1},
         {3, 3},
         2,
         true,
         {{3, 1}, {2, 1}, {2, 3}, {3, 3}}},
        // Every corner earlier in the lists is blocked: the only way goes
        // through the margin below.
        {"two turns in corner-list order", {"AB.C", ".D.A"}, {1, 1}, {4, 2}, 4, true, {{1, 1}, {1, 3}, {4, 3}, {4, 2}}},
        {"three turns in mode 2", threeTurns, {1, 1}, {2, 2}, 2, false, {}},
        {"three turns in mode 3", threeTurns, {2, 1}, {1, 2}, 3, false, {}},
        {"three turns in simple mode", threeTurns, {1, 1}, {2, 2}, 1, true, {}},
        // Either corner of one turn is open from the first tile, but the
        // second tile cannot see it: the E is in the way.
        {"a one-turn corner the second tile cannot see", {"A..B", "CDEF", "GHAI"}, {1, 1}, {3, 3}, 2, false, {}},
        {"the same from the other tile", {"A..B", "CDEF", "GHAI"}, {3, 3}, {1, 1}, 2, false, {}},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Board board = BoardFromRows(c.rows);
        for (int mode = c.mode == 0 ? 1 : c.mode; mode <= (c.mode == 0 ? 4 : c.mode); ++mode) {
            const LinkDecision d = IsLink(board, c.first.x, c.first.y, c.second.x, c.second.y, mode);
            EXPECT_EQ(d.linked, c.linked) << "mode " << mode;
            EXPECT_EQ(PathOf(d), c.path) << "mode " << mode;
        }
    }
}

} // namespace
} // namespace daz
