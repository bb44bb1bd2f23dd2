// The melodies of the background music: the tunes of the phrases and
// the ornaments each instrument adds to them.
#include "audio_sketch.h"

#include <cmath>

namespace daz::datagen::audio::music {
namespace {

// Rhythms of one bar of melody, in beats; a negative length is a rest.

using Rhythm = std::vector<double>;

const std::vector<Rhythm>& BarRhythms(int beatsPerBar, bool flowing)
{
    static const std::vector<Rhythm> flowing4{
        {1, 1, 1, 1}, {1.5, 0.5, 1, 1},        {0.5, 0.5, 1, 1, 1}, {1, 0.5, 0.5, 2},   {2, 1, 1},
        {1, 1, 2},    {0.5, 0.5, 0.5, 0.5, 2}, {1.5, 0.5, 2},       {1, 0.5, 0.5, 1, 1}};
    static const std::vector<Rhythm> calm4{{2, 2}, {3, 1}, {1, 1, 2}, {2, 1, 1}, {1.5, 0.5, 2}, {1, 1, 1, 1}};
    static const std::vector<Rhythm> flowing3{{1, 1, 1}, {1.5, 0.5, 1}, {2, 1}, {1, 0.5, 0.5, 1}, {0.5, 0.5, 1, 1}};
    static const std::vector<Rhythm> calm3{{2, 1}, {1, 2}, {1.5, 0.5, 1}, {1, 1, 1}};
    if (beatsPerBar == 3) {
        return flowing ? flowing3 : calm3;
    }
    return flowing ? flowing4 : calm4;
}

// The last bar of a phrase: the final note is held.
const std::vector<Rhythm>& CadenceRhythms(int beatsPerBar)
{
    static const std::vector<Rhythm> four{{1, 3}, {0.5, 0.5, 3}, {2, 2}, {1, 1, 2}, {1, 2, -1}, {4}};
    static const std::vector<Rhythm> three{{3}, {1, 2}, {0.5, 0.5, 2}, {2, -1}};
    return beatsPerBar == 3 ? three : four;
}

} // namespace

Sketch::Sketch(const Piece& piece) : piece_(piece), key_(piece.gong), rng_(piece.seed)
{
    for (const Chord& c : piece.form.intro) {
        bars_.push_back({c, 0.5, -1, 0});
    }
    for (std::size_t p = 0; p < piece.form.phrases.size(); ++p) {
        const Phrase& phrase = piece.form.phrases[p];
        phraseStart_.push_back(static_cast<int>(bars_.size()));
        for (const Chord& c : phrase.chords) {
            bars_.push_back({c, phrase.energy, static_cast<int>(p), phrase.shift});
        }
    }
    for (const Chord& c : piece.form.outro) {
        bars_.push_back({c, 0.45, -1, 0});
    }
}

Part Sketch::Melody(Instrument instrument, const MelodyStyle& style, double level, double reverb,
                    const std::function<bool(int phrase)>& plays)
{
    Rng rng = rng_.Fork();
    Part part{instrument, level, reverb, {}};
    const int low = key_.StepAtOrAbove(style.low);
    const int high = key_.StepAtOrBelow(style.high);
    std::map<char, std::pair<std::vector<LineNote>, int>> motifs; // opening bars, lift
    int step = NearestOfDegree(piece_.home, (low + high) / 2, low, high);
    for (int p = 0; p < PhraseCount(); ++p) {
        if (plays && !plays(p)) {
            continue;
        }
        const Phrase& phrase = piece_.form.phrases[static_cast<std::size_t>(p)];
        const std::vector<LineNote> line = PhraseLine(phrase, style, low + phrase.lift, high + phrase.lift, step,
                                                      motifs, rng);
        AddLine(part, line, p, rng);
    }
    Decorate(part, rng);
    return part;
}

Part Sketch::Double(const Part& lead, Instrument instrument, int ceiling, double level, double reverb,
                    const std::function<bool(double beat)>& plays)
{
    Rng rng = rng_.Fork();
    Part part{instrument, level, reverb, {}};
    for (Note n : lead.notes) {
        if (!plays(n.beat)) {
            continue;
        }
        if (n.midi + 12 <= ceiling) {
            n.midi += 12;
        }
        n.ornament = Ornament::None;
        n.velocity *= 0.9;
        part.notes.push_back(n);
    }
    Decorate(part, rng);
    return part;
}

int Sketch::NearestOfDegree(int degree, int near, int low, int high) const
{
    int best = low;
    for (int s = low; s <= high; ++s) {
        if (key_.Degree(s) == degree && (key_.Degree(best) != degree || std::abs(s - near) < std::abs(best - near))) {
            best = s;
        }
    }
    return best;
}

int Sketch::CadenceStep(const Phrase& phrase, int near, int low, int high) const
{
    std::vector<int> degrees;
    if (phrase.cadence == Cadence::Home) {
        degrees.push_back(piece_.home);
    } else {
        for (int d = 0; d < 5; ++d) {
            if (d != piece_.home && phrase.chords.back().Contains(kPentatonic[static_cast<std::size_t>(d)])) {
                degrees.push_back(d);
            }
        }
        if (degrees.empty()) {
            degrees = {(piece_.home + 1) % 5, (piece_.home + 3) % 5};
        }
    }
    int best = near;
    int bestDistance = 1000;
    for (int s = low; s <= high; ++s) {
        if (std::find(degrees.begin(), degrees.end(), key_.Degree(s)) == degrees.end()) {
            continue;
        }
        if (std::abs(s - near) < bestDistance) {
            best = s;
            bestDistance = std::abs(s - near);
        }
    }
    return best;
}

std::vector<LineNote> Sketch::PhraseLine(const Phrase& phrase, const MelodyStyle& style, int low, int high, int& step,
                                         std::map<char, std::pair<std::vector<LineNote>, int>>& motifs, Rng& rng) const
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
        for (double length : rhythm) {
            notesLeft += length > 0 ? 1 : 0;
        }
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
                    if (move == 0 && repeats >= 1) {
                        w = 0.0;
                    }
                    const bool chordTone = phrase.chords[static_cast<std::size_t>(b)].Contains(key_.PitchClass(k));
                    if (strong) {
                        w *= chordTone ? 3.0 : 0.4;
                    }
                    if (std::abs(lastMove) >= 2) {
                        if (move * lastMove < 0 && std::abs(move) <= 2) {
                            w *= 2.5;
                        } else if (move * lastMove > 0) {
                            w *= 0.3;
                        }
                    }
                    w *= std::exp(-0.06 * (k - arch) * (k - arch));
                    if (cadenceBar) {
                        w *= std::exp(-0.6 * std::abs(k - target));
                    }
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
            if (n.beat < half * beatsPerBar) {
                opening.push_back(n);
            }
        }
        motifs[phrase.motif] = {opening, phrase.lift};
    }
    return line;
}

void Sketch::AddLine(Part& part, const std::vector<LineNote>& line, int phrase, Rng& rng) const
{
    const Phrase& p = piece_.form.phrases[static_cast<std::size_t>(phrase)];
    const double start = PhraseBeat(phrase);
    const double length = static_cast<double>(p.chords.size() * piece_.beatsPerBar);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const LineNote& n = line[i];
        const double swell = 0.78 + 0.22 * std::sin(kPi * n.beat / length);
        const bool downbeat = std::fmod(n.beat, piece_.beatsPerBar) == 0.0;
        double v = (0.55 + 0.45 * p.energy) * swell * (downbeat ? 1.08 : 0.97) * rng.Uniform(0.93, 1.03);
        if (i + 1 == line.size()) {
            v *= 0.92;
        }
        part.notes.push_back({start + n.beat, n.beats, key_.Midi(n.step), std::min(1.0, v)});
    }
}

void Sketch::Decorate(Part& part, Rng& rng) const
{
    const double longNote = piece_.beatsPerBar == 3 ? 1.5 : 2.0;
    for (std::size_t i = 0; i < part.notes.size(); ++i) {
        Note& n = part.notes[i];
        const int previous = i > 0 ? part.notes[i - 1].midi : n.midi;
        const int below = key_.Midi(key_.StepAtOrAbove(n.midi) - 1) - n.midi;
        const int above = key_.Midi(key_.StepAtOrAbove(n.midi) + 1) - n.midi;
        switch (part.instrument) {
        case Instrument::Guzheng:
            if (n.beats >= longNote - 0.5 && rng.Chance(0.7)) {
                n.ornament = Ornament::Vibrato;
            } else if (n.beats >= 1.0 && previous < n.midi && rng.Chance(0.25)) {
                n = {n.beat, n.beats, n.midi, n.velocity, Ornament::Slide, below};
            }
            break;
        case Instrument::Pipa:
            if (n.beats >= longNote) {
                n.ornament = Ornament::Tremolo;
            }
            break;
        case Instrument::Dizi:
            if (n.beats >= 1.0 && i > 0 && rng.Chance(0.3)) {
                n = {n.beat, n.beats, n.midi, n.velocity, Ornament::Grace, above};
            } else if (n.beats >= 1.0 && previous < n.midi && rng.Chance(0.15)) {
                n = {n.beat, n.beats, n.midi, n.velocity, Ornament::Slide, below};
            }
            break;
        case Instrument::Xiao:
            if (previous < n.midi && rng.Chance(0.25)) {
                n = {n.beat, n.beats, n.midi, n.velocity, Ornament::Slide, below};
            }
            break;
        default: break;
        }
    }
}

} // namespace daz::datagen::audio::music
