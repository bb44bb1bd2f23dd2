#include <gtest/gtest.h>

#include "GameHarness.h"

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

} // namespace
} // namespace daz::testing
