#include "PitchEstimate.h"
#include "audio_dsp.h"
#include "audio_instruments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace daz::datagen::audio {
namespace {

TEST(Rng, RepeatsItsSequenceAndDrawsInRangeSkippingZeroWeights)
{
    Rng a(42);
    Rng b(42);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(a.Uniform(), b.Uniform());
    }

    Rng rng(7);
    const std::vector<double> weights{0.0, 2.0, 0.0, 1.0, 0.0};
    std::vector<int> seen(weights.size(), 0);
    for (int i = 0; i < 3000; ++i) {
        const int below = rng.Below(5);
        ASSERT_GE(below, 0);
        ASSERT_LT(below, 5);
        ++seen[rng.Weighted(weights)];
    }
    EXPECT_EQ(seen[0] + seen[2] + seen[4], 0);
    // Twice the weight, about twice as often.
    EXPECT_NEAR(static_cast<double>(seen[1]) / seen[3], 2.0, 0.25);
}

// Out-of-tune strings would spoil every piece: the waveguide must hit
// its pitch across the whole range, at both sample rates in use.
TEST(Pluck, IsInTuneAcrossTheRange)
{
    Rng rng(1);
    for (double rate : {22050.0, 44100.0}) {
        for (int midi : {40, 52, 57, 64, 69, 76, 81, 88, 93}) {
            const double hz = MidiToHz(midi);
            for (const PluckTone& tone : {kGuzheng, kPipa, kHarmonicString}) {
                const Samples note = Pluck(hz, 0.6, 0.8, tone, rate, rng);
                EXPECT_NEAR(Cents(EstimatePitch(note, rate, hz), hz), 0.0, 3.0)
                    << "MIDI " << midi << " at " << rate << " Hz";
            }
        }
    }
}

TEST(Pluck, PeaksAtItsVelocityAndDiesAway)
{
    Rng rng(3);
    const Samples note = Pluck(220.0, 3.0, 0.6, kGuzheng, 22050.0, rng);
    EXPECT_NEAR(Peak(note), 0.6, 1e-3);
    const std::size_t tenth = note.size() / 10;
    const Samples first(note.begin(), note.begin() + tenth);
    const Samples last(note.end() - tenth, note.end());
    EXPECT_LT(Rms(last), 0.1 * Rms(first));
    EXPECT_LT(std::abs(note.back()), 1e-6f); // faded out, so the cut is silent
}

TEST(Bend, ShiftsThePitchByTheGivenInterval)
{
    Rng rng(5);
    const double rate = 22050.0;
    const Samples note = Pluck(220.0, 1.5, 0.8, kGuzheng, rate, rng);
    const Samples fifthUp = Bend(
        note, [](double) { return 7.0; }, rate);
    const Samples tone = Bend(
        note, [](double) { return -2.0; }, rate);
    EXPECT_NEAR(Cents(EstimatePitch(fifthUp, rate, 220.0 * 1.4983, 0.1), 220.0), 700.0, 3.0);
    EXPECT_NEAR(Cents(EstimatePitch(tone, rate, 220.0 * 0.8909), 220.0), -200.0, 3.0);
}

TEST(Flute, PlaysItsPitchWithoutClicksAtTheEnds)
{
    Rng rng(9);
    const double rate = 22050.0;
    const Samples note = Flute(440.0, 0.8, 0.7, BreathTone{0.0, 0.5, 0.0, 0.06}, {}, rate, rng);
    EXPECT_NEAR(Cents(EstimatePitch(note, rate, 440.0), 440.0), 0.0, 2.0);
    EXPECT_LT(std::abs(note.front()), 0.01f);
    EXPECT_LT(std::abs(note.back()), 0.01f);
    EXPECT_LE(Peak(note), 0.75f);
}

TEST(LimitPeaks, HoldsAPeakToTheCeilingAndLeavesTheRestAlone)
{
    const double rate = 22050.0;
    Samples s(SecondsToSamples(2.0, rate));
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<float>(0.2 * std::sin(kTwoPi * 330.0 * i / rate));
    }
    const Samples original = s;
    const std::size_t burst = SecondsToSamples(0.5, rate);
    for (std::size_t i = burst; i < burst + 200; ++i) {
        s[i] *= 6.0f; // peaks of 1.2, well over the ceiling
    }

    LimitPeaks(s, -3.0, rate);

    EXPECT_LE(Peak(s), DbToGain(-3.0) + 1e-6);
    // Untouched well before the burst; back to full level a second later.
    for (std::size_t i = 0; i < burst - SecondsToSamples(0.01, rate); ++i) {
        ASSERT_EQ(s[i], original[i]) << "sample " << i;
    }
    for (std::size_t i = burst + SecondsToSamples(1.0, rate); i < s.size(); ++i) {
        ASSERT_NEAR(s[i], original[i], 0.002) << "sample " << i;
    }

    // A signal below the ceiling is never changed.
    s = original;
    LimitPeaks(s, -3.0, rate);
    EXPECT_EQ(s, original);
}

TEST(Reverb, RingsOnAfterAnImpulseAndDiesAway)
{
    const double rate = 22050.0;
    Samples impulse(SecondsToSamples(6.0, rate), 0.0f);
    impulse[0] = 1.0f;
    const Samples wet = Reverb(0.82, 0.45, rate).Process(impulse);
    const std::size_t second = SecondsToSamples(1.0, rate);
    const Samples early(wet.begin(), wet.begin() + second);
    const Samples late(wet.end() - second, wet.end());
    EXPECT_GT(Rms(early), 0.0);
    EXPECT_LT(Rms(late), 0.01 * Rms(early));
}

} // namespace
} // namespace daz::datagen::audio
