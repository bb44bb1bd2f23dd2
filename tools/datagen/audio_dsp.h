#pragma once

// Building blocks of the sound generator: sample buffers, a reproducible
// random source, envelopes, filters and a small room reverb. Plain C++;
// every function here is deterministic for a given input.

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace daz::datagen::audio {

using Samples = std::vector<float>;

// A finished sound: mono samples in [-1, 1] and the name of its file.
struct Clip {
    std::string fileName;
    int sampleRate = 0;
    Samples samples;
};

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz);
// fractional numbers give the pitches in between.
double MidiToHz(double midi);

double DbToGain(double db);

// A seeded source of random numbers that gives the same sequence on every
// run and every standard library: std::mt19937's output is fixed by the
// C++ standard, while the <random> distributions are not, so the
// conversions to numbers in a range are done here.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : engine_(seed) {}

    double Uniform();                     // [0, 1)
    double Uniform(double lo, double hi); // [lo, hi)
    double Bipolar() { return Uniform(-1.0, 1.0); }
    int Below(int n); // 0 … n − 1
    bool Chance(double p) { return Uniform() < p; }
    // An index drawn with the given (non-negative, not all zero) weights.
    std::size_t Weighted(const std::vector<double>& weights);
    // A new generator whose sequence depends on this one's next draw.
    Rng Fork() { return Rng(static_cast<std::uint32_t>(engine_())); }

private:
    std::mt19937 engine_;
};

std::size_t SecondsToSamples(double seconds, double sampleRate);

// Adds source × gain into target starting at offset; samples beyond the
// end of target are dropped.
void MixInto(Samples& target, const Samples& source, std::size_t offset, double gain = 1.0);

// Raised-cosine fades over the first / last `seconds` of a buffer.
void FadeIn(Samples& s, double seconds, double sampleRate);
void FadeOut(Samples& s, double seconds, double sampleRate);

float Peak(const Samples& s);
double Rms(const Samples& s);
void Scale(Samples& s, double gain);
// Scales the buffer so that its highest absolute sample is at `db` dBFS.
void NormalisePeak(Samples& s, double db);

// Holds the peaks of a buffer at or below `ceilingDb` dBFS without
// clipping them: the gain dips smoothly a few milliseconds ahead of each
// peak that would pass the ceiling and recovers over a tenth of a second.
void LimitPeaks(Samples& s, double ceilingDb, double sampleRate);

// 0 → 1 over `seconds`, shaped like the first half of a cosine wave.
double SmoothRise(double t, double seconds);

// One-pole low-pass filter: cheap and gentle, 6 dB per octave.
class OnePole {
public:
    OnePole(double cutoffHz, double sampleRate);
    float Process(float x);

private:
    double a_;
    double z_ = 0.0;
};

// Removes a constant offset (the slow drift a plucked string can leave).
class DcBlocker {
public:
    float Process(float x);

private:
    double x1_ = 0.0;
    double y1_ = 0.0;
};

// Second-order filter with the usual audio cookbook designs.
class Biquad {
public:
    static Biquad LowPass(double hz, double q, double sampleRate);
    static Biquad HighPass(double hz, double q, double sampleRate);
    // Band-pass with 0 dB gain at the centre frequency.
    static Biquad BandPass(double hz, double q, double sampleRate);

    float Process(float x);
    void ProcessAll(Samples& s);

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);

    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A mono room reverb of the Schroeder–Moorer kind: eight damped comb
// filters in parallel followed by four all-pass diffusers.
class Reverb {
public:
    // roomSize and damping in [0, 1]: larger rooms ring longer, more
    // damping darkens the tail.
    Reverb(double roomSize, double damping, double sampleRate);
    // The reverberated signal only (the caller mixes it with the dry one).
    Samples Process(const Samples& in);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t pos = 0;
        float store = 0.0f;
    };
    struct AllPass {
        std::vector<float> line;
        std::size_t pos = 0;
    };
    std::vector<Comb> combs_;
    std::vector<AllPass> allPasses_;
    float feedback_;
    float damping_;
};

} // namespace daz::datagen::audio
