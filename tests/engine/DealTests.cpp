#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "BoardText.h"
#include "engine/Deal.h"
#include "tests/support/TestBoards.h"

namespace daz {
namespace {

using testing::BoardFromRows;
using testing::RowsOf;

std::map<TileCode, int> CountCodes(const std::vector<TileCode>& codes)
{
    std::map<TileCode, int> counts;
    for (TileCode c : codes) {
        ++counts[c];
    }
    return counts;
}

std::map<TileCode, int> CountCodes(const Board& board)
{
    std::vector<TileCode> codes;
    for (int n = 1; n <= board.CellCount(); ++n) {
        if (board.At(board.CellOf(n)) != 0) {
            codes.push_back(board.At(board.CellOf(n)));
        }
    }
    return CountCodes(codes);
}

// A small board uses only the first pictures; with more pairs than
// pictures they go round again.
TEST(DealDeck, DealsThePicturesInTurnAPairAtATime)
{
    Random random = testing::SeededRandom(2);
    EXPECT_EQ(CountCodes(DealDeck(4, 10, random)), (std::map<TileCode, int>{{1, 2}, {2, 2}}));
    std::map<TileCode, int> expected{{1, 4}, {2, 4}};
    for (TileCode c = 3; c <= 10; ++c) {
        expected[c] = 2;
    }
    EXPECT_EQ(CountCodes(DealDeck(24, 10, random)), expected);

    // One picture only: every tile shows it.
    EXPECT_EQ(CountCodes(DealDeck(6, 1, random)), (std::map<TileCode, int>{{1, 6}}));
}

TEST(DealDeck, TheShuffleDependsOnlyOnTheGenerator)
{
    Random a = testing::SeededRandom(3);
    Random b = testing::SeededRandom(3);
    Random c = testing::SeededRandom(4);
    const std::vector<TileCode> deck = DealDeck(48, 12, a);
    EXPECT_EQ(deck, DealDeck(48, 12, b));
    EXPECT_NE(deck, DealDeck(48, 12, c));
}

TEST(DealDeck, EveryPositionCanReceiveEveryPicture)
{
    // Swapping each position with one drawn from the whole deck can send
    // any tile anywhere: over many deals, every picture turns up at every
    // position of a small deck.
    Random random = testing::SeededRandom(6);
    std::vector<std::map<TileCode, int>> seen(6);
    for (int deal = 0; deal < 300; ++deal) {
        const std::vector<TileCode> deck = DealDeck(6, 3, random);
        for (std::size_t i = 0; i < deck.size(); ++i) {
            ++seen[i][deck[i]];
        }
    }
    for (const auto& position : seen) {
        EXPECT_EQ(position.size(), 3u);
    }
}

TEST(LayOutDeck, FillsTheBoardRowByRowAndShowsEveryTile)
{
    Board board(3, 2);
    LayOutDeck(board, {1, 2, 3, 3, 2, 1});
    EXPECT_EQ(RowsOf(board), (std::vector<std::string>{"ABC", "CBA"}));
    EXPECT_TRUE(testing::RingIsEmpty(board));
}

TEST(ShuffleBoard, KeepsTheOccupiedCellsAndTheCodes)
{
    Random random = testing::SeededRandom(8);
    Board board(8, 6);
    // Ten tiles on 48 cells.
    const std::vector<Cell> occupied = {{1, 1}, {8, 1}, {3, 2}, {4, 2}, {5, 3}, {1, 4}, {2, 5}, {7, 5}, {8, 6}, {4, 6}};
    for (std::size_t i = 0; i < occupied.size(); ++i) {
        board.PlaceTile(occupied[i], static_cast<TileCode>(1 + i / 2));
    }
    const auto counts = CountCodes(board);
    const std::vector<std::string> before = RowsOf(board);

    ShuffleBoard(board, random);

    EXPECT_EQ(CountCodes(board), counts);
    for (int n = 1; n <= 48; ++n) {
        const Cell c = board.CellOf(n);
        const bool wasOccupied = std::find(occupied.begin(), occupied.end(), c) != occupied.end();
        EXPECT_EQ(board.At(c) != 0, wasOccupied) << "cell " << n;
    }
    EXPECT_NE(RowsOf(board), before);
}

// A board of one code keeps its cells; an empty board stays empty.
TEST(ShuffleBoard, OneCodeOrNoTileLeavesTheBoardAsItWas)
{
    Random random = testing::SeededRandom(9);
    Board same = BoardFromRows({"A..A", "A.A."});
    ShuffleBoard(same, random);
    EXPECT_EQ(RowsOf(same), (std::vector<std::string>{"A..A", "A.A."}));

    Board empty(4, 4);
    ShuffleBoard(empty, random);
    EXPECT_EQ(empty.TileCount(), 0);
}

TEST(ShuffleBoard, DependsOnTheGeneratorAloneAndMovesItOn)
{
    // Generators at the same place shuffle alike, whatever their clocks
    // say (a seeded level replays its shuffles); the next shuffle of the
    // same arrangement comes out different, as the generator moved on.
    Random first(11, [] { return 43200.25; });
    Random second(11, [] { return 100.0; });
    const Board board = testing::RandomBoard(10, 10, 1.0f, 50, first);
    (void)testing::RandomBoard(10, 10, 1.0f, 50, second);
    Board a = board;
    Board b = board;
    ShuffleBoard(a, first);
    ShuffleBoard(b, second);
    EXPECT_EQ(RowsOf(a), RowsOf(b));
    EXPECT_EQ(first.Place(), second.Place());
    Board again = board;
    ShuffleBoard(again, first);
    EXPECT_NE(RowsOf(again), RowsOf(a));
}

TEST(ShuffleBoard, EveryTileIsEquallyLikelyToEndUpLast)
{
    // The last position swaps with one drawn from all of them, so it ends
    // up with each tile a quarter of the time.
    Random random = testing::SeededRandom(14);
    std::map<TileCode, int> last;
    for (int i = 0; i < 4000; ++i) {
        Board board = BoardFromRows({"AB", "CD"});
        ShuffleBoard(board, random);
        ++last[board.At(2, 2)];
    }
    ASSERT_EQ(last.size(), 4u);
    for (const auto& [code, count] : last) {
        EXPECT_NEAR(count, 1000, 150) << "code " << code;
    }
}

// Removes a pair the way a click does: two records, first tile first.
void RemovePair(Board& board, UndoStack& stack, Cell first, Cell second)
{
    stack.Push({static_cast<std::int16_t>(first.x), static_cast<std::int16_t>(first.y), board.At(first)});
    stack.Push({static_cast<std::int16_t>(second.x), static_cast<std::int16_t>(second.y), board.At(second)});
    board.RemoveTile(first);
    board.RemoveTile(second);
}

TEST(UndoLastPair, TakesBackPairsMostRecentFirst)
{
    Board board = BoardFromRows({"AABB", "CDDC"});
    UndoStack stack;
    stack.Reset(board.CellCount());
    RemovePair(board, stack, {1, 1}, {2, 1});
    RemovePair(board, stack, {3, 1}, {4, 1});
    EXPECT_EQ(stack.UndoCount(), 4);
    EXPECT_EQ(stack.UndoList(),
              (std::vector<UndoEntry>{{1, 1, 1}, {2, 1, 1}, {3, 1, 2}, {4, 1, 2}})); // oldest first, from [0]

    UndoLastPair(board, stack);
    EXPECT_EQ(RowsOf(board), (std::vector<std::string>{"..BB", "CDDC"}));
    EXPECT_EQ(stack.UndoCount(), 2);
    UndoLastPair(board, stack);
    EXPECT_EQ(RowsOf(board), (std::vector<std::string>{"AABB", "CDDC"}));
    EXPECT_EQ(stack.UndoCount(), 0);

    // With nothing left to undo nothing happens.
    UndoLastPair(board, stack);
    EXPECT_EQ(stack.UndoCount(), 0);
    EXPECT_EQ(RowsOf(board), (std::vector<std::string>{"AABB", "CDDC"}));

    // A new level starts with no records.
    RemovePair(board, stack, {1, 2}, {4, 2});
    stack.Reset(board.CellCount());
    EXPECT_TRUE(stack.UndoList().empty());
}

TEST(UndoLastPair, BringsThePairBackWhereItWasAfterAShuffle)
{
    Random random = testing::SeededRandom(14);
    Board board = BoardFromRows({"ABCDEF", "FEDCBA", "ABCDEF"});
    UndoStack stack;
    stack.Reset(board.CellCount());
    RemovePair(board, stack, {3, 1}, {4, 2});
    ShuffleBoard(board, random);
    const std::vector<std::string> shuffled = RowsOf(board);

    UndoLastPair(board, stack);
    std::vector<std::string> expected = shuffled;
    expected[0][2] = 'C';
    expected[1][3] = 'C';
    EXPECT_EQ(RowsOf(board), expected);
}

} // namespace
} // namespace daz
