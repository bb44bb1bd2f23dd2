#include <gtest/gtest.h>

#include "game/GameState.h"

namespace daz {
namespace {

std::array<int, 8> DigitsHighToLow(const ScoreDisplay& d)
{
    return {d.digit[7], d.digit[6], d.digit[5], d.digit[4], d.digit[3], d.digit[2], d.digit[1], d.digit[0]};
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
    // rank is the highest.
    const auto big = ShowScore(123456789);
    EXPECT_EQ(DigitsHighToLow(big), (std::array<int, 8>{9, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(big.rank, kRankCount - 1);

    const auto negative = ShowScore(-42);
    EXPECT_EQ(DigitsHighToLow(negative), (std::array<int, 8>{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(negative.rank, 0);
}

TEST(Rank, FollowsTheDoublingThresholds)
{
    const std::pair<std::int64_t, int> expected[] = {
        {INT64_MIN, 0}, {0, 0},     {99, 0},      {100, 1},      {199, 1},      {200, 2},      {12800, 8},
        {25599, 8},     {25600, 9}, {409600, 13}, {3276800, 16}, {6553599, 16}, {6553600, 17}, {INT64_MAX, 17},
    };
    for (const auto& [score, rank] : expected) {
        EXPECT_EQ(RankOf(score), rank) << score;
    }
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
        int timeStep, timeAfterDeal, undo, hint, shuffle;
        FollowUp followUp;
    };
    // How long a fresh level lasts in each mode is the round's to show
    // (RoundTest.TheClockRunsOutAfterTheModesTicks).
    const Row expected[] = {
        {10, 3010, 9, 9, 9, FollowUp::TimeBonus},        {20, 3020, 6, 6, 6, FollowUp::DeadBoardTest},
        {10, 3010, 0, 3, 3, FollowUp::SlideDownAndTest}, {50, 2990, 0, 9, 3, FollowUp::RandomSlideAndRefill},
        {0, 3000, 0, 0, 0, FollowUp::Nothing}, // any other number
    };
    for (int mode = 0; mode <= 5; ++mode) {
        const Row& row = expected[mode >= 1 && mode <= 4 ? mode - 1 : 4];
        const ModeRules& rules = RulesFor(mode);
        EXPECT_EQ(rules.timeStep, row.timeStep) << "mode " << mode;
        EXPECT_EQ(rules.timeAfterDeal, row.timeAfterDeal) << "mode " << mode;
        EXPECT_EQ(rules.undoLeft, row.undo) << "mode " << mode;
        EXPECT_EQ(rules.hintLeft, row.hint) << "mode " << mode;
        EXPECT_EQ(rules.shuffleLeft, row.shuffle) << "mode " << mode;
        EXPECT_EQ(rules.followUp, row.followUp) << "mode " << mode;
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
