// The accompaniment of the background music: broken chords, pads, bass,
// glissandi, festival percussion and sparkles.
#include "audio_sketch.h"

namespace daz::datagen::audio::music {

Part Sketch::Arpeggio(Instrument instrument, int low, double busyFrom, double level, double reverb)
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
            if (index < 0) {
                continue;
            }
            const double accent = slot == 0 ? 1.25 : (slot % 2 == 0 ? 1.05 : 0.9);
            part.notes.push_back({BarBeat(b) + 0.5 * slot, 1.5, voicing[static_cast<std::size_t>(index)],
                                  (0.3 + 0.5 * bar.energy) * accent * rng.Uniform(0.9, 1.05)});
        }
    }
    return part;
}

Part Sketch::Pads(int low, double level, double reverb)
{
    Part part{Instrument::Pad, level, reverb, {}};
    std::size_t b = 0;
    while (b < bars_.size()) {
        std::size_t end = b + 1;
        while (end < bars_.size() && bars_[end].chord.root == bars_[b].chord.root
               && bars_[end].chord.minor == bars_[b].chord.minor && bars_[end].shift == bars_[b].shift) {
            ++end;
        }
        const double beats = static_cast<double>((end - b) * piece_.beatsPerBar);
        for (int pc : bars_[b].chord.PitchClasses()) {
            int midi = key_.gong() + pc;
            while (midi < low) {
                midi += 12;
            }
            while (midi >= low + 12) {
                midi -= 12;
            }
            part.notes.push_back({BarBeat(b), beats, midi, 0.5 + 0.5 * bars_[b].energy});
        }
        b = end;
    }
    return part;
}

Part Sketch::Bass(int low, double level, double reverb)
{
    Part part{Instrument::Bass, level, reverb, {}};
    for (std::size_t b = 0; b < bars_.size(); ++b) {
        const Bar& bar = bars_[b];
        int root = key_.gong() + bar.chord.root;
        while (root < low) {
            root += 12;
        }
        while (root >= low + 12) {
            root -= 12;
        }
        const double velocity = 0.5 + 0.5 * bar.energy;
        if (bar.energy >= 0.75 && piece_.beatsPerBar == 4) {
            part.notes.push_back({BarBeat(b), 2.0, root, velocity});
            part.notes.push_back({BarBeat(b) + 2.0, 2.0, root + 7 >= low + 12 ? root - 5 : root + 7, velocity * 0.8});
        } else {
            part.notes.push_back({BarBeat(b), static_cast<double>(piece_.beatsPerBar), root, velocity});
        }
    }
    return part;
}

void Sketch::Gliss(Part& part, int phrase, int topMidi, int count, double velocity)
{
    const double end = PhraseBeat(phrase);
    const int top = key_.StepAtOrBelow(topMidi);
    const double gap = 0.06 * piece_.bpm / 60.0; // 60 ms between strings, in beats
    for (int k = 0; k < count; ++k) {
        const double rise = static_cast<double>(k + 1) / count;
        part.notes.push_back({end - gap * (count - k), 1.0, key_.Midi(top - count + k), velocity * (0.45 + 0.55 * rise),
                              Ornament::None, 0, end});
    }
}

std::vector<Part> Sketch::Festival(double level)
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
            for (double beat = 2.0; beat < 4.0; beat += 0.5) {
                hit(drum, beat, 45, 0.35 + 0.2 * (beat - 2.0));
            }
            continue;
        }
        if (bar.phrase < 0) {
            hit(drum, 0, 45, 0.6 * e + 0.2);
            if (b + 1 == bars_.size()) {
                hit(gong, 0, 78, 0.7);
            }
            continue;
        }
        hit(drum, 0, 45, 0.85);
        hit(drum, 2, 45, 0.55);
        hit(drum, 3.5, 45, 0.3);
        if (lastOfPhrase) {
            hit(drum, 3, 45, 0.45);
        }
        for (double beat : {1.0, 1.5, 3.0}) {
            hit(block, beat, 86, beat == 1.5 ? 0.5 : 0.8);
        }
        if (e >= 0.9) {
            hit(block, 2.5, 86, 0.45);
            hit(cymbal, 1, 0, 0.35, 0.3);
            hit(cymbal, 3, 0, 0.35, 0.3);
        }
        if (firstOfPhrase) {
            hit(cymbal, 0, 0, 0.8, 1.6);
        }
        if (lastOfPhrase && piece_.form.phrases[static_cast<std::size_t>(bar.phrase)].cadence == Cadence::Home) {
            hit(gong, 2, 78, 0.8);
        }
    }
    return {drum, block, cymbal, gong};
}

Part Sketch::Sparkles(Instrument instrument, int low, int high, double perBar, double level, double reverb)
{
    Rng rng = rng_.Fork();
    Part part{instrument, level, reverb, {}};
    const int lowStep = key_.StepAtOrAbove(low);
    const int highStep = key_.StepAtOrBelow(high);
    for (std::size_t b = 0; b < bars_.size(); ++b) {
        if (!rng.Chance(perBar)) {
            continue;
        }
        const int slot = rng.Below(2 * piece_.beatsPerBar);
        int step = lowStep + rng.Below(highStep - lowStep + 1);
        if (!bars_[b].chord.Contains(key_.PitchClass(step)) && step < highStep) {
            ++step;
        }
        part.notes.push_back({BarBeat(b) + 0.5 * slot, 1.0, key_.Midi(step), rng.Uniform(0.6, 1.0)});
        if (rng.Chance(0.35) && step + 2 <= highStep) { // now and then a second, brighter twinkle
            part.notes.push_back({BarBeat(b) + 0.5 * slot + 0.5, 1.0, key_.Midi(step + 2), rng.Uniform(0.4, 0.7)});
        }
    }
    return part;
}

const std::vector<std::vector<int>>& Sketch::Figures(bool busy, int beatsPerBar)
{
    static const std::vector<std::vector<int>> busy4{
        {0, 1, 2, 3, 4, 3, 2, 1}, {0, 2, 4, 2, 3, 2, 4, 2}, {0, 1, 2, 4, 3, 2, 1, 2}};
    static const std::vector<std::vector<int>> calm4{
        {0, -1, 2, -1, 4, -1, 3, -1}, {0, -1, -1, 2, 3, -1, 4, -1}, {0, 2, 4, -1, -1, -1, 3, -1}};
    static const std::vector<std::vector<int>> busy3{{0, 2, 3, 4, 3, 2}, {0, 1, 2, 4, 2, 1}};
    static const std::vector<std::vector<int>> calm3{{0, -1, 2, -1, 3, -1}, {0, 2, 4, -1, -1, -1}};
    if (beatsPerBar == 3) {
        return busy ? busy3 : calm3;
    }
    return busy ? busy4 : calm4;
}

std::vector<int> Sketch::Voicing(const Chord& chord, int low) const
{
    std::vector<int> chordNotes;
    std::vector<int> colour;
    int base = -1;
    for (int midi = low; midi < low + 24; ++midi) {
        if (!key_.InScale(midi)) {
            continue;
        }
        const bool inChord = chord.Contains(midi - key_.gong());
        if (base < 0) {
            if (!inChord) {
                continue;
            }
            base = midi;
        }
        if (midi > base + 19) {
            break;
        }
        (inChord ? chordNotes : colour).push_back(midi);
    }
    std::vector<int> voicing(chordNotes.begin(), chordNotes.begin() + std::min<std::size_t>(5, chordNotes.size()));
    for (std::size_t c = 0; voicing.size() < 5 && c < colour.size(); ++c) {
        voicing.push_back(colour[c]);
    }
    std::sort(voicing.begin(), voicing.end());
    return voicing;
}

} // namespace daz::datagen::audio::music
