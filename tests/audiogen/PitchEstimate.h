#pragma once

#include "audio_dsp.h"

#include <cmath>
#include <vector>

namespace daz::datagen::audio {

// The fundamental of a steady stretch of a note, found as the strongest
// autocorrelation lag within ±10 % of the expected period and refined
// between samples with a parabola.
inline double EstimatePitch(const Samples& s, double sampleRate, double expectedHz, double fromSeconds = 0.2,
                            double seconds = 0.3)
{
    const auto start = static_cast<std::size_t>(fromSeconds * sampleRate);
    const auto count = static_cast<std::size_t>(seconds * sampleRate);
    const int shortest = static_cast<int>(sampleRate / (expectedHz * 1.1));
    const int longest = static_cast<int>(sampleRate / (expectedHz * 0.9)) + 1;
    auto correlation = [&](int lag) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + count; ++i) {
            sum += static_cast<double>(s[i]) * s[i + static_cast<std::size_t>(lag)];
        }
        return sum;
    };
    int best = shortest;
    for (int lag = shortest; lag <= longest; ++lag) {
        if (correlation(lag) > correlation(best)) {
            best = lag;
        }
    }
    const double a = correlation(best - 1);
    const double b = correlation(best);
    const double c = correlation(best + 1);
    return sampleRate / (best + 0.5 * (a - c) / (a - 2 * b + c));
}

inline double Cents(double hz, double reference)
{
    return 1200.0 * std::log2(hz / reference);
}

} // namespace daz::datagen::audio
