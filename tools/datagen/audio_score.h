#pragma once

// The vocabulary of the background music: the pentatonic keys and their
// chords, the plan of a piece (its form, phrases and arrangement) and the
// notes of its parts.

#include "audio_dsp.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace daz::datagen::audio::music {

inline constexpr int kRate = 22050;
inline constexpr double kSr = kRate;

// ---------------------------------------------------------------------------
// Pitch material

// The five notes gong, shang, jue, zhi, yu (do re mi sol la), in
// semitones above gong.
inline constexpr std::array<int, 5> kPentatonic{0, 2, 4, 7, 9};

inline int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

inline int Mod12(int x)
{
    return ((x % 12) + 12) % 12;
}

// The pentatonic scale of one key. Melodies move in scale steps: step 0
// is gong at the key's reference pitch, step 5 gong an octave higher.
class Key {
public:
    explicit Key(int gong) : gong_(gong) {}

    int Midi(int step) const
    {
        const int octave = FloorDiv(step, 5);
        return gong_ + 12 * octave + kPentatonic[static_cast<std::size_t>(step - 5 * octave)];
    }
    int Degree(int step) const { return step - 5 * FloorDiv(step, 5); }
    // Semitones above gong, within one octave.
    int PitchClass(int step) const { return kPentatonic[static_cast<std::size_t>(Degree(step))]; }
    bool InScale(int midi) const
    {
        return std::find(kPentatonic.begin(), kPentatonic.end(), Mod12(midi - gong_)) != kPentatonic.end();
    }
    int StepAtOrAbove(int midi) const
    {
        int step = 5 * FloorDiv(midi - gong_, 12) - 5;
        while (Midi(step) < midi) {
            ++step;
        }
        return step;
    }
    int StepAtOrBelow(int midi) const
    {
        const int step = StepAtOrAbove(midi);
        return Midi(step) == midi ? step : step - 1;
    }
    int gong() const { return gong_; }

private:
    int gong_;
};

// A triad on a root given in semitones above gong.
struct Chord {
    int root;
    bool minor;

    std::array<int, 3> PitchClasses() const { return {Mod12(root), Mod12(root + (minor ? 3 : 4)), Mod12(root + 7)}; }
    bool Contains(int pitchClass) const
    {
        const auto tones = PitchClasses();
        return std::find(tones.begin(), tones.end(), Mod12(pitchClass)) != tones.end();
    }
};

// ---------------------------------------------------------------------------
// The plan of a piece

enum class Cadence {
    Open, // the phrase ends on a note that asks to go on
    Home, // the phrase comes to rest on the key's home note
};

struct Phrase {
    char motif;                // phrases with the same letter begin alike
    std::vector<Chord> chords; // one per bar
    Cadence cadence;
    int lift;      // scale steps the melody sits higher
    double energy; // 0 … 1: loudness and liveliness
    int shift = 0; // semitones the phrase's key lies above the piece's
};

struct Form {
    std::vector<Chord> intro;
    std::vector<Phrase> phrases;
    std::vector<Chord> outro;
};

enum class Instrument {
    Guzheng,
    Pipa,
    Dizi,
    Xiao,
    Celesta,
    Chime,
    HarmonicString,
    Pad,
    Bass,
    Drum,
    Woodblock,
    Cymbal,
    Gong,
};

enum class Ornament {
    None,
    Vibrato, // the string is pressed rhythmically after the pluck
    Slide,   // the note is reached by sliding from `from` semitones away
    Grace,   // a quick grace note `from` semitones away, then the note
    Tremolo, // the pipa's rapid repeated plucking of a held note
};

struct Note {
    double beat;  // start, in beats from the beginning of the piece
    double beats; // written length
    int midi;
    double velocity;
    Ornament ornament = Ornament::None;
    int from = 0;
    double keyBeat = -1.0; // the beat whose key the note takes; its own when negative
};

struct Part {
    Instrument instrument;
    double level;  // loudness in the mix, in dB against the lead at 0
    double reverb; // share sent to the hall
    std::vector<Note> notes;
};

class Sketch;
using Arrangement = std::vector<Part> (*)(Sketch&);

struct Piece {
    const char* fileName;
    std::uint32_t seed;
    double bpm;
    int beatsPerBar; // 3 or 4
    int gong;        // MIDI pitch of gong in the melody's octave
    int home;        // scale degree the music rests on: 0 (gong) … 4 (yu)
    Form form;
    Arrangement arrange;
};

} // namespace daz::datagen::audio::music
