#include "audio_instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace daz::datagen::audio {

namespace {

// The noise burst that sets a string moving. The velocity opens a
// low-pass (a harder pluck is brighter) and a comb notch removes the
// overtones that have a node at the pluck point.
std::vector<double> Excitation(std::size_t length, double hz, double velocity, const PluckTone& tone, double sampleRate,
                               Rng& rng)
{
    OnePole soften(std::min(0.45 * sampleRate, hz * (2.0 + 14.0 * velocity * tone.brightness)), sampleRate);
    std::vector<double> burst(length);
    for (double& x : burst) {
        x = soften.Process(static_cast<float>(rng.Bipolar()));
    }

    const auto notch = static_cast<std::size_t>(std::lround(tone.position * length));
    std::vector<double> shaped(length);
    for (std::size_t i = 0; i < length; ++i) {
        shaped[i] = burst[i] - (notch > 0 && i >= notch ? burst[i - notch] : 0.0);
    }

    double mean = 0.0;
    for (double x : shaped) {
        mean += x;
    }
    mean /= static_cast<double>(length);
    double peak = 1e-9;
    for (double& x : shaped) {
        x -= mean;
        peak = std::max(peak, std::abs(x));
    }
    for (double& x : shaped) {
        x /= peak;
    }
    return shaped;
}

// A linear-phase 4-point interpolation between samples.
float Hermite(const Samples& s, double pos)
{
    const auto i = static_cast<std::size_t>(pos);
    const double f = pos - static_cast<double>(i);
    const double xm1 = i > 0 ? s[i - 1] : 0.0;
    const double x0 = s[i];
    const double x1 = i + 1 < s.size() ? s[i + 1] : 0.0;
    const double x2 = i + 2 < s.size() ? s[i + 2] : 0.0;
    const double c1 = 0.5 * (x1 - xm1);
    const double c2 = xm1 - 2.5 * x0 + 2.0 * x1 - 0.5 * x2;
    const double c3 = 0.5 * (x2 - xm1) + 1.5 * (x0 - x1);
    return static_cast<float>(((c3 * f + c2) * f + c1) * f + x0);
}

// One cycle of a soft harmonic wave (amplitudes 1/n^1.5) for the pads.
const std::vector<float>& PadTable()
{
    static const std::vector<float> table = [] {
        constexpr std::size_t size = 4096;
        std::vector<float> t(size);
        for (std::size_t i = 0; i < size; ++i) {
            const double phase = kTwoPi * static_cast<double>(i) / size;
            double v = 0.0;
            for (int n = 1; n <= 10; ++n) {
                v += std::sin(n * phase) / std::pow(n, 1.5);
            }
            t[i] = static_cast<float>(v);
        }
        const float peak = Peak(t);
        for (float& x : t) {
            x /= peak;
        }
        return t;
    }();
    return table;
}

float ReadTable(const std::vector<float>& table, double phase)
{
    const double pos = phase * static_cast<double>(table.size());
    const auto i = static_cast<std::size_t>(pos) % table.size();
    const double f = pos - std::floor(pos);
    return static_cast<float>(table[i] + f * (table[(i + 1) % table.size()] - table[i]));
}

} // namespace

Samples Pluck(double hz, double seconds, double velocity, const PluckTone& tone, double sampleRate, Rng& rng)
{
    // Two-tap averaging loop filter: the larger `s`, the faster the
    // overtones die. It delays the loop by `s` samples, which the whole
    // delay line and a first-order all-pass make up to one period.
    const double s = 0.5 - 0.3 * tone.brightness;
    const double wanted = sampleRate / hz - s;
    const int whole = std::max(2, static_cast<int>(std::floor(wanted - 0.1)));
    const double fraction = wanted - whole;
    const double allPass = (1.0 - fraction) / (1.0 + fraction);

    // Higher strings ring shorter; the loop gain is set so that the
    // fundamental falls by 60 dB in that time.
    const double ring = tone.ring * std::sqrt(220.0 / hz);
    const double perPeriod = std::pow(10.0, -3.0 / (ring * hz));
    const double w = kTwoPi * hz / sampleRate;
    const double filterGain = std::sqrt((1 - s) * (1 - s) + s * s + 2 * s * (1 - s) * std::cos(w));
    const double loopGain = std::min(0.99995, perPeriod / filterGain);

    std::vector<double> line = Excitation(static_cast<std::size_t>(whole), hz, velocity, tone, sampleRate, rng);
    Samples out(SecondsToSamples(seconds, sampleRate));
    double previous = 0.0;
    double apIn = 0.0;
    double apOut = 0.0;
    std::size_t pos = 0;
    for (float& sample : out) {
        const double x = line[pos];
        sample = static_cast<float>(x);
        const double filtered = (1.0 - s) * x + s * previous;
        previous = x;
        const double shifted = allPass * (filtered - apOut) + apIn;
        apIn = filtered;
        apOut = shifted;
        line[pos] = loopGain * shifted;
        pos = pos + 1 == line.size() ? 0 : pos + 1;
    }

    // The wooden body colours the tone with two broad resonances.
    Biquad lowBody = Biquad::BandPass(std::min(280.0, 0.4 * sampleRate), 1.4, sampleRate);
    Biquad highBody = Biquad::BandPass(std::min(1150.0, 0.4 * sampleRate), 2.0, sampleRate);
    DcBlocker dc;
    for (float& sample : out) {
        const float body = lowBody.Process(sample) + 0.6f * highBody.Process(sample);
        sample = dc.Process(static_cast<float>((1.0 - tone.body) * sample + 2.0 * tone.body * body));
    }
    NormalisePeak(out, 0.0);
    Scale(out, velocity);
    FadeIn(out, 0.0015, sampleRate);
    FadeOut(out, std::min(0.08, seconds / 3), sampleRate);
    return out;
}

Samples Bend(const Samples& note, const PitchCurve& semitones, double sampleRate)
{
    Samples out(note.size(), 0.0f);
    double pos = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (pos >= static_cast<double>(note.size() - 1)) {
            break;
        }
        out[i] = Hermite(note, pos);
        pos += std::pow(2.0, semitones(static_cast<double>(i) / sampleRate) / 12.0);
    }
    FadeOut(out, 0.02, sampleRate);
    return out;
}

Samples Flute(double hz, double seconds, double velocity, const BreathTone& tone, const PitchCurve& bend,
              double sampleRate, Rng& rng)
{
    constexpr double release = 0.14;
    constexpr std::array<double, 7> harmonics{1.0, 0.45, 0.3, 0.16, 0.1, 0.06, 0.035};
    const double upper = 0.5 + tone.brightness;
    double norm = 0.0;
    for (std::size_t k = 0; k < harmonics.size(); ++k) {
        norm += harmonics[k] * (k == 0 ? 1.0 : upper);
    }

    const double vibratoHz = 5.0 + rng.Uniform(0.0, 0.6);
    double vibratoPhase = rng.Uniform(0.0, kTwoPi);
    Biquad breathFilter = Biquad::BandPass(std::min(2.5 * hz, 0.4 * sampleRate), 1.2, sampleRate);

    Samples out(SecondsToSamples(seconds + release, sampleRate));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double depth = tone.vibratoCents * SmoothRise(t - 0.22, 0.35);
        vibratoPhase += kTwoPi * vibratoHz / sampleRate;
        const double wobble = std::sin(vibratoPhase);
        const double cents = (bend ? 100.0 * bend(t) : 0.0) + depth * wobble;
        const double f = hz * std::pow(2.0, cents / 1200.0);
        phase += kTwoPi * f / sampleRate;

        double tone1 = 0.0;
        for (std::size_t k = 0; k < harmonics.size(); ++k) {
            const double n = static_cast<double>(k + 1);
            if (n * f > 0.45 * sampleRate) {
                break;
            }
            tone1 += harmonics[k] * (k == 0 ? 1.0 : upper) * std::sin(n * phase);
        }
        tone1 /= norm;

        const double envelope = SmoothRise(t, tone.attack) * (1.0 - SmoothRise(t - seconds, release))
                                * (1.0 + 0.05 * wobble * depth / std::max(1.0, tone.vibratoCents));
        const double chiff = 1.0 + 3.0 * std::exp(-t / 0.03);
        const double breath = breathFilter.Process(static_cast<float>(rng.Bipolar())) * tone.breath * 4.0 * chiff;
        out[i] = static_cast<float>(velocity * envelope * (tone1 + breath));
    }
    return out;
}

Samples Pad(double hz, double seconds, double velocity, double attack, double release, double sampleRate)
{
    const std::vector<float>& table = PadTable();
    OnePole warmth(std::min(3000.0, hz * 6.0), sampleRate);
    Samples out(SecondsToSamples(seconds + release, sampleRate));
    const double detune = std::pow(2.0, 6.0 / 1200.0);
    double phaseA = 0.0;
    double phaseB = 0.37;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        phaseA = std::fmod(phaseA + hz * detune / sampleRate, 1.0);
        phaseB = std::fmod(phaseB + hz / detune / sampleRate, 1.0);
        const double wave = 0.5 * (ReadTable(table, phaseA) + ReadTable(table, phaseB));
        const double envelope = SmoothRise(t, attack) * (1.0 - SmoothRise(t - seconds, release))
                                * (0.94 + 0.06 * std::sin(kTwoPi * 0.23 * t));
        out[i] = warmth.Process(static_cast<float>(velocity * envelope * wave));
    }
    return out;
}

Samples Bell(double hz, double velocity, const BellTone& tone, double sampleRate)
{
    Samples out(SecondsToSamples(tone.ring * 1.1, sampleRate));
    // The strike partial is left out where it would only add a piercing
    // whistle (or fold over the top of the band).
    const double strikeHz = hz * 4.0 < std::min(0.45 * sampleRate, 10000.0) ? hz * 4.0 : 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double index = tone.index * std::exp(-t / (0.25 * tone.ring));
        const double modulator = index * std::sin(kTwoPi * hz * tone.ratio * t);
        const double body = std::sin(kTwoPi * hz * t + modulator) * std::exp(-6.9 * t / tone.ring);
        const double strike = strikeHz > 0.0 ? tone.strike * std::sin(kTwoPi * strikeHz * t) * std::exp(-t / 0.06)
                                             : 0.0;
        out[i] = static_cast<float>(velocity * SmoothRise(t, 0.0015) * (body + strike) / (1.0 + tone.strike));
    }
    FadeOut(out, 0.05, sampleRate);
    return out;
}

Samples SoftBass(double hz, double seconds, double velocity, double sampleRate)
{
    constexpr double release = 0.25;
    Samples out(SecondsToSamples(seconds + release, sampleRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double phase = kTwoPi * hz * t;
        const double overtones = std::exp(-t / 0.35);
        const double wave = std::sin(phase) + overtones * (0.35 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase));
        const double envelope = SmoothRise(t, 0.012) * std::exp(-t / 1.8) * (1.0 - SmoothRise(t - seconds, release));
        out[i] = static_cast<float>(velocity * envelope * wave / 1.3);
    }
    return out;
}

Samples Drum(double hz, double velocity, double sampleRate, Rng& rng)
{
    Samples out(SecondsToSamples(0.6, sampleRate));
    OnePole headFilter(1500.0, sampleRate);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        phase += kTwoPi * hz * (1.0 + 0.5 * std::exp(-t / 0.025)) / sampleRate;
        const double skin = std::sin(phase) * std::exp(-t / 0.22);
        const double head = headFilter.Process(static_cast<float>(rng.Bipolar())) * std::exp(-t / 0.015);
        out[i] = static_cast<float>(velocity * SmoothRise(t, 0.001) * (skin + 0.8 * head) / 1.2);
    }
    FadeOut(out, 0.05, sampleRate);
    return out;
}

Samples Woodblock(double hz, double velocity, double sampleRate)
{
    Samples out(SecondsToSamples(0.16, sampleRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double wave = std::sin(kTwoPi * hz * t) * std::exp(-t / 0.04)
                            + 0.4 * std::sin(kTwoPi * hz * 2.62 * t) * std::exp(-t / 0.018);
        out[i] = static_cast<float>(velocity * SmoothRise(t, 0.0007) * wave / 1.2);
    }
    FadeOut(out, 0.02, sampleRate);
    return out;
}

Samples Cymbal(double seconds, double velocity, double sampleRate, Rng& rng)
{
    constexpr std::array<double, 6> partials{3130.0, 4327.0, 5210.0, 6840.0, 7902.0, 9350.0};
    std::array<double, partials.size()> phases{};
    for (double& p : phases) {
        p = rng.Uniform(0.0, kTwoPi);
    }
    Biquad hiss = Biquad::HighPass(std::min(4000.0, 0.3 * sampleRate), 0.7, sampleRate);
    Samples out(SecondsToSamples(seconds, sampleRate));
    const double decay = seconds / 5.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double ring = 0.0;
        for (std::size_t k = 0; k < partials.size(); ++k) {
            if (partials[k] < 0.45 * sampleRate) {
                ring += std::sin(kTwoPi * partials[k] * t + phases[k]) / (1.0 + k);
            }
        }
        const double noise = hiss.Process(static_cast<float>(rng.Bipolar()));
        out[i] = static_cast<float>(SmoothRise(t, 0.001) * std::exp(-t / decay) * (0.7 * noise + 0.15 * ring));
    }
    NormalisePeak(out, 0.0);
    Scale(out, velocity);
    FadeOut(out, 0.05, sampleRate);
    return out;
}

Samples SmallGong(double hz, double velocity, double sampleRate)
{
    constexpr std::array<double, 4> ratios{1.0, 1.52, 2.16, 2.93};
    constexpr std::array<double, 4> levels{1.0, 0.5, 0.3, 0.15};
    constexpr std::array<double, 4> decays{0.5, 0.35, 0.25, 0.15};
    Samples out(SecondsToSamples(1.6, sampleRate));
    std::array<double, 4> phases{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double rise = 1.0 + 0.1 * (1.0 - std::exp(-t / 0.12));
        double wave = 0.0;
        for (std::size_t k = 0; k < ratios.size(); ++k) {
            phases[k] += kTwoPi * hz * ratios[k] * rise / sampleRate;
            wave += levels[k] * std::sin(phases[k]) * std::exp(-t / decays[k]);
        }
        out[i] = static_cast<float>(velocity * SmoothRise(t, 0.001) * wave / 1.6);
    }
    FadeOut(out, 0.1, sampleRate);
    return out;
}

} // namespace daz::datagen::audio
