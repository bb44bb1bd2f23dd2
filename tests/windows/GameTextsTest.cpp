#include <gtest/gtest.h>

#include "game/GameState.h"
#include "presentation/GameTexts.h"

namespace daz {
namespace {

TEST(GameTexts, DurationsAtTheirUnitsBounds)
{
    EXPECT_EQ(DurationText(-3), QStringLiteral("0秒"));
    EXPECT_EQ(DurationText(59), QStringLiteral("59秒"));
    EXPECT_EQ(DurationText(60), QStringLiteral("1分00秒"));
    EXPECT_EQ(DurationText(3599), QStringLiteral("59分59秒"));
    EXPECT_EQ(DurationText(3600 + 62), QStringLiteral("1小时01分02秒"));
}

TEST(GameTexts, RanksAndModesByNumber)
{
    EXPECT_EQ(RankTitle(RankOf(99)), QStringLiteral("１．小星星"));
    EXPECT_EQ(RankTitle(RankOf(409600)), QStringLiteral("１４．对对星座"));
    EXPECT_EQ(RankTitle(RankOf(INT64_MAX)), QStringLiteral("１８．神眼"));
    EXPECT_EQ(RankTitle(kRankCount), QStringLiteral("１８．神眼"));

    EXPECT_EQ(ModeCaption(1), QStringLiteral("简单模式"));
    EXPECT_EQ(ModeCaption(4) + ModeSummary(4), QStringLiteral("极限模式消除后牌随机滑向一边，每对限时 60 秒"));
    EXPECT_TRUE(ModeCaption(0).isEmpty() && ModeSummary(5).isEmpty());
}

TEST(GameTexts, AClearTellsItsTimeAndWhereItStands)
{
    EXPECT_EQ(ClearNoteText({83, true, 1}), QStringLiteral("用时 1分23秒 · 新纪录！"));
    EXPECT_EQ(ClearNoteText({90, true, 2}), QStringLiteral("用时 1分30秒 · 本关第2名"));
    EXPECT_EQ(ClearNoteText({7, true, std::nullopt}), QStringLiteral("用时 7秒 · 成绩未能保存"));
    EXPECT_EQ(ClearNoteText({7, false, std::nullopt}), QStringLiteral("用时 7秒"));
}

} // namespace
} // namespace daz
