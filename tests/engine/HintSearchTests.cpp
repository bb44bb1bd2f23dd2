#include <gtest/gtest.h>

#include <optional>

#include "BoardText.h"
#include "engine/HintSearch.h"
#include "tests/support/ReferenceFindPair.h"
#include "tests/support/TestBoards.h"

namespace daz {
namespace {

using testing::BoardFromRows;

// The pair a hint shows: the first tile in row order that has a partner,
// with its smallest partner; none when no pair links within two turns.
TEST(FindPair, FindsTheFirstLinkablePairInRowOrder)
{
    const struct {
        const char* name;
        std::vector<std::string_view> rows;
        std::optional<CellPair> pair;
    } cases[] = {
        {"two tiles filling a row", {"AA"}, CellPair{1, 2}},
        {"two tiles filling a column", {"A", "A"}, CellPair{1, 2}},
        {"only different tiles", {"ABCD", "EFGH"}, std::nullopt},
        {"a pair needing three turns", {"AB", "BA"}, std::nullopt},
        {"the pair after one needing three turns", {"ABC", "CBA"}, CellPair{2, 5}},
        {"the first tile beats an adjacent pair after it", {"ABB.", "...A"}, CellPair{1, 8}},
        // Cell 1 reaches cell 4 along the row and cell 5 right below it.
        {"the smallest partner", {"A..A", "A..."}, CellPair{1, 4}},
        // Cell 1 reaches only cell 8, through the margin; cells 2 and 3 are
        // a pair but come later.
        {"the first tile's partner, not the first pair", {"ABBC", "DEFA"}, CellPair{2, 3}},
        {"through the margin above", {"ABCA", "DEFG"}, CellPair{1, 4}},
        {"down the left margin", {"AB", "CD", "AE"}, CellPair{1, 5}},
        {"out through an empty cell, down the right margin", {"A.", "CD", "EA"}, CellPair{1, 6}},
        // Down through empty cells into the margin below, and up again.
        {"through the margin below", {"BCDE", "AFGA", ".HI."}, CellPair{5, 8}},
        {"through the margin below to the nearer partner", {"BA..", "..D.", ".CBB"}, CellPair{1, 11}},
        {"round the corner of the margin: a turn too many", {"AB", "CD", "EA"}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindPair(BoardFromRows(c.rows)), c.pair) << c.name;
    }

    EXPECT_EQ(FindPair(Board(6, 5)), std::nullopt);

    Board highest(2, 2);
    highest.PlaceTile({1, 1}, 32767);
    highest.PlaceTile({2, 2}, 32767);
    highest.PlaceTile({2, 1}, 1);
    EXPECT_EQ(FindPair(highest), (CellPair{1, 4}));
}

// The fast search must return exactly the pair that the plain scan over
// all pairs of equal tiles returns, on boards of every kind.
class FindPairAgreesWithThePlainScan : public ::testing::Test {
protected:
    void Check(const Board& board)
    {
        const std::optional<CellPair> expected = reference::FindPair(board);
        ++(expected ? alive_ : dead_);
        ASSERT_EQ(FindPair(board), expected) << Describe(board);
    }

    static std::string Describe(const Board& board)
    {
        std::string text = "on the board\n";
        for (const std::string& row : testing::RowsOf(board)) {
            text += row + '\n';
        }
        return text;
    }

    // A valid size of from + 1 … from + spanX by from + 1 … from + spanY.
    std::pair<int, int> RandomSize(int from, int spanX, int spanY)
    {
        for (;;) {
            const int maxX = from + random_.Draw(spanX);
            const int maxY = from + random_.Draw(spanY);
            if (Board::IsValidSize(maxX, maxY)) {
                return {maxX, maxY};
            }
        }
    }

    // How many boards of each kind were compared, in the XML report.
    void TearDown() override
    {
        RecordProperty("alive", alive_);
        RecordProperty("dead", dead_);
    }

    Random random_ = testing::SeededRandom(20061004);
    int alive_ = 0;
    int dead_ = 0;
};

TEST_F(FindPairAgreesWithThePlainScan, OnRandomBoardsOfEveryValidSizeUpTo19By19)
{
    // Fill ratios and numbers of codes from sparse boards of a few codes,
    // where nearly everything links, to full boards of many codes.
    constexpr float kFills[] = {0.25f, 0.5f, 0.7f, 0.85f, 1.0f};
    constexpr int kCodes[] = {1, 2, 3, 6, 12, 30};
    for (int maxY = 1; maxY <= 19; ++maxY) {
        for (int maxX = 1; maxX <= 19; ++maxX) {
            if (!Board::IsValidSize(maxX, maxY)) {
                continue;
            }
            for (int i = 0; i < 8; ++i) {
                const float fill = kFills[random_.Draw(5) - 1];
                const int codes = kCodes[random_.Draw(6) - 1];
                Check(testing::RandomBoard(maxX, maxY, fill, codes, random_));
                if (HasFailure()) {
                    return;
                }
            }
        }
    }
    // Both answers must be well represented for the comparison to mean much.
    EXPECT_GT(alive_, 1000);
    EXPECT_GT(dead_, 50);
}

TEST_F(FindPairAgreesWithThePlainScan, OnLargerRandomBoards)
{
    for (int i = 0; i < 60; ++i) {
        const auto [maxX, maxY] = RandomSize(15, 36, 35);
        Check(testing::RandomBoard(maxX, maxY, 0.3f + 0.7f * random_.Rnd(), 2 + random_.Draw(60), random_));
        if (HasFailure()) {
            return;
        }
    }
}

TEST_F(FindPairAgreesWithThePlainScan, OnDeadBoardsAndBoardsOneChangeAwayFromDead)
{
    // A dead board brought back to life by one change has its only
    // linkable pairs wherever the change happened to open them: a search
    // that overlooks a kind of path shows up here.
    for (int i = 0; i < 50; ++i) {
        const auto [maxX, maxY] = RandomSize(2, 10, 10);
        const float fill = 0.5f + 0.5f * random_.Rnd();
        Board board = testing::DeadBoard(maxX, maxY, fill, 4 + random_.Draw(20), 1000 + static_cast<unsigned>(i));
        Check(board);
        if (HasFailure()) {
            return;
        }
        for (int change = 0; change < 10; ++change) {
            Board changed = board;
            const Cell cell = changed.CellOf(random_.Draw(changed.CellCount()));
            if (changed.At(cell) != 0 && random_.Rnd() < 0.5f) {
                changed.RemoveTile(cell);
            } else {
                changed.PlaceTile(cell, changed.At(changed.CellOf(random_.Draw(changed.CellCount()))));
            }
            Check(changed);
            if (HasFailure()) {
                return;
            }
        }
    }
    EXPECT_GE(dead_, 50);
    EXPECT_GT(alive_, 150);
}

TEST_F(FindPairAgreesWithThePlainScan, OnALargeDeadBoard)
{
    const Board board = testing::DeadBoard(40, 30, 0.7f, 40, 7);
    EXPECT_GT(board.TileCount(), 700);
    Check(board);
}

} // namespace
} // namespace daz
