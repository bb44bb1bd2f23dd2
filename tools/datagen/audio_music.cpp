#include "audio_music.h"

#include "audio_instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>

// The background music is composed here, note by note, from a short plan
// per piece: a form (phrases with their chords), a key in the Chinese
// pentatonic scale and a choice of instruments. A seeded random source
// fills in the melodies and the details of the accompaniment, so every
// run writes the same pieces.

namespace daz::datagen::audio {

namespace {

constexpr int kRate = 22050;
constexpr double kSr = kRate;

// ---------------------------------------------------------------------------
// Pitch material

// The five notes gong, shang, jue, zhi, yu (do re mi sol la), in
// semitones above gong.
constexpr std::array<int, 5> kPentatonic{0, 2, 4, 7, 9};

int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int Mod12(int x)
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
        return std::find(kPentatonic.begin(), kPentatonic.end(), Mod12(midi - gong_))
               != kPentatonic.end();
    }
    int StepAtOrAbove(int midi) const
    {
        int step = 5 * FloorDiv(midi - gong_, 12) - 5;
        while (Midi(step) < midi)
            ++step;
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

    std::array<int, 3> PitchClasses() const
    {
        return {Mod12(root), Mod12(root + (minor ? 3 : 4)), Mod12(root + 7)};
    }
    bool Contains(int pitchClass) const
    {
        const auto tones = PitchClasses();
        return std::find(tones.begin(), tones.end(), Mod12(pitchClass)) != tones.end();
    }
};

// The chords of the key, by their usual names.
constexpr Chord I{0, false};
constexpr Chord ii{2, true};
constexpr Chord iii{4, true};
constexpr Chord IV{5, false};
constexpr Chord V{7, false};
constexpr Chord vi{9, true};

// ---------------------------------------------------------------------------
// The plan of a piece

enum class Cadence {
    Open,  // the phrase ends on a note that asks to go on
    Home,  // the phrase comes to rest on the key's home note
};

struct Phrase {
    char motif;                // phrases with the same letter begin alike
    std::vector<Chord> chords; // one per bar
    Cadence cadence;
    int lift;                  // scale steps the melody sits higher
    double energy;             // 0 … 1: loudness and liveliness
    int shift = 0;             // semitones the phrase's key lies above the piece's
};

struct Form {
    std::vector<Chord> intro;
    std::vector<Phrase> phrases;
    std::vector<Chord> outro;
};

enum class Instrument {
    Guzheng, Pipa, Dizi, Xiao, Celesta, Chime, HarmonicString, Pad, Bass,
    Drum, Woodblock, Cymbal, Gong,
};

enum class Ornament {
    None,
    Vibrato,  // the string is pressed rhythmically after the pluck
    Slide,    // the note is reached by sliding from `from` semitones away
    Grace,    // a quick grace note `from` semitones away, then the note
    Tremolo,  // the pipa's rapid repeated plucking of a held note
};

struct Note {
    double beat;   // start, in beats from the beginning of the piece
    double beats;  // written length
    int midi;
    double velocity;
    Ornament ornament = Ornament::None;
    int from = 0;
    double keyBeat = -1.0; // the beat whose key the note takes; its own when negative
};

struct Part {
    Instrument instrument;
    double level;   // loudness in the mix, in dB against the lead at 0
    double reverb;  // share sent to the hall
    std::vector<Note> notes;
};

class Sketch;
using Arrangement = std::vector<Part> (*)(Sketch&);

struct Piece {
    const char* fileName;
    std::uint32_t seed;
    double bpm;
    int beatsPerBar;  // 3 or 4
    int gong;         // MIDI pitch of gong in the melody's octave
    int home;         // scale degree the music rests on: 0 (gong) … 4 (yu)
    Form form;
    Arrangement arrange;
};

// ---------------------------------------------------------------------------
// Rhythms of one bar of melody, in beats; a negative length is a rest.

using Rhythm = std::vector<double>;

const std::vector<Rhythm>& BarRhythms(int beatsPerBar, bool flowing)
{
    static const std::vector<Rhythm> flowing4{
        {1, 1, 1, 1}, {1.5, 0.5, 1, 1}, {0.5, 0.5, 1, 1, 1}, {1, 0.5, 0.5, 2},
        {2, 1, 1}, {1, 1, 2}, {0.5, 0.5, 0.5, 0.5, 2}, {1.5, 0.5, 2}, {1, 0.5, 0.5, 1, 1}};
    static const std::vector<Rhythm> calm4{
        {2, 2}, {3, 1}, {1, 1, 2}, {2, 1, 1}, {1.5, 0.5, 2}, {1, 1, 1, 1}};
    static const std::vector<Rhythm> flowing3{
        {1, 1, 1}, {1.5, 0.5, 1}, {2, 1}, {1, 0.5, 0.5, 1}, {0.5, 0.5, 1, 1}};
    static const std::vector<Rhythm> calm3{{2, 1}, {1, 2}, {1.5, 0.5, 1}, {1, 1, 1}};
    if (beatsPerBar == 3)
        return flowing ? flowing3 : calm3;
    return flowing ? flowing4 : calm4;
}

// The last bar of a phrase: the final note is held.
const std::vector<Rhythm>& CadenceRhythms(int beatsPerBar)
{
    static const std::vector<Rhythm> four{
        {1, 3}, {0.5, 0.5, 3}, {2, 2}, {1, 1, 2}, {1, 2, -1}, {4}};
    static const std::vector<Rhythm> three{{3}, {1, 2}, {0.5, 0.5, 2}, {2, -1}};
    return beatsPerBar == 3 ? three : four;
}

template <typename T>
const T& Pick(const std::vector<T>& items, Rng& rng)
{
    return items[static_cast<std::size_t>(rng.Below(static_cast<int>(items.size())))];
}

// ---------------------------------------------------------------------------
// The composer's sketch: the piece laid out bar by bar, with the writing
// of each kind of part.

struct MelodyStyle {
    int low;   // MIDI range of the line
    int high;
    bool flowing;               // busier rhythms
    double sequenceChance = 0.5; // chance that a motif's second bar echoes its first a step away
};

struct LineNote {
    double beat;  // from the start of its phrase
    double beats;
    int step;
};

class Sketch {
public:
    explicit Sketch(const Piece& piece)
        : piece_(piece), key_(piece.gong), rng_(piece.seed)
    {
        for (const Chord& c : piece.form.intro)
            bars_.push_back({c, 0.5, -1, 0});
        for (std::size_t p = 0; p < piece.form.phrases.size(); ++p) {
            const Phrase& phrase = piece.form.phrases[p];
            phraseStart_.push_back(static_cast<int>(bars_.size()));
            for (const Chord& c : phrase.chords)
                bars_.push_back({c, phrase.energy, static_cast<int>(p), phrase.shift});
        }
        for (const Chord& c : piece.form.outro)
            bars_.push_back({c, 0.45, -1, 0});
    }

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
                const std::function<bool(int phrase)>& plays = {})
    {
        Rng rng = rng_.Fork();
        Part part{instrument, level, reverb, {}};
        const int low = key_.StepAtOrAbove(style.low);
        const int high = key_.StepAtOrBelow(style.high);
        std::map<char, std::pair<std::vector<LineNote>, int>> motifs; // opening bars, lift
        int step = NearestOfDegree(piece_.home, (low + high) / 2, low, high);
        for (int p = 0; p < PhraseCount(); ++p) {
            if (plays && !plays(p))
                continue;
            const Phrase& phrase = piece_.form.phrases[static_cast<std::size_t>(p)];
            const std::vector<LineNote> line = PhraseLine(phrase, style, low + phrase.lift,
                                                          high + phrase.lift, step, motifs, rng);
            AddLine(part, line, p, rng);
        }
        Decorate(part, rng);
        return part;
    }

    // The same notes played by another instrument, an octave higher where
    // that stays below `ceiling`, with that instrument's own ornaments (the
    // heterophony of a Chinese ensemble, where two players share a tune
    // and decorate it each in their own way).
    Part Double(const Part& lead, Instrument instrument, int ceiling, double level, double reverb,
                const std::function<bool(double beat)>& plays)
    {
        Rng rng = rng_.Fork();
        Part part{instrument, level, reverb, {}};
        for (Note n : lead.notes) {
            if (!plays(n.beat))
                continue;
            if (n.midi + 12 <= ceiling)
                n.midi += 12;
            n.ornament = Ornament::None;
            n.velocity *= 0.9;
            part.notes.push_back(n);
        }
        Decorate(part, rng);
        return part;
    }

    // Broken chords on the strings, one figure per phrase, filling every
    // eighth from the energy `busyFrom` up and sparser below it. Plucked
    // strings are tuned to the pentatonic scale, so the figure uses the
    // chord's scale notes and fills up with the scale's colour notes (a
    // sixth, a ninth) where the chord has too few.
    Part Arpeggio(Instrument instrument, int low, double busyFrom, double level, double reverb)
    {
        Rng rng = rng_.Fork();
        Part part{instrument, level, reverb, {}};
        const int slots = 2 * piece_.beatsPerBar;
        std::vector<int> figure;
        int figurePhrase = -2;
        for (std::size_t b = 0; b < bars_.size(); ++b) {
            const Bar& bar = bars_[b];
            const bool busy = bar.energy >= busyFrom;
            if (bar.phrase != figurePhrase || bar.phrase < 0) {
                figure = Pick(Figures(busy), rng);
                figurePhrase = bar.phrase;
            }
            const std::vector<int> voicing = Voicing(bar.chord, low);
            for (int slot = 0; slot < slots; ++slot) {
                const int index = figure[static_cast<std::size_t>(slot)];
                if (index < 0)
                    continue;
                const double accent = slot == 0 ? 1.25 : (slot % 2 == 0 ? 1.05 : 0.9);
                part.notes.push_back({BarBeat(b) + 0.5 * slot, 1.5,
                                      voicing[static_cast<std::size_t>(index)],
                                      (0.3 + 0.5 * bar.energy) * accent * rng.Uniform(0.9, 1.05)});
            }
        }
        return part;
    }

    // Sustained chords, voiced closely from `low` upwards; a chord that
    // repeats is held on rather than struck again.
    Part Pads(int low, double level, double reverb)
    {
        Part part{Instrument::Pad, level, reverb, {}};
        std::size_t b = 0;
        while (b < bars_.size()) {
            std::size_t end = b + 1;
            while (end < bars_.size() && bars_[end].chord.root == bars_[b].chord.root
                   && bars_[end].chord.minor == bars_[b].chord.minor && bars_[end].shift == bars_[b].shift)
                ++end;
            const double beats = static_cast<double>((end - b) * piece_.beatsPerBar);
            for (int pc : bars_[b].chord.PitchClasses()) {
                int midi = key_.gong() + pc;
                while (midi < low)
                    midi += 12;
                while (midi >= low + 12)
                    midi -= 12;
                part.notes.push_back({BarBeat(b), beats, midi, 0.5 + 0.5 * bars_[b].energy});
            }
            b = end;
        }
        return part;
    }

    // The chord roots, low; in livelier bars the fifth answers on the
    // middle beat.
    Part Bass(int low, double level, double reverb)
    {
        Part part{Instrument::Bass, level, reverb, {}};
        for (std::size_t b = 0; b < bars_.size(); ++b) {
            const Bar& bar = bars_[b];
            int root = key_.gong() + bar.chord.root;
            while (root < low)
                root += 12;
            while (root >= low + 12)
                root -= 12;
            const double velocity = 0.5 + 0.5 * bar.energy;
            if (bar.energy >= 0.75 && piece_.beatsPerBar == 4) {
                part.notes.push_back({BarBeat(b), 2.0, root, velocity});
                part.notes.push_back({BarBeat(b) + 2.0, 2.0, root + 7 >= low + 12 ? root - 5 : root + 7,
                                      velocity * 0.8});
            } else {
                part.notes.push_back({BarBeat(b), static_cast<double>(piece_.beatsPerBar), root, velocity});
            }
        }
        return part;
    }

    // A quick run up the strings that lands on the downbeat of a phrase:
    // the guzheng's signature flourish.
    void Gliss(Part& part, int phrase, int topMidi, int count, double velocity)
    {
        const double end = PhraseBeat(phrase);
        const int top = key_.StepAtOrBelow(topMidi);
        const double gap = 0.06 * piece_.bpm / 60.0; // 60 ms between strings, in beats
        for (int k = 0; k < count; ++k) {
            const double rise = static_cast<double>(k + 1) / count;
            part.notes.push_back({end - gap * (count - k), 1.0, key_.Midi(top - count + k),
                                  velocity * (0.45 + 0.55 * rise), Ornament::None, 0, end});
        }
    }

    // Festival percussion in four-four time: a tanggu drum on the strong
    // beats, a woodblock keeping time between them, a small cymbal opening
    // each phrase and a small gong closing the answering ones.
    std::vector<Part> Festival(double level)
    {
        Rng rng = rng_.Fork();
        Part drum{Instrument::Drum, level, 0.12, {}};
        Part block{Instrument::Woodblock, level - 5.0, 0.1, {}};
        Part cymbal{Instrument::Cymbal, level - 10.0, 0.2, {}};
        Part gong{Instrument::Gong, level - 6.0, 0.3, {}};
        for (std::size_t b = 0; b < bars_.size(); ++b) {
            const Bar& bar = bars_[b];
            const double at = BarBeat(b);
            const double e = bar.energy;
            const bool lastOfPhrase = b + 1 == bars_.size() || bars_[b + 1].phrase != bar.phrase;
            const bool firstOfPhrase = bar.phrase >= 0 && (b == 0 || bars_[b - 1].phrase != bar.phrase);
            auto hit = [&](Part& p, double beat, int midi, double v, double beats = 1.0) {
                p.notes.push_back({at + beat, beats, midi, v * rng.Uniform(0.88, 1.0)});
            };
            if (bar.phrase < 0 && b + 1 < bars_.size() && bars_[b + 1].phrase >= 0) {
                // The roll that leads the band in.
                hit(drum, 0, 45, 0.7);
                for (double beat = 2.0; beat < 4.0; beat += 0.5)
                    hit(drum, beat, 45, 0.35 + 0.2 * (beat - 2.0));
                continue;
            }
            if (bar.phrase < 0) {
                hit(drum, 0, 45, 0.6 * e + 0.2);
                if (b + 1 == bars_.size())
                    hit(gong, 0, 78, 0.7);
                continue;
            }
            hit(drum, 0, 45, 0.85);
            hit(drum, 2, 45, 0.55);
            hit(drum, 3.5, 45, 0.3);
            if (lastOfPhrase) {
                hit(drum, 3, 45, 0.45);
            }
            for (double beat : {1.0, 1.5, 3.0})
                hit(block, beat, 86, beat == 1.5 ? 0.5 : 0.8);
            if (e >= 0.9) {
                hit(block, 2.5, 86, 0.45);
                hit(cymbal, 1, 0, 0.35, 0.3);
                hit(cymbal, 3, 0, 0.35, 0.3);
            }
            if (firstOfPhrase)
                hit(cymbal, 0, 0, 0.8, 1.6);
            if (lastOfPhrase && piece_.form.phrases[static_cast<std::size_t>(bar.phrase)].cadence == Cadence::Home)
                hit(gong, 2, 78, 0.8);
        }
        return {drum, block, cymbal, gong};
    }

    // Scattered high notes of the key, like stars or light on water.
    Part Sparkles(Instrument instrument, int low, int high, double perBar, double level,
                  double reverb)
    {
        Rng rng = rng_.Fork();
        Part part{instrument, level, reverb, {}};
        const int lowStep = key_.StepAtOrAbove(low);
        const int highStep = key_.StepAtOrBelow(high);
        for (std::size_t b = 0; b < bars_.size(); ++b) {
            if (!rng.Chance(perBar))
                continue;
            const int slot = rng.Below(2 * piece_.beatsPerBar);
            int step = lowStep + rng.Below(highStep - lowStep + 1);
            if (!bars_[b].chord.Contains(key_.PitchClass(step)) && step < highStep)
                ++step;
            part.notes.push_back({BarBeat(b) + 0.5 * slot, 1.0, key_.Midi(step),
                                  rng.Uniform(0.6, 1.0)});
            if (rng.Chance(0.35) && step + 2 <= highStep) // now and then a second, brighter twinkle
                part.notes.push_back({BarBeat(b) + 0.5 * slot + 0.5, 1.0, key_.Midi(step + 2),
                                      rng.Uniform(0.4, 0.7)});
        }
        return part;
    }

private:
    struct Bar {
        Chord chord;
        double energy;
        int phrase; // -1 in the introduction and the ending
        int shift;  // the phrase's key change
    };

    double BarBeat(std::size_t bar) const
    {
        return static_cast<double>(bar) * piece_.beatsPerBar;
    }

    int NearestOfDegree(int degree, int near, int low, int high) const
    {
        int best = low;
        for (int s = low; s <= high; ++s) {
            if (key_.Degree(s) == degree
                && (key_.Degree(best) != degree || std::abs(s - near) < std::abs(best - near)))
                best = s;
        }
        return best;
    }

    // The note a phrase ends on: the home note to close, otherwise a note
    // of the last chord that leaves the music open.
    int CadenceStep(const Phrase& phrase, int near, int low, int high) const
    {
        std::vector<int> degrees;
        if (phrase.cadence == Cadence::Home) {
            degrees.push_back(piece_.home);
        } else {
            for (int d = 0; d < 5; ++d) {
                if (d != piece_.home && phrase.chords.back().Contains(kPentatonic[static_cast<std::size_t>(d)]))
                    degrees.push_back(d);
            }
            if (degrees.empty())
                degrees = {(piece_.home + 1) % 5, (piece_.home + 3) % 5};
        }
        int best = near;
        int bestDistance = 1000;
        for (int s = low; s <= high; ++s) {
            if (std::find(degrees.begin(), degrees.end(), key_.Degree(s)) == degrees.end())
                continue;
            if (std::abs(s - near) < bestDistance) {
                best = s;
                bestDistance = std::abs(s - near);
            }
        }
        return best;
    }

    // The melody of one phrase, beats counted from the phrase's start.
    // Phrases sharing a motif letter share their first half; a new motif
    // may echo its first bar a step higher or lower in its second. The
    // pitches walk mostly by step, land on chord notes on strong beats,
    // turn back after leaps, arch up through the middle of the phrase and
    // are drawn towards the cadence note at the end.
    std::vector<LineNote> PhraseLine(const Phrase& phrase, const MelodyStyle& style, int low,
                                     int high, int& step,
                                     std::map<char, std::pair<std::vector<LineNote>, int>>& motifs,
                                     Rng& rng) const
    {
        const int beatsPerBar = piece_.beatsPerBar;
        const int bars = static_cast<int>(phrase.chords.size());
        const int half = bars / 2;
        const double phraseBeats = static_cast<double>(bars * beatsPerBar);
        const int middle = (low + high) / 2;
        const int target = CadenceStep(phrase, middle, low, high);

        std::vector<LineNote> line;
        int firstFree = 0;
        if (auto it = motifs.find(phrase.motif); it != motifs.end()) {
            for (LineNote n : it->second.first) {
                n.step += phrase.lift - it->second.second;
                line.push_back(n);
            }
            firstFree = half;
            step = line.back().step;
        }

        int lastMove = 0;
        int repeats = 0;
        for (int b = firstFree; b < bars; ++b) {
            const bool cadenceBar = b == bars - 1;
            const double barBeat = static_cast<double>(b * beatsPerBar);
            if (b == 1 && firstFree == 0 && !cadenceBar && rng.Chance(style.sequenceChance)) {
                const int shift = rng.Chance(0.5) ? 1 : -1;
                std::vector<LineNote> echo;
                // The echo must lie in range and follow on without a leap.
                bool fits = !line.empty() && std::abs(line.front().step + shift - step) <= 2;
                for (const LineNote& n : line) {
                    echo.push_back({n.beat + beatsPerBar, n.beats, n.step + shift});
                    fits = fits && n.step + shift >= low && n.step + shift <= high;
                }
                if (fits) {
                    line.insert(line.end(), echo.begin(), echo.end());
                    lastMove = shift;
                    step = line.back().step;
                    continue;
                }
            }
            const Rhythm& rhythm = cadenceBar ? Pick(CadenceRhythms(beatsPerBar), rng)
                                              : Pick(BarRhythms(beatsPerBar, style.flowing), rng);
            int notesLeft = 0;
            for (double length : rhythm)
                notesLeft += length > 0 ? 1 : 0;
            double beat = barBeat;
            for (double length : rhythm) {
                if (length < 0) {
                    beat -= length;
                    continue;
                }
                const bool final = cadenceBar && notesLeft == 1;
                int next = CadenceStep(phrase, step, low, high);
                if (!final) {
                    const double inBar = beat - barBeat;
                    const bool strong = inBar == 0.0 || (beatsPerBar == 4 && inBar == 2.0);
                    const double progress = beat / phraseBeats;
                    const double arch = middle - 1.0 + 3.0 * std::sin(kPi * progress);
                    std::vector<double> weights;
                    std::vector<int> candidates;
                    // Quick notes move by step or skip; only longer ones leap,
                    // and never further than a fifth.
                    const int reach = length <= 0.5 ? 2 : 3;
                    for (int k = std::max(low, step - reach); k <= std::min(high, step + reach); ++k) {
                        const int move = k - step;
                        static constexpr std::array<double, 4> byDistance{0.5, 3.0, 1.6, 0.5};
                        double w = byDistance[static_cast<std::size_t>(std::abs(move))];
                        if (move == 0 && repeats >= 1)
                            w = 0.0;
                        const bool chordTone = phrase.chords[static_cast<std::size_t>(b)].Contains(key_.PitchClass(k));
                        if (strong)
                            w *= chordTone ? 3.0 : 0.4;
                        if (std::abs(lastMove) >= 2) {
                            if (move * lastMove < 0 && std::abs(move) <= 2)
                                w *= 2.5;
                            else if (move * lastMove > 0)
                                w *= 0.3;
                        }
                        w *= std::exp(-0.06 * (k - arch) * (k - arch));
                        if (cadenceBar)
                            w *= std::exp(-0.6 * std::abs(k - target));
                        candidates.push_back(k);
                        weights.push_back(w);
                    }
                    next = candidates[rng.Weighted(weights)];
                }
                repeats = next == step ? repeats + 1 : 0;
                lastMove = next - step;
                step = next;
                line.push_back({beat, length, step});
                beat += length;
                --notesLeft;
            }
        }

        if (firstFree == 0) {
            std::vector<LineNote> opening;
            for (const LineNote& n : line) {
                if (n.beat < half * beatsPerBar)
                    opening.push_back(n);
            }
            motifs[phrase.motif] = {opening, phrase.lift};
        }
        return line;
    }

    // Turns a phrase's line into notes, shaping the dynamics: each phrase
    // swells towards its middle, downbeats lean a little, and a held
    // final note is taken gently.
    void AddLine(Part& part, const std::vector<LineNote>& line, int phrase, Rng& rng) const
    {
        const Phrase& p = piece_.form.phrases[static_cast<std::size_t>(phrase)];
        const double start = PhraseBeat(phrase);
        const double length = static_cast<double>(p.chords.size() * piece_.beatsPerBar);
        for (std::size_t i = 0; i < line.size(); ++i) {
            const LineNote& n = line[i];
            const double swell = 0.78 + 0.22 * std::sin(kPi * n.beat / length);
            const bool downbeat = std::fmod(n.beat, piece_.beatsPerBar) == 0.0;
            double v = (0.55 + 0.45 * p.energy) * swell * (downbeat ? 1.08 : 0.97) * rng.Uniform(0.93, 1.03);
            if (i + 1 == line.size())
                v *= 0.92;
            part.notes.push_back({start + n.beat, n.beats, key_.Midi(n.step), std::min(1.0, v)});
        }
    }

    // Each instrument's own way of decorating a tune.
    void Decorate(Part& part, Rng& rng) const
    {
        const double longNote = piece_.beatsPerBar == 3 ? 1.5 : 2.0;
        for (std::size_t i = 0; i < part.notes.size(); ++i) {
            Note& n = part.notes[i];
            const int previous = i > 0 ? part.notes[i - 1].midi : n.midi;
            const int below = key_.Midi(key_.StepAtOrAbove(n.midi) - 1) - n.midi;
            const int above = key_.Midi(key_.StepAtOrAbove(n.midi) + 1) - n.midi;
            switch (part.instrument) {
            case Instrument::Guzheng:
                if (n.beats >= longNote - 0.5 && rng.Chance(0.7))
                    n.ornament = Ornament::Vibrato;
                else if (n.beats >= 1.0 && previous < n.midi && rng.Chance(0.25))
                    n = {n.beat, n.beats, n.midi, n.velocity, Ornament::Slide, below};
                break;
            case Instrument::Pipa:
                if (n.beats >= longNote)
                    n.ornament = Ornament::Tremolo;
                break;
            case Instrument::Dizi:
                if (n.beats >= 1.0 && i > 0 && rng.Chance(0.3))
                    n = {n.beat, n.beats, n.midi, n.velocity, Ornament::Grace, above};
                else if (n.beats >= 1.0 && previous < n.midi && rng.Chance(0.15))
                    n = {n.beat, n.beats, n.midi, n.velocity, Ornament::Slide, below};
                break;
            case Instrument::Xiao:
                if (previous < n.midi && rng.Chance(0.25))
                    n = {n.beat, n.beats, n.midi, n.velocity, Ornament::Slide, below};
                break;
            default:
                break;
            }
        }
    }

    static const std::vector<std::vector<int>>& Figures(bool busy, int beatsPerBar)
    {
        static const std::vector<std::vector<int>> busy4{
            {0, 1, 2, 3, 4, 3, 2, 1}, {0, 2, 4, 2, 3, 2, 4, 2}, {0, 1, 2, 4, 3, 2, 1, 2}};
        static const std::vector<std::vector<int>> calm4{
            {0, -1, 2, -1, 4, -1, 3, -1}, {0, -1, -1, 2, 3, -1, 4, -1}, {0, 2, 4, -1, -1, -1, 3, -1}};
        static const std::vector<std::vector<int>> busy3{{0, 2, 3, 4, 3, 2}, {0, 1, 2, 4, 2, 1}};
        static const std::vector<std::vector<int>> calm3{{0, -1, 2, -1, 3, -1}, {0, 2, 4, -1, -1, -1}};
        if (beatsPerBar == 3)
            return busy ? busy3 : calm3;
        return busy ? busy4 : calm4;
    }
    const std::vector<std::vector<int>>& Figures(bool busy) const
    {
        return Figures(busy, piece_.beatsPerBar);
    }

    // Five scale notes from `low` up for the broken chords: the chord's
    // own notes first, then colour notes of the scale to fill up.
    std::vector<int> Voicing(const Chord& chord, int low) const
    {
        std::vector<int> chordNotes;
        std::vector<int> colour;
        int base = -1;
        for (int midi = low; midi < low + 24; ++midi) {
            if (!key_.InScale(midi))
                continue;
            const bool inChord = chord.Contains(midi - key_.gong());
            if (base < 0) {
                if (!inChord)
                    continue;
                base = midi;
            }
            if (midi > base + 19)
                break;
            (inChord ? chordNotes : colour).push_back(midi);
        }
        std::vector<int> voicing(chordNotes.begin(), chordNotes.begin() + std::min<std::size_t>(5, chordNotes.size()));
        for (std::size_t c = 0; voicing.size() < 5 && c < colour.size(); ++c)
            voicing.push_back(colour[c]);
        std::sort(voicing.begin(), voicing.end());
        return voicing;
    }

    const Piece& piece_;
    Key key_;
    Rng rng_;
    std::vector<Bar> bars_;
    std::vector<int> phraseStart_;
};

// ---------------------------------------------------------------------------
// Rendering

PitchCurve OrnamentCurve(const Note& n)
{
    const double from = n.from;
    switch (n.ornament) {
    case Ornament::Vibrato:
        return [](double t) { return 0.28 * SmoothRise(t - 0.3, 0.4) * std::sin(kTwoPi * 4.8 * t); };
    case Ornament::Slide:
        return [from](double t) { return from * (1.0 - SmoothRise(t - 0.04, 0.16)); };
    case Ornament::Grace:
        return [from](double t) { return from * (1.0 - SmoothRise(t - 0.07, 0.03)); };
    default:
        return {};
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
        if (n.ornament != Ornament::Tremolo)
            return Pluck(hz, seconds + 0.8, v, kPipa, kSr, rng);
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
    case Instrument::Dizi:
        return Flute(hz, seconds * 0.96, v, kDizi, OrnamentCurve(n), kSr, rng);
    case Instrument::Xiao:
        return Flute(hz, seconds * 0.97, v, kXiao, OrnamentCurve(n), kSr, rng);
    case Instrument::Celesta:
        return Bell(hz, v, kCelesta, kSr);
    case Instrument::Chime:
        return Bell(hz, v, kChime, kSr);
    case Instrument::HarmonicString:
        return Pluck(hz, seconds + 1.0, v, kHarmonicString, kSr, rng);
    case Instrument::Pad:
        return Pad(hz, seconds, v, std::min(1.0, 0.3 * seconds), 1.5, kSr);
    case Instrument::Bass:
        return SoftBass(hz, seconds, v, kSr);
    case Instrument::Drum:
        return Drum(hz, v, kSr, rng);
    case Instrument::Woodblock:
        return Woodblock(hz, v, kSr);
    case Instrument::Cymbal:
        return Cymbal(seconds, v, kSr, rng);
    case Instrument::Gong:
        return SmallGong(hz, v, kSr);
    }
    return {};
}

bool Sustained(Instrument instrument)
{
    return instrument == Instrument::Pad;
}

bool Percussion(Instrument instrument)
{
    return instrument == Instrument::Drum || instrument == Instrument::Woodblock
           || instrument == Instrument::Cymbal || instrument == Instrument::Gong;
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
        for (std::size_t i = start; i < start + block; ++i)
            sum += static_cast<double>(track[i]) * track[i];
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

// Plays the parts into one buffer through a shared hall, each part
// brought to its level in the mix, every pitched note moved into the key
// of its section. The piece plays once per level, so it ends as a piece
// does: its last notes and their echo die away over a few seconds.
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
            if (!Percussion(part.instrument))
                n.midi += sketch.ShiftAt(n.keyBeat >= 0.0 ? n.keyBeat : n.beat);
            const double jitter = Sustained(part.instrument) ? 0.0 : rng.Uniform(-0.008, 0.008);
            const double at = std::max(0.0, n.beat * secondsPerBeat + jitter);
            MixInto(track, RenderNote(part.instrument, n, secondsPerBeat, rng), SecondsToSamples(at, kSr));
        }
        const double loudness = PlayingLoudness(track);
        if (loudness <= 0.0)
            continue;
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

// ---------------------------------------------------------------------------
// The pieces. Part levels are in dB against the lead.
//
// Each piece is a little suite: a theme (A), a contrasting section in
// another key with another lead instrument (C), a short bridge back, the
// theme again livelier and higher (A'), a quiet interlude in a third key
// (D) and a last, shorter return of the theme (A''). Phrases that share a
// motif letter begin alike and end differently.

// The phrases for which a part plays, by their motif letters.
std::function<bool(int)> OnMotifs(const Sketch& s, const char* letters)
{
    return [&s, letters](int phrase) { return std::strchr(letters, s.Motif(phrase)) != nullptr; };
}

// Silences a part from the beginning of phrase `first` to that of `end`.
void Rest(const Sketch& s, Part& part, int first, int end)
{
    const double from = s.PhraseBeat(first);
    const double to = end < s.PhraseCount() ? s.PhraseBeat(end) : s.TotalBeats();
    std::erase_if(part.notes, [from, to](const Note& n) { return n.beat >= from && n.beat < to; });
}

// A section of a form: its phrases, all moved `shift` semitones.
std::vector<Phrase> Section(int shift, std::vector<Phrase> phrases)
{
    for (Phrase& p : phrases)
        p.shift = shift;
    return phrases;
}

Form MakeForm(std::vector<Chord> intro, const std::vector<std::vector<Phrase>>& sections,
              std::vector<Chord> outro)
{
    Form form{std::move(intro), {}, std::move(outro)};
    for (const std::vector<Phrase>& section : sections)
        form.phrases.insert(form.phrases.end(), section.begin(), section.end());
    return form;
}

constexpr Cadence O = Cadence::Open;
constexpr Cadence H = Cadence::Home;

// 竹风: a bamboo flute over rolling guzheng figures, bright and easy; the
// guzheng takes the tune in the section a fourth lower.
std::vector<Part> ArrangeBambooBreeze(Sketch& s)
{
    Part lead = s.Melody(Instrument::Dizi, {71, 91, true}, 0.0, 0.3, OnMotifs(s, "abef"));
    Part zheng = s.Melody(Instrument::Guzheng, {64, 84, false}, -1.0, 0.3, OnMotifs(s, "cd"));
    Part strings = s.Arpeggio(Instrument::Guzheng, 50, 0.6, -6.0, 0.25);
    s.Gliss(strings, 0, 79, 7, 0.75);
    s.Gliss(strings, 2, 84, 8, 0.8);
    s.Gliss(strings, 9, 84, 8, 0.8);
    s.Gliss(strings, 15, 79, 7, 0.75);
    return {lead, zheng, strings, s.Pads(55, -11.0, 0.5), s.Bass(38, -10.0, 0.15),
            s.Sparkles(Instrument::Chime, 79, 91, 0.15, -16.0, 0.6)};
}

// 月湖: a slow waltz in the minor yu mode; the guzheng sings with pressed
// vibrato, the xiao leads the middle and answers in the return, chimes
// glint like moonlight.
std::vector<Part> ArrangeMoonLake(Sketch& s)
{
    Part lead = s.Melody(Instrument::Guzheng, {62, 81, false}, 0.0, 0.35, OnMotifs(s, "abe"));
    Part xiao = s.Melody(Instrument::Xiao, {57, 74, false}, -2.0, 0.35, OnMotifs(s, "cdf"));
    Part answer = s.Melody(Instrument::Xiao, {57, 72, false}, -5.0, 0.35,
                           [](int phrase) { return phrase >= 9 && phrase < 13; });
    Part strings = s.Arpeggio(Instrument::Guzheng, 45, 0.7, -7.0, 0.3);
    s.Gliss(strings, 2, 74, 6, 0.7);
    s.Gliss(strings, 11, 74, 6, 0.7);
    return {lead, xiao, answer, strings, s.Pads(53, -10.0, 0.55), s.Bass(38, -11.0, 0.2),
            s.Sparkles(Instrument::Chime, 74, 86, 0.4, -13.0, 0.7)};
}

// 元宵灯会: the lantern festival, a lively pipa tune with drum, woodblock,
// cymbal and small gong; the dizi leads the middle section and doubles
// the pipa in the returns, and the band rests in the quiet interlude.
std::vector<Part> ArrangeLanternFestival(Sketch& s)
{
    Part lead = s.Melody(Instrument::Pipa, {64, 84, true}, 0.0, 0.22, OnMotifs(s, "abe"));
    Part dizi = s.Melody(Instrument::Dizi, {69, 88, true}, -1.0, 0.3, OnMotifs(s, "cdf"));
    const double returns = s.PhraseBeat(10);
    const double interlude = s.PhraseBeat(15);
    const double lastReturn = s.PhraseBeat(17);
    Part flute = s.Double(lead, Instrument::Dizi, 88, -6.0, 0.3, [=](double beat) {
        return beat >= returns && (beat < interlude || beat >= lastReturn);
    });
    Part strings = s.Arpeggio(Instrument::Guzheng, 48, 0.6, -6.0, 0.2);
    s.Gliss(strings, 0, 84, 8, 0.8);
    s.Gliss(strings, 4, 84, 8, 0.8);
    s.Gliss(strings, 10, 84, 8, 0.8);
    s.Gliss(strings, 17, 84, 8, 0.8);
    std::vector<Part> parts{lead, dizi, flute, strings, s.Pads(55, -13.0, 0.4), s.Bass(36, -10.0, 0.1)};
    for (Part& p : s.Festival(-8.0)) {
        Rest(s, p, 15, 17);
        parts.push_back(std::move(p));
    }
    return parts;
}

// 星夜: a celesta lullaby over soft strings and glassy guzheng harmonics,
// with stars twinkling high above; a xiao sings the middle section.
std::vector<Part> ArrangeStarryNight(Sketch& s)
{
    Part lead = s.Melody(Instrument::Celesta, {70, 89, false}, 0.0, 0.45, OnMotifs(s, "abef"));
    Part xiao = s.Melody(Instrument::Xiao, {60, 77, false}, -1.0, 0.4, OnMotifs(s, "cd"));
    Part strings = s.Arpeggio(Instrument::HarmonicString, 58, 0.7, -7.0, 0.4);
    return {lead, xiao, strings, s.Pads(51, -9.0, 0.6), s.Bass(39, -12.0, 0.25),
            s.Sparkles(Instrument::Celesta, 86, 98, 0.6, -12.0, 0.8)};
}

// 茶园: an unhurried tune in the zhi mode on the guzheng, with light pipa
// figures; the xiao leads the middle section and the interlude and
// answers the guzheng in its return.
std::vector<Part> ArrangeTeaGarden(Sketch& s)
{
    Part lead = s.Melody(Instrument::Guzheng, {64, 83, true}, 0.0, 0.3, OnMotifs(s, "abe"));
    Part xiao = s.Melody(Instrument::Xiao, {57, 74, false}, -2.0, 0.35, OnMotifs(s, "cdf"));
    Part answer = s.Melody(Instrument::Xiao, {57, 74, false}, -5.0, 0.35,
                           [](int phrase) { return phrase >= 9 && phrase < 13; });
    Part strings = s.Arpeggio(Instrument::Pipa, 50, 0.78, -7.0, 0.22);
    s.Gliss(strings, 0, 76, 6, 0.75);
    s.Gliss(strings, 9, 76, 6, 0.75);
    return {lead, xiao, answer, strings, s.Pads(54, -10.0, 0.5), s.Bass(38, -11.0, 0.15)};
}

const std::vector<Piece>& Pieces()
{
    static const std::vector<Piece> pieces{
        {"bamboo-breeze.ogg", 0xB4B00u, 92.0, 4, 67, 0,
         MakeForm({I, I},
                  {Section(0, {{'a', {I, vi, IV, V}, O, 0, 0.7},
                               {'a', {I, vi, V, I}, H, 0, 0.75},
                               {'b', {IV, V, iii, vi}, O, 2, 0.9},
                               {'a', {I, vi, V, I}, H, 0, 0.8}}),
                   Section(-5, {{'c', {vi, iii, IV, I}, O, 0, 0.55},
                                {'c', {vi, iii, V, I}, H, 0, 0.6},
                                {'d', {IV, I, ii, V}, O, 1, 0.65},
                                {'c', {vi, iii, V, I}, H, 0, 0.6}}),
                   Section(0, {{'e', {IV, V, vi, V}, O, 2, 0.85}}),
                   Section(0, {{'a', {I, vi, IV, V}, O, 1, 0.85},
                               {'a', {I, vi, V, I}, H, 1, 0.9},
                               {'b', {IV, V, iii, vi}, O, 3, 0.95},
                               {'a', {I, vi, V, I}, H, 1, 0.9}}),
                   Section(2, {{'f', {ii, V, I, vi}, O, 0, 0.6},
                               {'f', {ii, V, IV, I}, H, 0, 0.65}}),
                   Section(0, {{'b', {IV, V, iii, vi}, O, 2, 0.8},
                               {'a', {I, vi, V, I}, H, 0, 0.75}})},
                  {IV, I}),
         ArrangeBambooBreeze},
        {"moon-lake.ogg", 0x300Au, 66.0, 3, 65, 4,
         MakeForm({vi, vi},
                  {Section(0, {{'a', {vi, IV, I, V}, O, 0, 0.6},
                               {'a', {vi, IV, V, vi}, H, 0, 0.65},
                               {'b', {IV, V, iii, vi}, O, 2, 0.8},
                               {'a', {vi, IV, V, vi}, H, 0, 0.7}}),
                   Section(5, {{'c', {I, V, vi, iii}, O, 0, 0.55},
                               {'c', {I, V, IV, vi}, H, 0, 0.6},
                               {'d', {ii, V, I, vi}, O, 1, 0.7},
                               {'c', {I, V, IV, vi}, H, 0, 0.6}}),
                   Section(0, {{'e', {IV, V, IV, V}, O, 2, 0.75}}),
                   Section(0, {{'a', {vi, IV, I, V}, O, 1, 0.75},
                               {'a', {vi, IV, V, vi}, H, 1, 0.8},
                               {'b', {IV, V, iii, vi}, O, 3, 0.85},
                               {'a', {vi, IV, V, vi}, H, 1, 0.75}}),
                   Section(-2, {{'f', {vi, iii, IV, vi}, O, 0, 0.55},
                                {'f', {vi, iii, V, vi}, H, 0, 0.5}}),
                   Section(0, {{'b', {IV, V, iii, vi}, O, 2, 0.7},
                               {'a', {vi, IV, V, vi}, H, 0, 0.6}})},
                  {IV, vi}),
         ArrangeMoonLake},
        {"lantern-festival.ogg", 0x1A77u, 104.0, 4, 60, 0,
         MakeForm({I, V},
                  {Section(0, {{'a', {I, vi, IV, V}, O, 0, 0.8},
                               {'a', {I, vi, V, I}, H, 0, 0.85},
                               {'b', {IV, V, iii, vi}, O, 2, 0.95},
                               {'b', {IV, V, I, V}, O, 2, 1.0},
                               {'a', {I, vi, V, I}, H, 0, 0.9}}),
                   Section(2, {{'c', {vi, iii, IV, I}, O, 0, 0.7},
                               {'c', {vi, iii, V, I}, H, 0, 0.75},
                               {'d', {IV, V, vi, iii}, O, 1, 0.8},
                               {'c', {vi, iii, V, I}, H, 0, 0.75}}),
                   Section(0, {{'e', {IV, IV, V, V}, O, 2, 0.9}}),
                   Section(0, {{'a', {I, vi, IV, V}, O, 1, 0.9},
                               {'a', {I, vi, V, I}, H, 1, 0.95},
                               {'b', {IV, V, iii, vi}, O, 3, 1.0},
                               {'b', {IV, V, I, V}, O, 3, 1.0},
                               {'a', {I, vi, V, I}, H, 1, 0.95}}),
                   Section(-3, {{'f', {vi, IV, I, V}, O, 0, 0.6},
                                {'f', {vi, IV, V, I}, H, 0, 0.65}}),
                   Section(0, {{'b', {IV, V, I, V}, O, 2, 0.95},
                               {'a', {I, vi, V, I}, H, 0, 1.0}})},
                  {I, I}),
         ArrangeLanternFestival},
        {"starry-night.ogg", 0x57A2u, 70.0, 4, 63, 0,
         MakeForm({I, IV},
                  {Section(0, {{'a', {I, iii, IV, V}, O, 0, 0.6},
                               {'b', {vi, iii, IV, V}, O, 2, 0.75},
                               {'a', {I, iii, V, I}, H, 0, 0.65}}),
                   Section(5, {{'c', {IV, I, ii, V}, O, 0, 0.55},
                               {'c', {IV, I, V, I}, H, 0, 0.6},
                               {'d', {vi, iii, ii, V}, O, 1, 0.65}}),
                   Section(0, {{'e', {IV, V, vi, V}, O, 2, 0.7}}),
                   Section(0, {{'a', {I, iii, IV, V}, O, 1, 0.7},
                               {'b', {vi, iii, IV, V}, O, 3, 0.8},
                               {'a', {I, iii, V, I}, H, 1, 0.7}}),
                   Section(-2, {{'f', {vi, IV, I, V}, O, 0, 0.5},
                                {'f', {vi, IV, V, I}, H, 0, 0.5}}),
                   Section(0, {{'a', {I, iii, V, I}, H, 0, 0.6}})},
                  {IV, I}),
         ArrangeStarryNight},
        {"tea-garden.ogg", 0x7EAu, 88.0, 4, 62, 3,
         MakeForm({V, V},
                  {Section(0, {{'a', {V, ii, IV, I}, O, 0, 0.65},
                               {'a', {V, ii, I, V}, H, 0, 0.7},
                               {'b', {vi, iii, IV, I}, O, 2, 0.8},
                               {'a', {V, ii, I, V}, H, 0, 0.75}}),
                   Section(-5, {{'c', {IV, I, ii, V}, O, 0, 0.6},
                                {'c', {IV, I, vi, V}, H, 0, 0.65},
                                {'d', {ii, V, I, vi}, O, 1, 0.7},
                                {'c', {IV, I, vi, V}, H, 0, 0.65}}),
                   Section(0, {{'e', {vi, IV, ii, V}, O, 2, 0.8}}),
                   Section(0, {{'a', {V, ii, IV, I}, O, 1, 0.8},
                               {'a', {V, ii, I, V}, H, 1, 0.85},
                               {'b', {vi, iii, IV, I}, O, 3, 0.9},
                               {'a', {V, ii, I, V}, H, 1, 0.8}}),
                   Section(2, {{'f', {I, vi, ii, V}, O, 0, 0.6},
                               {'f', {I, vi, IV, V}, H, 0, 0.6}}),
                   Section(0, {{'a', {V, ii, I, V}, H, 0, 0.7}})},
                  {IV, V}),
         ArrangeTeaGarden},
    };
    return pieces;
}

} // namespace

std::size_t MusicPieceCount()
{
    return Pieces().size();
}

Clip RenderMusicPiece(std::size_t index)
{
    const Piece& piece = Pieces().at(index);
    Sketch sketch(piece);
    const std::vector<Part> parts = piece.arrange(sketch);
    Rng performer(piece.seed ^ 0x9E3779B9u);
    return {piece.fileName, kRate, Perform(sketch, parts, performer)};
}

} // namespace daz::datagen::audio
