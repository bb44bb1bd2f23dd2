#pragma once

#include <cstdint>
#include <functional>

namespace daz {

// Where a generator stands: the seed it began from and how many numbers it
// has given since. The same place gives the same numbers from there on.
struct RandomPlace {
    std::uint64_t seed = 0;
    std::uint64_t draws = 0;
    friend bool operator==(const RandomPlace&, const RandomPlace&) = default;
};

// A source of random numbers. Each user owns its own: a level's deal and
// reshuffles come from a generator seeded once for the level (so a seed
// and the player's moves replay the same boards), the flow draws those
// seeds and its random level from another, and the motion on screen has
// one of its own, reseeded from the clock, that never touches a board.
// Tests give fixed seeds and a fake clock, so a game replays exactly.
//
// The generator is splitmix64: 64 bits of state, fast, and good enough
// for shuffling tiles and jittering pictures.
class Random {
public:
    // secondsSinceMidnight is the clock used by ReseedFromClock().
    explicit Random(std::uint64_t seed, std::function<double()> secondsSinceMidnight = {});
    // A generator standing where place says.
    explicit Random(RandomPlace place);

    // Uniform in [0, 1), with single precision like the rest of the
    // game's arithmetic on random numbers: a multiple of 2^-24, so the
    // largest value is the largest float below 1.
    float Rnd();

    // Int(Rnd × n) + 1 with n taken as single precision: 1 … n.
    // n must be at least 1.
    int Draw(int n);

    // 64 random bits, one draw: a seed for another generator.
    std::uint64_t Bits() { return NextBits(); }

    // The arithmetic of Draw for a given Rnd value, kept within 1 … n
    // whatever the rounding of the single-precision product does.
    static int Scale(float rnd, int n);

    // The Rnd value made from 64 random bits (only the top 24 are used).
    static float ToUnit(std::uint64_t bits);

    // Mixes the seconds since midnight (with their fraction) into the
    // state. Two reseeds at the same clock reading still give different
    // numbers, so two reseeds within one second never repeat each other.
    // The mixed state is the generator's new seed.
    void ReseedFromClock();

    // Where it stands now.
    RandomPlace Place() const { return {seed_, draws_}; }

private:
    std::uint64_t NextBits();

    std::uint64_t seed_;
    std::uint64_t draws_ = 0;
    std::uint64_t state_;
    std::function<double()> clock_;
};

} // namespace daz
