#pragma once

// The synthetic instruments of the game's sounds and music. Each function
// renders one note into a fresh buffer, starting at its attack, with a
// peak of about `velocity` (0 … 1). Nothing here is sampled: strings are
// Karplus–Strong waveguides, bells are FM, flutes and pads additive.

#include "audio_dsp.h"

#include <functional>

namespace daz::datagen::audio {

// A pitch deviation in semitones as a function of the time since the
// attack, for bends, slides and vibrato.
using PitchCurve = std::function<double(double seconds)>;

// A plucked string: guzheng, pipa, or the low strings used as bass.
struct PluckTone {
    double ring = 3.0;       // seconds for a 220 Hz string to fade by 60 dB
    double brightness = 0.6; // 0 dull … 1 bright: how long the overtones last
    double position = 0.13;  // pluck point as a fraction of the string
    double body = 0.15;      // share of the wooden body's resonance
};

inline constexpr PluckTone kGuzheng{3.2, 0.72, 0.12, 0.18};
inline constexpr PluckTone kPipa{1.1, 0.85, 0.07, 0.25};
// A string touched lightly at its middle as it is plucked, so that only
// the pure, glassy overtone sounds: the guzheng's harmonics.
inline constexpr PluckTone kHarmonicString{1.8, 0.2, 0.5, 0.05};

Samples Pluck(double hz, double seconds, double velocity, const PluckTone& tone, double sampleRate, Rng& rng);

// Re-reads a rendered note at a varying speed so that its pitch follows
// the curve: the way a guzheng player presses a string after plucking it.
Samples Bend(const Samples& note, const PitchCurve& semitones, double sampleRate);

// Breath-blown flutes: dizi (bright) and xiao (soft, low, airy).
struct BreathTone {
    double breath = 0.06;       // level of the breath noise
    double brightness = 0.5;    // 0 … 1, weight of the upper harmonics
    double vibratoCents = 18.0; // depth of the delayed vibrato
    double attack = 0.07;       // seconds
};

inline constexpr BreathTone kDizi{0.05, 0.7, 20.0, 0.06};
inline constexpr BreathTone kXiao{0.09, 0.2, 12.0, 0.12};

// `seconds` is how long the note is held; a short release follows.
Samples Flute(double hz, double seconds, double velocity, const BreathTone& tone, const PitchCurve& bend,
              double sampleRate, Rng& rng);

// A soft sustained tone for chords: slow attack, slow release, gently
// chorused. The result is seconds + release long.
Samples Pad(double hz, double seconds, double velocity, double attack, double release, double sampleRate);

// Struck metal by frequency modulation.
struct BellTone {
    double ratio = 3.5;  // modulator / carrier frequency
    double index = 2.0;  // modulation depth at the strike
    double ring = 1.5;   // seconds to fade by 60 dB
    double strike = 0.3; // level of the short bright strike partial
};

inline constexpr BellTone kCelesta{1.0, 1.2, 1.6, 0.25};
inline constexpr BellTone kChime{3.5, 1.6, 2.2, 0.15};

Samples Bell(double hz, double velocity, const BellTone& tone, double sampleRate);

// A round, slightly plucked bass held for `seconds`.
Samples SoftBass(double hz, double seconds, double velocity, double sampleRate);

// Percussion of a festival band, all played softly.
Samples Drum(double hz, double velocity, double sampleRate, Rng& rng);        // tanggu
Samples Woodblock(double hz, double velocity, double sampleRate);             // bangzi
Samples Cymbal(double seconds, double velocity, double sampleRate, Rng& rng); // small bo
Samples SmallGong(double hz, double velocity, double sampleRate);             // xiaoluo, pitch rises

} // namespace daz::datagen::audio
