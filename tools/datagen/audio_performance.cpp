// Plays a sketched piece: every note rendered by its instrument, the
// parts mixed through a shared hall and brought to an even level.
#include "audio_performance.h"

#include "audio_instruments.h"

#include <algorithm>
#include <cmath>

namespace daz::datagen::audio::music {
namespace {

PitchCurve OrnamentCurve(const Note& n)
{
    const double from = n.from;
    switch (n.ornament) {
    case Ornament::Vibrato:
        return [](double t) { return 0.28 * SmoothRise(t - 0.3, 0.4) * std::sin(kTwoPi * 4.8 * t); };
    case Ornament::Slide: return [from](double t) { return from * (1.0 - SmoothRise(t - 0.04, 0.16)); };
    case Ornament::Grace: return [from](double t) { return from * (1.0 - SmoothRise(t - 0.07, 0.03)); };
    default: return {};
    }
}

Samples RenderNote(Instrument instrument, const Note& n, double secondsPerBeat, Rng& rng)
{
    const double hz = MidiToHz(n.midi);
    const double seconds = n.beats * secondsPerBeat;
    const double v = n.velocity;
    switch (instrument) {
    case Instrument::Guzheng: {
        const Samples note = Pluck(hz, seconds + 1.6, v, kGuzheng, kSr, rng);
        return n.ornament == Ornament::None ? note : Bend(note, OrnamentCurve(n), kSr);
    }
    case Instrument::Pipa: {
        if (n.ornament != Ornament::Tremolo) {
            return Pluck(hz, seconds + 0.8, v, kPipa, kSr, rng);
        }
        // Fingers roll over the string about thirteen times a second; the
        // strokes alternate in weight and the roll fades a little.
        Samples roll(SecondsToSamples(seconds + 0.8, kSr), 0.0f);
        const double stroke = 1.0 / 13.0;
        int k = 0;
        for (double t = 0.0; t < seconds * 0.92; t += stroke, ++k) {
            const double weight = (k % 2 == 0 ? 0.85 : 0.65) * (1.0 - 0.25 * t / seconds);
            const Samples pluck = Pluck(hz, 0.5, v * weight * rng.Uniform(0.9, 1.0), kPipa, kSr, rng);
            MixInto(roll, pluck, SecondsToSamples(t, kSr));
        }
        return roll;
    }
    case Instrument::Dizi: return Flute(hz, seconds * 0.96, v, kDizi, OrnamentCurve(n), kSr, rng);
    case Instrument::Xiao: return Flute(hz, seconds * 0.97, v, kXiao, OrnamentCurve(n), kSr, rng);
    case Instrument::Celesta: return Bell(hz, v, kCelesta, kSr);
    case Instrument::Chime: return Bell(hz, v, kChime, kSr);
    case Instrument::HarmonicString: return Pluck(hz, seconds + 1.0, v, kHarmonicString, kSr, rng);
    case Instrument::Pad: return Pad(hz, seconds, v, std::min(1.0, 0.3 * seconds), 1.5, kSr);
    case Instrument::Bass: return SoftBass(hz, seconds, v, kSr);
    case Instrument::Drum: return Drum(hz, v, kSr, rng);
    case Instrument::Woodblock: return Woodblock(hz, v, kSr);
    case Instrument::Cymbal: return Cymbal(seconds, v, kSr, rng);
    case Instrument::Gong: return SmallGong(hz, v, kSr);
    }
    return {};
}

bool Sustained(Instrument instrument)
{
    return instrument == Instrument::Pad;
}

bool Percussion(Instrument instrument)
{
    return instrument == Instrument::Drum || instrument == Instrument::Woodblock || instrument == Instrument::Cymbal
           || instrument == Instrument::Gong;
}

// How loud a part is while it plays: the power averaged over the tenths
// of a second in which it sounds at all, so that a part resting for half
// the piece is not taken for a quiet one.
double PlayingLoudness(const Samples& track)
{
    const std::size_t block = SecondsToSamples(0.1, kSr);
    std::vector<double> powers;
    for (std::size_t start = 0; start + block <= track.size(); start += block) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + block; ++i) {
            sum += static_cast<double>(track[i]) * track[i];
        }
        powers.push_back(sum / static_cast<double>(block));
    }
    const double loudest = powers.empty() ? 0.0 : *std::max_element(powers.begin(), powers.end());
    double sum = 0.0;
    std::size_t count = 0;
    for (double p : powers) {
        if (p > loudest * 1e-4) {
            sum += p;
            ++count;
        }
    }
    return count == 0 ? 0.0 : std::sqrt(sum / static_cast<double>(count));
}

} // namespace

Samples Perform(const Sketch& sketch, const std::vector<Part>& parts, Rng& rng)
{
    const double secondsPerBeat = 60.0 / sketch.piece().bpm;
    const std::size_t length = SecondsToSamples(sketch.TotalBeats() * secondsPerBeat, kSr);
    const std::size_t tail = SecondsToSamples(5.0, kSr);
    Samples dry(length + tail, 0.0f);
    Samples hall(length + tail, 0.0f);
    for (const Part& part : parts) {
        Samples track(length + tail, 0.0f);
        for (Note n : part.notes) {
            if (!Percussion(part.instrument)) {
                n.midi += sketch.ShiftAt(n.keyBeat >= 0.0 ? n.keyBeat : n.beat);
            }
            const double jitter = Sustained(part.instrument) ? 0.0 : rng.Uniform(-0.008, 0.008);
            const double at = std::max(0.0, n.beat * secondsPerBeat + jitter);
            MixInto(track, RenderNote(part.instrument, n, secondsPerBeat, rng), SecondsToSamples(at, kSr));
        }
        const double loudness = PlayingLoudness(track);
        if (loudness <= 0.0) {
            continue;
        }
        const double gain = 0.1 * DbToGain(part.level) / loudness;
        MixInto(dry, track, 0, gain);
        MixInto(hall, track, 0, gain * part.reverb);
    }
    Reverb reverb(0.82, 0.45, kSr);
    MixInto(dry, reverb.Process(hall), 0);

    // A calm, even level across the pieces: an average loudness of about
    // -19 dBFS, with the sharpest plucks held down to peaks of -3 dBFS
    // (by no more than 6 dB, so the attacks keep their life).
    const double gain = std::min(DbToGain(-19.0) / Rms(dry), 2.0 * DbToGain(-3.0) / Peak(dry));
    Scale(dry, gain);
    LimitPeaks(dry, -3.0, kSr);
    FadeIn(dry, 0.005, kSr);
    FadeOut(dry, 3.0, kSr);
    return dry;
}

} // namespace daz::datagen::audio::music
