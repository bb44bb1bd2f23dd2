#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "GameHarness.h"
#include "engine/Compaction.h"

namespace daz::testing {
namespace {

class Selection : public ::testing::Test {
protected:
    void Start(int mode)
    {
        h.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), 6, 4, 10}});
        h.Start(mode);
        h.effects.played.clear();
    }

    GameHarness h;
};

// A removed pair sounds, and the path that joined it grows wider for nine
// ticks of 30 ms and goes on the tenth; the simple mode needs no path and
// draws none.
TEST_F(Selection, ARemovedPairSoundsAndAnimatesItsPath)
{
    for (const int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        Start(mode);
        const auto pair = h.LinkablePair();
        ASSERT_TRUE(pair);
        h.Click(pair->first);
        h.Click(pair->second);
        EXPECT_EQ(h.Sounds(), (QStringList{QStringLiteral("mousedown1.wav"), QStringLiteral("lianjie.wav")}));
        const LinkPathFade& path = h.motion().path;
        EXPECT_EQ(path.Visible(), mode != 1);
        if (mode == 1) {
            continue;
        }
        EXPECT_EQ(path.Path().points[0], h.CellOf(pair->first));
        EXPECT_EQ(path.Path().points[static_cast<std::size_t>(path.Path().segments)], h.CellOf(pair->second));
        EXPECT_TRUE(path.Running());
        h.timers.Fire(QStringLiteral("LinkPathFade"), 9);
        EXPECT_EQ(path.Width(), 9);
        EXPECT_TRUE(path.Visible());
        h.timers.Fire(QStringLiteral("LinkPathFade"));
        EXPECT_FALSE(path.Visible());
        EXPECT_EQ(path.Width(), 1);
        EXPECT_EQ(path.Step(), 0);
        EXPECT_FALSE(path.Running());
    }
}

// After every pair the hard modes slide the tiles as their rules say
// (mode 4 in the direction drawn right after a reseed: 1 down, 2 up,
// 3 right, 4 left) and reshuffle a board left without a move; mode 1
// never does either. Small boards of unique pairs die often.
TEST(Removal, SlidesAndReshufflesADeadBoardAsTheModeSays)
{
    using Slide = std::vector<TileMove> (*)(Board&);
    const Slide kSlides[] = {SlideDown, SlideUp, SlideRight, SlideLeft};
    const auto codes = [](const Board& b) { return std::vector<TileCode>(b.Grid().begin(), b.Grid().end()); };
    for (int mode = 1; mode <= 4; ++mode) {
        GameHarness h;
        h.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), 4, 4, 8}});
        h.Start(mode);
        int reshuffled = 0;
        int kept = 0;
        std::set<int> directions;
        for (int level = 0; level < 40 && !::testing::Test::HasFailure(); ++level) {
            h.flow->ChooseLevel(1);
            for (int pairs = 0; pairs < 8; ++pairs) {
                const auto pair = mode == 1 ? h.EqualPair() : h.LinkablePair();
                if (!pair) {
                    break;
                }
                // What the board must look like after the pair, unless dead.
                Board expected = h.board();
                expected.RemoveTile(expected.CellOf(pair->first));
                expected.RemoveTile(expected.CellOf(pair->second));
                Random draw(h.round().RandomAt());
                const int direction = mode == 4 ? draw.Draw(4) : mode == 3 ? 1 : 0;
                if (direction != 0) {
                    kSlides[direction - 1](expected);
                }
                const bool dead = expected.TileCount() > 0 && !FindPair(expected);
                const float timeBefore = h.round().TimeLeft();
                h.effects.played.clear();
                h.Click(pair->first);
                h.Click(pair->second);
                ASSERT_EQ(h.board().TileCount(), expected.TileCount());
                const bool shuffled = h.Sounds().contains(QStringLiteral("dl.wav"));
                ASSERT_EQ(shuffled, dead && mode != 1) << "mode " << mode;
                if (!shuffled) {
                    ASSERT_EQ(codes(h.board()), codes(expected)) << "mode " << mode << ", direction " << direction;
                }
                (shuffled ? reshuffled : kept) += 1;
                directions.insert(direction);
                if (expected.TileCount() > 0) {
                    EXPECT_EQ(h.round().TimeLeft(), mode == 4 ? 3000 : timeBefore + RulesFor(mode).timeStep);
                }
            }
        }
        EXPECT_GE(reshuffled, mode == 1 ? 0 : 3) << "mode " << mode;
        EXPECT_GE(kept, 50) << "mode " << mode;
        EXPECT_EQ(directions.size(), mode == 4 ? 4u : 1u) << "mode " << mode;
    }
}

} // namespace
} // namespace daz::testing
