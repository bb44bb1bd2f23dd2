#include <gtest/gtest.h>

#include "leveltools/LevelToolChecks.h"

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
    for (const char16_t* notANumber : {u"", u" ", u"x", u"12a", u"1 2", u"0x10"}) {
        EXPECT_FALSE(FieldNumber(notANumber).has_value()) << QString::fromUtf16(notANumber).toStdString();
    }

    EXPECT_TRUE(IsWhole(12));
    EXPECT_TRUE(IsWhole(0));
    EXPECT_FALSE(IsWhole(10.5));
    EXPECT_FALSE(IsWhole(-4));

    EXPECT_TRUE(IsEven(12));
    EXPECT_TRUE(IsEven(0));
    EXPECT_FALSE(IsEven(7));
    EXPECT_FALSE(IsEven(10.5));
}

} // namespace
} // namespace daz
