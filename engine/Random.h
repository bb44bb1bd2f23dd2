#pragma once

#include <cstdint>
#include <functional>

namespace daz {

// The game's one source of randomness. Every part that shuffles, deals or
// animates draws from the same generator, which the game reseeds from the
// clock at the moments the rules ask for. Tests give it a fixed seed and a
// fake clock, so a game replays exactly.
//
// The generator is splitmix64: 64 bits of state, fast, and good enough
// for shuffling tiles and jittering pictures.
class Random {
public:
    // secondsSinceMidnight is the clock used by ReseedFromClock().
    Random(std::uint64_t seed, std::function<double()> secondsSinceMidnight);

    // Uniform in [0, 1), with single precision like the rest of the
    // game's arithmetic on random numbers: a multiple of 2^-24, so the
    // largest value is the largest float below 1.
    float Rnd();

    // Int(Rnd × n) + 1 with n taken as single precision: 1 … n.
    // n must be at least 1.
    int Draw(int n);

    // The arithmetic of Draw for a given Rnd value, kept within 1 … n
    // whatever the rounding of the single-precision product does.
    static int Scale(float rnd, int n);

    // The Rnd value made from 64 random bits (only the top 24 are used).
    static float ToUnit(std::uint64_t bits);

    // Mixes the seconds since midnight (with their fraction) into the
    // state. Two reseeds at the same clock reading still give different
    // numbers, so two shuffles within one second never repeat each other.
    void ReseedFromClock();

private:
    std::uint64_t NextBits();

    std::uint64_t state_;
    std::function<double()> clock_;
};

} // namespace daz
