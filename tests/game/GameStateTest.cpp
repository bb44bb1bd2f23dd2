#include <gtest/gtest.h>

#include "game/GameState.h"

namespace daz {
namespace {

std::array<int, 8> DigitsHighToLow(const ScoreDisplay& d)
{
    return {d.digit[8], d.digit[7], d.digit[6], d.digit[5], d.digit[4], d.digit[3], d.digit[2], d.digit[1]};
}

TEST(ScoreDisplay, ShowsEightDigitsWithLeadingZeros)
{
    EXPECT_EQ(DigitsHighToLow(ShowScore(0)), (std::array<int, 8>{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(DigitsHighToLow(ShowScore(1234)), (std::array<int, 8>{0, 0, 0, 0, 1, 2, 3, 4}));
    EXPECT_EQ(DigitsHighToLow(ShowScore(87654321)), (std::array<int, 8>{8, 7, 6, 5, 4, 3, 2, 1}));
}

TEST(ScoreDisplay, ScoresBeyondTheDisplayAreClamped)
{
    // Nine digits cannot be shown: the display stays full of nines and the
    // title keeps the highest rank.
    const auto big = ShowScore(123456789);
    EXPECT_EQ(DigitsHighToLow(big), (std::array<int, 8>{9, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(big.title, QStringLiteral("１８．神眼"));

    const auto negative = ShowScore(-42);
    EXPECT_EQ(DigitsHighToLow(negative), (std::array<int, 8>{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(negative.title, QStringLiteral("１．小星星"));
}

TEST(RankTitle, FollowsTheDoublingThresholds)
{
    EXPECT_EQ(RankTitle(0), QStringLiteral("１．小星星"));
    EXPECT_EQ(RankTitle(99), QStringLiteral("１．小星星"));
    EXPECT_EQ(RankTitle(100), QStringLiteral("２．摩羯座"));
    EXPECT_EQ(RankTitle(199), QStringLiteral("２．摩羯座"));
    EXPECT_EQ(RankTitle(200), QStringLiteral("３．水瓶座"));
    EXPECT_EQ(RankTitle(12800), QStringLiteral("９．狮子座"));
    EXPECT_EQ(RankTitle(25599), QStringLiteral("９．狮子座"));
    EXPECT_EQ(RankTitle(25600), QStringLiteral("１０．处女座"));
    EXPECT_EQ(RankTitle(409600), QStringLiteral("１４．对对星座"));
    EXPECT_EQ(RankTitle(3276800), QStringLiteral("１７．火眼金睛"));
    EXPECT_EQ(RankTitle(6553599), QStringLiteral("１７．火眼金睛"));
    EXPECT_EQ(RankTitle(6553600), QStringLiteral("１８．神眼"));
    EXPECT_EQ(RankTitle(INT64_MAX), QStringLiteral("１８．神眼"));
}

TEST(Tools, NeedACounterAndEnoughPoints)
{
    EXPECT_FALSE(CanAffordTool(9, 1, kHintCost));
    EXPECT_TRUE(CanAffordTool(9, 2, kUndoCost));
    EXPECT_FALSE(CanAffordTool(0, 100, kUndoCost));
    EXPECT_FALSE(CanAffordTool(3, 9, kShuffleCost));
    EXPECT_TRUE(CanAffordTool(1, 10, kShuffleCost));
    EXPECT_FALSE(CanAffordTool(3, -5, kHintCost));
    EXPECT_FALSE(CanAffordTool(3, INT64_MIN, kHintCost));
    EXPECT_TRUE(CanAffordTool(3, INT64_MAX, kShuffleCost));
}

TEST(Tools, ScoreChangesStopAtTheDisplaysBounds)
{
    EXPECT_EQ(ChangedScore(41, 1), 42);
    EXPECT_EQ(ChangedScore(12, -kShuffleCost), 2);
    EXPECT_EQ(ChangedScore(kLargestShownScore, 1), kLargestShownScore);
    EXPECT_EQ(ChangedScore(INT64_MAX, 1), kLargestShownScore);
    EXPECT_EQ(ChangedScore(INT64_MAX, -kHintCost), kLargestShownScore - kHintCost);
    EXPECT_EQ(ChangedScore(1, -kUndoCost), 0);
    EXPECT_EQ(ChangedScore(INT64_MIN, -kHintCost), 0);
    EXPECT_EQ(ChangedScore(INT64_MIN, 1), 1);
}

TEST(Modes, CarryTheirTimeAndTools)
{
    struct Row {
        const char* caption;
        int timeStep, timeAfterDeal, undo, hint, shuffle;
        FollowUp followUp;
        int ticksToTimeOut;
    };
    // A fresh level lasts until the bar is no wider than one step.
    const Row expected[] = {
        {"简单模式", 10, 3010, 9, 9, 9, FollowUp::TimeBonus, 300},
        {"正常模式", 20, 3020, 6, 6, 6, FollowUp::DeadBoardTest, 150},
        {"挑战模式", 10, 3010, 0, 3, 3, FollowUp::SlideDownAndTest, 300},
        {"极限模式", 50, 2990, 0, 9, 3, FollowUp::RandomSlideAndRefill, 59},
        {"", 0, 3000, 0, 0, 0, FollowUp::Nothing, -1}, // any other number
    };
    for (int mode = 0; mode <= 5; ++mode) {
        const Row& row = expected[mode >= 1 && mode <= 4 ? mode - 1 : 4];
        const ModeRules& rules = RulesFor(mode);
        EXPECT_EQ(QString::fromUtf8(rules.caption), QString::fromUtf8(row.caption)) << "mode " << mode;
        EXPECT_EQ(rules.timeStep, row.timeStep) << "mode " << mode;
        EXPECT_EQ(rules.timeAfterDeal, row.timeAfterDeal) << "mode " << mode;
        EXPECT_EQ(rules.undoLeft, row.undo) << "mode " << mode;
        EXPECT_EQ(rules.hintLeft, row.hint) << "mode " << mode;
        EXPECT_EQ(rules.shuffleLeft, row.shuffle) << "mode " << mode;
        EXPECT_EQ(rules.followUp, row.followUp) << "mode " << mode;
        if (row.ticksToTimeOut < 0)
            continue;
        float left = rules.timeAfterDeal;
        int ticks = 0;
        do {
            left -= rules.timeStep;
            ++ticks;
        } while (left > rules.timeStep && ticks <= 1000);
        EXPECT_EQ(ticks, row.ticksToTimeOut) << "mode " << mode;
    }
}

TEST(MusicSwitch, SavesTheTextItWasReadAsUntilToggled)
{
    MusicSwitch music{true, QStringLiteral("-1")};
    EXPECT_EQ(music.TextToSave(), QStringLiteral("-1"));
    music.Set(false);
    EXPECT_EQ(music.TextToSave(), QStringLiteral("False"));
    music.Set(true);
    EXPECT_EQ(music.TextToSave(), QStringLiteral("True"));
}

} // namespace
} // namespace daz
