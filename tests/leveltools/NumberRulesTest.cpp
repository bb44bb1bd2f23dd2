#include <gtest/gtest.h>

#include "leveldata/LevelToolChecks.h"

namespace daz {
namespace {

// The counts typed into the tools: blanks around the digits are allowed,
// anything else that is no number is refused as such; whole means no
// fraction and not negative; even means half of it is whole.
TEST(NumberRules, ReadTheCountsAsTyped)
{
    EXPECT_EQ(FieldNumber(u" 12 "), 12.0);
    EXPECT_EQ(FieldNumber(u"\t8"), 8.0);
    EXPECT_EQ(FieldNumber(u"10.5"), 10.5);
    EXPECT_EQ(FieldNumber(u"-4"), -4.0);
    for (const char16_t* notANumber : {u"", u" ", u"x", u"12a", u"1 2", u"0x10"})
        EXPECT_FALSE(FieldNumber(notANumber).has_value()) << QString::fromUtf16(notANumber).toStdString();

    EXPECT_TRUE(IsWhole(12));
    EXPECT_TRUE(IsWhole(0));
    EXPECT_FALSE(IsWhole(10.5));
    EXPECT_FALSE(IsWhole(-4));

    EXPECT_TRUE(IsEven(12));
    EXPECT_TRUE(IsEven(0));
    EXPECT_FALSE(IsEven(7));
    EXPECT_FALSE(IsEven(10.5));
    EXPECT_TRUE(IsEven(*FieldNumber(u" 12 ")));
}

TEST(NumberRules, BoardSidesRunFromOneToNineteen)
{
    EXPECT_FALSE(CheckBoardSize("19", "1").has_value());
    EXPECT_FALSE(CheckBoardSize(" 1", "19 ").has_value());
    const auto columns = CheckBoardSize("20", "8");
    ASSERT_TRUE(columns.has_value());
    EXPECT_EQ(columns->caret, ToolField::MaxX);
    const auto rows = CheckBoardSize("12", "0");
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(rows->caret, ToolField::MaxY);
    // The columns are asked for first.
    EXPECT_EQ(CheckBoardSize("", "")->message, "图片横向卡片排列数！");
}

} // namespace
} // namespace daz
