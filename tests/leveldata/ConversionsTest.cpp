#include <QString>

#include <gtest/gtest.h>

#include "leveldata/Conversions.h"

namespace daz {
namespace {

TEST(ToInt16, AcceptsWhatAPersonTypesAroundANumber)
{
    EXPECT_EQ(ToInt16(u"12"), 12);
    EXPECT_EQ(ToInt16(u"  12 "), 12);
    EXPECT_EQ(ToInt16(u"\t8\t"), 8);
    EXPECT_EQ(ToInt16(u"+7"), 7);
    EXPECT_EQ(ToInt16(u"-3"), -3);
    EXPECT_EQ(ToInt16(u"007"), 7);
    EXPECT_EQ(ToInt16(u"12.0"), 12);
    EXPECT_EQ(ToInt16(u"1.2E1"), 12);
    EXPECT_EQ(ToInt16(u".5e1"), 5);
}

TEST(ToInt16, RoundsHalvesToEven)
{
    EXPECT_EQ(ToInt16(u"2.5"), 2);
    EXPECT_EQ(ToInt16(u"3.5"), 4);
    EXPECT_EQ(ToInt16(u"-2.5"), -2);
    EXPECT_EQ(ToInt16(u"-3.5"), -4);
    EXPECT_EQ(ToInt16(u"2.51"), 3);
    EXPECT_EQ(ToInt16(u"0.4"), 0);
}

TEST(ToInt16, RefusesTextThatIsNoNumberInRange)
{
    for (const char16_t* text : {u"", u"   ", u"abc", u"12abc", u"1 2", u"--1", u"+-1", u"&H10", u"0x10", u"inf",
                                 u"nan", u"1e", u"１２", u"12,5"}) {
        EXPECT_FALSE(ToInt16(text).has_value()) << QString::fromUtf16(text).toStdString();
    }

    EXPECT_EQ(ToInt16(u"32767"), 32767);
    EXPECT_EQ(ToInt16(u"-32768"), -32768);
    EXPECT_FALSE(ToInt16(u"32768").has_value());
    EXPECT_FALSE(ToInt16(u"-32769").has_value());
    // Rounding can carry a value over the edge.
    EXPECT_EQ(ToInt16(u"32767.4"), 32767);
    EXPECT_FALSE(ToInt16(u"32767.5").has_value());
    EXPECT_FALSE(ToInt16(u"1e300").has_value());
    EXPECT_FALSE(ToInt16(u"1e999").has_value());
}

TEST(ToInt32, TakesSignedColourValues)
{
    EXPECT_EQ(ToInt32(u"33023"), 0x0080FF);
    // A system colour: the high bit set.
    EXPECT_EQ(ToInt32(u"-2147483633"), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(ToInt32(u"-2147483648"), INT32_MIN);
    EXPECT_FALSE(ToInt32(u"2147483648").has_value());
    EXPECT_FALSE(ToInt32(u"4294967295").has_value());
}

TEST(ToInt64, ConvertsWholeScoresExactly)
{
    // 2^53 + 1 has no double of its own.
    EXPECT_EQ(ToInt64(u"9007199254740993"), 9007199254740993LL);
    EXPECT_EQ(ToInt64(u" 9223372036854775807 "), INT64_MAX);
    EXPECT_EQ(ToInt64(u"-9223372036854775808"), INT64_MIN);
    EXPECT_FALSE(ToInt64(u"9223372036854775808").has_value());
    EXPECT_FALSE(ToInt64(u"9.3e18").has_value());
    EXPECT_EQ(ToInt64(u"120.5"), 120);
    EXPECT_FALSE(ToInt64(u"").has_value());
}

TEST(ToBoolean, ReadsTheStoredSwitchTexts)
{
    EXPECT_EQ(ToBoolean(u"True"), true);
    EXPECT_EQ(ToBoolean(u"-1"), true);
    EXPECT_EQ(ToBoolean(u"False"), false);
    EXPECT_EQ(ToBoolean(u"0"), false);
    // Beyond those: letter case and blanks do not matter, any other
    // number is on.
    EXPECT_EQ(ToBoolean(u" TRUE "), true);
    EXPECT_EQ(ToBoolean(u"false"), false);
    EXPECT_EQ(ToBoolean(u"1"), true);
    EXPECT_EQ(ToBoolean(u"0.0"), false);
    EXPECT_FALSE(ToBoolean(u"").has_value());
    EXPECT_FALSE(ToBoolean(u"yes").has_value());
    EXPECT_FALSE(ToBoolean(u"Truee").has_value());
}

} // namespace
} // namespace daz
