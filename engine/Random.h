#pragma once

#include <cstdint>
#include <functional>

namespace daz {

// The game's one source of randomness. Every part that shuffles, deals or
// animates draws from the same generator, which the game reseeds from the
// clock at the moments the rules ask for. Tests give it a fixed seed and a
// fake clock, so a game replays exactly.
class Random {
public:
    // secondsSinceMidnight is the clock used by ReseedFromClock().
    Random(std::uint64_t seed, std::function<double()> secondsSinceMidnight);

    // Uniform in [0, 1), with single precision like the rest of the
    // game's arithmetic on random numbers.
    float Rnd();

    // Int(Rnd × n) + 1 with n taken as single precision: 1 … n.
    int Draw(int n);

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
