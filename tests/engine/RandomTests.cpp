#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <vector>

#include "engine/Random.h"

namespace daz {
namespace {

Random Fixed(std::uint64_t seed, double clock = 0.0)
{
    return Random(seed, [clock] { return clock; });
}

std::vector<float> Take(Random& random, int count)
{
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(random.Rnd());
    }
    return values;
}

TEST(Random, RndStaysBelowOneWithSinglePrecisionSteps)
{
    EXPECT_EQ(Random::ToUnit(0), 0.0f);
    EXPECT_EQ(Random::ToUnit(~0ULL), std::nextafter(1.0f, 0.0f));
    Random random = Fixed(1);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(r * 16777216.0f, std::floor(r * 16777216.0f)); // a multiple of 2^-24
    }
}

TEST(Random, DrawNeverLeavesOneToN)
{
    const float largest = std::nextafter(1.0f, 0.0f);
    for (int n : {1, 2, 3, 7, 48, 2450, 32767, 16777215, 16777217, 16777219, 33554431, 1000000007, INT_MAX}) {
        EXPECT_EQ(Random::Scale(0.0f, n), 1) << n;
        EXPECT_LE(Random::Scale(largest, n), n) << n;
        EXPECT_GE(Random::Scale(largest, n), 1) << n;
        // Even a product that reaches n itself, or beyond it where n as a
        // float is rounded up, gives at most n.
        EXPECT_LE(Random::Scale(1.0f, n), n) << n;
        if (n <= 16777216) {
            EXPECT_EQ(Random::Scale(1.0f, n), n) << n;
        }
    }
    EXPECT_EQ(Random::Scale(largest, 48), 48);
    EXPECT_EQ(Random::Scale(0.5f, 48), 25);

    Random random = Fixed(2);
    for (int i = 0; i < 10000; ++i) {
        ASSERT_EQ(random.Draw(1), 1);
        const int d = random.Draw(48);
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 48);
    }
}

TEST(Random, DrawsAreEvenlySpread)
{
    Random random = Fixed(3);
    std::array<int, 6> counts{};
    for (int i = 0; i < 60000; ++i) {
        ++counts[static_cast<std::size_t>(random.Draw(6) - 1)];
    }
    for (int c : counts) {
        EXPECT_GT(c, 9500);
        EXPECT_LT(c, 10500);
    }
}

TEST(Random, TheSameSeedOrPlaceReplaysTheSameNumbers)
{
    Random a = Fixed(42);
    Random b = Fixed(42);
    Random c = Fixed(43);
    const std::vector<float> fromA = Take(a, 50);
    EXPECT_EQ(fromA, Take(b, 50));
    EXPECT_NE(fromA, Take(c, 50));

    // A generator made at another's place goes on as it would.
    EXPECT_EQ(a.Place(), (RandomPlace{42, 50}));
    Random resumed(a.Place());
    EXPECT_EQ(Take(resumed, 30), Take(a, 30));
    EXPECT_EQ(resumed.Place(), (RandomPlace{42, 80}));
    EXPECT_EQ(Random(RandomPlace{42, 0}).Bits(), Random(42).Bits());
}

// The next numbers after reseeding from the given clock reading, once or
// more, a generator of the given seed.
std::vector<float> AfterReseeds(std::uint64_t seed, double clock, int reseeds = 1)
{
    Random random = Fixed(seed, clock);
    for (int i = 0; i < reseeds; ++i) {
        random.ReseedFromClock();
    }
    return Take(random, 20);
}

TEST(Random, ReseedingMixesTheClockIntoTheState)
{
    const std::vector<float> reseeded = AfterReseeds(7, 3600.5);
    // Deterministic for a given seed and clock.
    EXPECT_EQ(AfterReseeds(7, 3600.5), reseeded);
    // Different clock readings, different numbers.
    EXPECT_NE(AfterReseeds(7, 3600.75), reseeded);
    // The reading does not replace the state: other seeds, other numbers.
    EXPECT_NE(AfterReseeds(8, 3600.5), reseeded);
    // Two reseeds at the same reading do not replay the same numbers, with
    // or without draws in between.
    EXPECT_NE(AfterReseeds(7, 3600.5, 2), reseeded);
    Random random = Fixed(7, 3600.5);
    random.ReseedFromClock();
    const std::vector<float> first = Take(random, 20);
    random.ReseedFromClock();
    EXPECT_NE(Take(random, 20), first);

    // The reseeded state is a new seed: its place replays what follows.
    random.ReseedFromClock();
    EXPECT_EQ(random.Place().draws, 0u);
    Random copy(random.Place());
    EXPECT_EQ(Take(copy, 20), Take(random, 20));
}

} // namespace
} // namespace daz
