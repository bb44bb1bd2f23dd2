#include "Random.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <utility>

namespace daz {

namespace {

constexpr std::uint64_t kGamma = 0x9E3779B97F4A7C15ULL;

// The output function of splitmix64: a bijection that scatters every bit.
std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

Random::Random(std::uint64_t seed, std::function<double()> secondsSinceMidnight)
    : seed_(seed), state_(seed), clock_(std::move(secondsSinceMidnight))
{
}

// The state moves by the same step at every draw, so any place is one
// multiplication away from its seed.
Random::Random(RandomPlace place) : seed_(place.seed), draws_(place.draws), state_(place.seed + place.draws * kGamma) {}

std::uint64_t Random::NextBits()
{
    ++draws_;
    state_ += kGamma;
    return Mix(state_);
}

float Random::ToUnit(std::uint64_t bits)
{
    // 24 bits fill a float's significand exactly, so the value is exact
    // and never rounds up to 1.
    return static_cast<float>(bits >> 40) * 0x1.0p-24f;
}

float Random::Rnd()
{
    return ToUnit(NextBits());
}

int Random::Scale(float rnd, int n)
{
    assert(n >= 1);
    const float product = rnd * static_cast<float>(n);
    const long long drawn = static_cast<long long>(product) + 1;
    // For large n the single-precision n and product are rounded; the
    // result must still name a position that exists.
    return static_cast<int>(std::clamp<long long>(drawn, 1, std::max(n, 1)));
}

int Random::Draw(int n)
{
    return Scale(Rnd(), n);
}

void Random::ReseedFromClock()
{
    const double seconds = clock_ ? clock_() : 0.0;
    // The reading goes into the state rather than replacing it: a second
    // reseed at the same reading starts from a different state, so it
    // does not replay the numbers of the first.
    state_ = Mix(state_ ^ Mix(std::bit_cast<std::uint64_t>(seconds) + kGamma));
    seed_ = state_;
    draws_ = 0;
}

} // namespace daz
