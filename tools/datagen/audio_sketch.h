#pragma once

// The composer's sketch: a piece laid out bar by bar from its plan, with
// the writing of each kind of part. The melodies are written in
// audio_melody.cpp, the accompaniment in audio_accompaniment.cpp.

#include "audio_score.h"

#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace daz::datagen::audio::music {

template <typename T>
const T& Pick(const std::vector<T>& items, Rng& rng)
{
    return items[static_cast<std::size_t>(rng.Below(static_cast<int>(items.size())))];
}

struct MelodyStyle {
    int low; // MIDI range of the line
    int high;
    bool flowing;                // busier rhythms
    double sequenceChance = 0.5; // chance that a motif's second bar echoes its first a step away
};

struct LineNote {
    double beat; // from the start of its phrase
    double beats;
    int step;
};

class Sketch {
public:
    explicit Sketch(const Piece& piece);

    // The key change in force at a beat, in semitones above the piece's
    // key: the notes are composed in the home key and moved there when
    // they are played.
    int ShiftAt(double beat) const
    {
        const auto bar = static_cast<std::size_t>(std::max(0.0, beat) / piece_.beatsPerBar);
        return bars_[std::min(bar, bars_.size() - 1)].shift;
    }
    char Motif(int phrase) const { return piece_.form.phrases[static_cast<std::size_t>(phrase)].motif; }

    const Piece& piece() const { return piece_; }
    double TotalBeats() const { return static_cast<double>(bars_.size() * piece_.beatsPerBar); }
    int PhraseCount() const { return static_cast<int>(phraseStart_.size()); }
    double PhraseBeat(int phrase) const
    {
        return static_cast<double>(phraseStart_[static_cast<std::size_t>(phrase)] * piece_.beatsPerBar);
    }

    // A melody over the phrases for which `plays` is true.
    Part Melody(Instrument instrument, const MelodyStyle& style, double level, double reverb,
                const std::function<bool(int phrase)>& plays = {});

    // The same notes played by another instrument, an octave higher where
    // that stays below `ceiling`, with that instrument's own ornaments (the
    // heterophony of a Chinese ensemble, where two players share a tune
    // and decorate it each in their own way).
    Part Double(const Part& lead, Instrument instrument, int ceiling, double level, double reverb,
                const std::function<bool(double beat)>& plays);

    // Broken chords on the strings, one figure per phrase, filling every
    // eighth from the energy `busyFrom` up and sparser below it. Plucked
    // strings are tuned to the pentatonic scale, so the figure uses the
    // chord's scale notes and fills up with the scale's colour notes (a
    // sixth, a ninth) where the chord has too few.
    Part Arpeggio(Instrument instrument, int low, double busyFrom, double level, double reverb);

    // Sustained chords, voiced closely from `low` upwards; a chord that
    // repeats is held on rather than struck again.
    Part Pads(int low, double level, double reverb);

    // The chord roots, low; in livelier bars the fifth answers on the
    // middle beat.
    Part Bass(int low, double level, double reverb);

    // A quick run up the strings that lands on the downbeat of a phrase:
    // the guzheng's signature flourish.
    void Gliss(Part& part, int phrase, int topMidi, int count, double velocity);

    // Festival percussion in four-four time: a tanggu drum on the strong
    // beats, a woodblock keeping time between them, a small cymbal opening
    // each phrase and a small gong closing the answering ones.
    std::vector<Part> Festival(double level);

    // Scattered high notes of the key, like stars or light on water.
    Part Sparkles(Instrument instrument, int low, int high, double perBar, double level, double reverb);

private:
    struct Bar {
        Chord chord;
        double energy;
        int phrase; // -1 in the introduction and the ending
        int shift;  // the phrase's key change
    };

    double BarBeat(std::size_t bar) const { return static_cast<double>(bar) * piece_.beatsPerBar; }

    int NearestOfDegree(int degree, int near, int low, int high) const;

    // The note a phrase ends on: the home note to close, otherwise a note
    // of the last chord that leaves the music open.
    int CadenceStep(const Phrase& phrase, int near, int low, int high) const;

    // The melody of one phrase, beats counted from the phrase's start.
    // Phrases sharing a motif letter share their first half; a new motif
    // may echo its first bar a step higher or lower in its second. The
    // pitches walk mostly by step, land on chord notes on strong beats,
    // turn back after leaps, arch up through the middle of the phrase and
    // are drawn towards the cadence note at the end.
    std::vector<LineNote> PhraseLine(const Phrase& phrase, const MelodyStyle& style, int low, int high, int& step,
                                     std::map<char, std::pair<std::vector<LineNote>, int>>& motifs, Rng& rng) const;

    // Turns a phrase's line into notes, shaping the dynamics: each phrase
    // swells towards its middle, downbeats lean a little, and a held
    // final note is taken gently.
    void AddLine(Part& part, const std::vector<LineNote>& line, int phrase, Rng& rng) const;

    // Each instrument's own way of decorating a tune.
    void Decorate(Part& part, Rng& rng) const;

    static const std::vector<std::vector<int>>& Figures(bool busy, int beatsPerBar);
    const std::vector<std::vector<int>>& Figures(bool busy) const { return Figures(busy, piece_.beatsPerBar); }

    // Five scale notes from `low` up for the broken chords: the chord's
    // own notes first, then colour notes of the scale to fill up.
    std::vector<int> Voicing(const Chord& chord, int low) const;

    const Piece& piece_;
    Key key_;
    Rng rng_;
    std::vector<Bar> bars_;
    std::vector<int> phraseStart_;
};

} // namespace daz::datagen::audio::music
