#include "audio_effects.h"

#include "audio_instruments.h"

#include <algorithm>
#include <cmath>

namespace daz::datagen::audio {

namespace {

constexpr int kRate = 44100;
constexpr double kSr = kRate;

// Effects sit at the same moderate level: peaks at -3 dBFS.
constexpr double kPeakDb = -3.0;

Samples Silence(double seconds)
{
    return Samples(SecondsToSamples(seconds, kSr), 0.0f);
}

void Place(Samples& target, const Samples& note, double atSeconds, double gain = 1.0)
{
    MixInto(target, note, SecondsToSamples(atSeconds, kSr), gain);
}

// A touch of a small room so that the effects do not sound dry and
// boxed-in, then the final level and a fade that ends every clip at zero.
Samples Finish(Samples s, double roomLevel)
{
    if (roomLevel > 0.0) {
        Reverb room(0.35, 0.6, kSr);
        const Samples wet = room.Process(s);
        MixInto(s, wet, 0, roomLevel);
    }
    FadeOut(s, 0.03, kSr);
    NormalisePeak(s, kPeakDb);
    return s;
}

// A struck wooden bar: a clear fundamental with a quickly dying
// overtone near the fourth harmonic, like a marimba key.
Samples WoodenBar(double hz, double decay, double overtone, double seconds)
{
    Samples out = Silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSr;
        const double glide = 1.0 + 0.015 * std::exp(-t / 0.01);
        const double wave = std::sin(kTwoPi * hz * glide * t) * std::exp(-t / decay)
                            + overtone * std::sin(kTwoPi * hz * 3.98 * t) * std::exp(-t / (decay / 4));
        out[i] = static_cast<float>(SmoothRise(t, 0.002) * wave);
    }
    return out;
}

// A first tile chosen: one light, bright tap.
Samples Select()
{
    Samples s = Silence(0.18);
    Place(s, WoodenBar(MidiToHz(84), 0.045, 0.22, 0.18), 0.0);
    return Finish(s, 0.12);
}

// A selection dropped or a pair refused: two muted notes going down.
Samples Refuse()
{
    Samples s = Silence(0.28);
    Place(s, WoodenBar(MidiToHz(69), 0.035, 0.05, 0.14), 0.0, 0.9);
    Place(s, WoodenBar(MidiToHz(64), 0.05, 0.05, 0.2), 0.075, 1.0);
    Biquad soften = Biquad::LowPass(1800.0, 0.7, kSr);
    soften.ProcessAll(s);
    return Finish(s, 0.1);
}

// A pair linked and removed: a quick upward strum of three guzheng
// strings crowned by a little chime.
Samples Link()
{
    Rng rng(0x11A7u);
    Samples s = Silence(0.48);
    const int notes[] = {79, 84, 88};
    for (int k = 0; k < 3; ++k) {
        Place(s, Pluck(MidiToHz(notes[k]), 0.45, 0.7 + 0.15 * k, kGuzheng, kSr, rng), 0.028 * k);
    }
    Place(s, Bell(MidiToHz(100), 0.35, BellTone{1.0, 0.8, 0.4, 0.2}, kSr), 0.056);
    FadeOut(s, 0.16, kSr);
    return Finish(s, 0.18);
}

// The board cleared: a glissando up the strings, a short call on the
// pipa, then a bright chord with chimes and a small gong.
Samples Fanfare()
{
    Rng rng(0x6A3Eu);
    Samples s = Silence(2.4);
    const int run[] = {72, 74, 76, 79, 81};
    for (int k = 0; k < 5; ++k) {
        Place(s, Pluck(MidiToHz(run[k]), 0.8, 0.5 + 0.1 * k, kGuzheng, kSr, rng), 0.045 * k);
    }

    const struct {
        double at;
        int note;
        double velocity;
    } call[] = {{0.26, 79, 0.75}, {0.41, 79, 0.7}, {0.56, 81, 0.8}, {0.72, 84, 1.0}};
    for (const auto& c : call) {
        Place(s, Pluck(MidiToHz(c.note), 0.6, c.velocity, kPipa, kSr, rng), c.at);
        Place(s, Bell(MidiToHz(c.note + 12), c.velocity * 0.35, kCelesta, kSr), c.at);
    }
    // The last note of the call is held by a tremolo, as a pipa would.
    for (double t = 0.80; t < 1.5; t += 0.07) {
        const double fade = 1.0 - (t - 0.8) / 0.9;
        Place(s, Pluck(MidiToHz(84), 0.3, 0.55 * fade, kPipa, kSr, rng), t);
    }

    for (int note : {60, 64, 67, 72}) {
        Place(s, Pad(MidiToHz(note), 1.0, 0.22, 0.05, 0.6, kSr), 0.72);
    }
    Place(s, SmallGong(MidiToHz(69), 0.25, kSr), 0.72);
    Place(s, Cymbal(1.0, 0.05, kSr, rng), 0.72);
    const int sparkle[] = {91, 96, 100, 103};
    for (int k = 0; k < 4; ++k) {
        Place(s, Bell(MidiToHz(sparkle[k]), 0.22 - 0.03 * k, kCelesta, kSr), 0.95 + 0.11 * k);
    }
    FadeOut(s, 0.5, kSr);
    return Finish(s, 0.3);
}

// Time ran out: a gentle phrase falling to a held note that wavers, over
// a soft minor chord.
Samples TimeOut()
{
    Rng rng(0x0E7Du);
    Samples s = Silence(2.3);
    const int notes[] = {76, 74, 72, 69};
    for (int k = 0; k < 4; ++k) {
        const bool last = k == 3;
        Samples note = Pluck(MidiToHz(notes[k]), last ? 1.3 : 0.7, last ? 0.85 : 0.75, kGuzheng, kSr, rng);
        if (last) {
            note = Bend(
                note, [](double t) { return 0.3 * SmoothRise(t - 0.25, 0.3) * std::sin(kTwoPi * 5.0 * t); }, kSr);
        }
        Place(s, note, 0.32 * k);
    }
    for (int note : {57, 60, 64}) {
        Place(s, Pad(MidiToHz(note), 0.8, 0.18, 0.35, 0.5, kSr), 0.9);
    }
    FadeOut(s, 0.4, kSr);
    return Finish(s, 0.3);
}

// A hint flash: a small high "ting", over well before the next flash.
Samples HintTick()
{
    Samples s = Silence(0.3);
    Place(s, Bell(MidiToHz(91), 1.0, BellTone{2.0, 0.9, 0.26, 0.15}, kSr), 0.0);
    return Finish(s, 0.1);
}

// Band-pass noise whose centre frequency follows a curve: a state
// variable filter can move its cutoff at every sample without clicks.
Samples SweptNoise(double seconds, double fromHz, double toHz, double q, Rng& rng)
{
    Samples out = Silence(seconds);
    double low = 0.0;
    double band = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(out.size());
        const double hz = fromHz * std::pow(toHz / fromHz, x);
        const double f = 2.0 * std::sin(kPi * hz / kSr);
        const double high = rng.Bipolar() - low - band / q;
        band += f * high;
        low += f * band;
        out[i] = static_cast<float>(band * std::pow(std::sin(kPi * x), 2.0));
    }
    NormalisePeak(out, 0.0);
    return out;
}

// The tiles shuffled: a riffle of small clacks over a soft whoosh.
Samples Shuffle()
{
    Rng rng(0x5AFFu);
    Samples s = Silence(0.58);
    Place(s, SweptNoise(0.5, 700.0, 2600.0, 1.5, rng), 0.02, 0.4);
    constexpr int clacks = 16;
    for (int k = 0; k < clacks; ++k) {
        const double x = static_cast<double>(k) / (clacks - 1);
        const double at = 0.04 + 0.4 * std::pow(x, 0.85) + rng.Uniform(-0.006, 0.006);
        const double level = (0.45 + 0.55 * std::sin(kPi * (0.1 + 0.8 * x))) * rng.Uniform(0.7, 1.0);
        Place(s, WoodenBar(rng.Uniform(1900.0, 3100.0), 0.009, 0.3, 0.05), at, level);
    }
    return Finish(s, 0.12);
}

// An undo: a note that swells up while its pitch slides down, as if
// played backwards, then snaps off quickly: a little "rewind".
Samples Undo()
{
    constexpr double swell = 0.17;
    constexpr double hz = 784.0;
    Samples s = Silence(0.3);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSr;
        const double semitones = 7.0 * std::max(0.0, 1.0 - t / swell);
        phase += kTwoPi * hz * std::pow(2.0, semitones / 12.0) / kSr;
        // Two half bells joined at the peak: a slow swell, a quick fall.
        const double width = t < swell ? 0.06 : 0.03;
        const double envelope = std::exp(-0.5 * std::pow((t - swell) / width, 2.0));
        s[i] = static_cast<float>(envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase)));
    }
    return Finish(s, 0.15);
}

// Pause: a soft double knock on a temple block.
Samples Pause()
{
    Samples s = Silence(0.3);
    Place(s, WoodenBar(620.0, 0.05, 0.12, 0.15), 0.0, 0.85);
    Place(s, WoodenBar(620.0, 0.06, 0.12, 0.18), 0.1, 1.0);
    return Finish(s, 0.1);
}

} // namespace

std::vector<Clip> RenderSoundEffects()
{
    return {
        {"mousedown1.wav", kRate, Select()}, {"mousedown2.wav", kRate, Refuse()}, {"lianjie.wav", kRate, Link()},
        {"gamewin.wav", kRate, Fanfare()},   {"gameover.wav", kRate, TimeOut()},  {"ts.wav", kRate, HintTick()},
        {"dl.wav", kRate, Shuffle()},        {"cx.wav", kRate, Undo()},           {"mousedown3.wav", kRate, Pause()},
    };
}

} // namespace daz::datagen::audio
