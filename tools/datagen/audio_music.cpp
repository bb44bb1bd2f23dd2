#include "audio_music.h"

#include "audio_performance.h"
#include "audio_sketch.h"

#include <cstring>
#include <functional>
#include <utility>

// The plans of the background pieces: for each a form (phrases with their
// chords), a key in the Chinese pentatonic scale and a choice of
// instruments. The sketch (audio_sketch.h) composes a piece from its plan
// note by note, a seeded random source filling in the melodies and the
// details of the accompaniment, so every run writes the same pieces.

namespace daz::datagen::audio {
namespace music {
namespace {

// The chords of the key, by their usual names.
constexpr Chord I{0, false};
constexpr Chord ii{2, true};
constexpr Chord iii{4, true};
constexpr Chord IV{5, false};
constexpr Chord V{7, false};
constexpr Chord vi{9, true};

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
    for (Phrase& p : phrases) {
        p.shift = shift;
    }
    return phrases;
}

Form MakeForm(std::vector<Chord> intro, const std::vector<std::vector<Phrase>>& sections, std::vector<Chord> outro)
{
    Form form{std::move(intro), {}, std::move(outro)};
    for (const std::vector<Phrase>& section : sections) {
        form.phrases.insert(form.phrases.end(), section.begin(), section.end());
    }
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
    return {lead,
            zheng,
            strings,
            s.Pads(55, -11.0, 0.5),
            s.Bass(38, -10.0, 0.15),
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
    return {lead,
            xiao,
            answer,
            strings,
            s.Pads(53, -10.0, 0.55),
            s.Bass(38, -11.0, 0.2),
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
    Part flute = s.Double(lead, Instrument::Dizi, 88, -6.0, 0.3,
                          [=](double beat) { return beat >= returns && (beat < interlude || beat >= lastReturn); });
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
    return {lead,
            xiao,
            strings,
            s.Pads(51, -9.0, 0.6),
            s.Bass(39, -12.0, 0.25),
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
                   Section(2, {{'f', {ii, V, I, vi}, O, 0, 0.6}, {'f', {ii, V, IV, I}, H, 0, 0.65}}),
                   Section(0, {{'b', {IV, V, iii, vi}, O, 2, 0.8}, {'a', {I, vi, V, I}, H, 0, 0.75}})},
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
                   Section(-2, {{'f', {vi, iii, IV, vi}, O, 0, 0.55}, {'f', {vi, iii, V, vi}, H, 0, 0.5}}),
                   Section(0, {{'b', {IV, V, iii, vi}, O, 2, 0.7}, {'a', {vi, IV, V, vi}, H, 0, 0.6}})},
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
                   Section(-3, {{'f', {vi, IV, I, V}, O, 0, 0.6}, {'f', {vi, IV, V, I}, H, 0, 0.65}}),
                   Section(0, {{'b', {IV, V, I, V}, O, 2, 0.95}, {'a', {I, vi, V, I}, H, 0, 1.0}})},
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
                   Section(-2, {{'f', {vi, IV, I, V}, O, 0, 0.5}, {'f', {vi, IV, V, I}, H, 0, 0.5}}),
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
                   Section(2, {{'f', {I, vi, ii, V}, O, 0, 0.6}, {'f', {I, vi, IV, V}, H, 0, 0.6}}),
                   Section(0, {{'a', {V, ii, I, V}, H, 0, 0.7}})},
                  {IV, V}),
         ArrangeTeaGarden},
    };
    return pieces;
}

} // namespace
} // namespace music

std::size_t MusicPieceCount()
{
    return music::Pieces().size();
}

Clip RenderMusicPiece(std::size_t index)
{
    using namespace music;
    const Piece& piece = Pieces().at(index);
    Sketch sketch(piece);
    const std::vector<Part> parts = piece.arrange(sketch);
    Rng performer(piece.seed ^ 0x9E3779B9u);
    return {piece.fileName, kRate, Perform(sketch, parts, performer)};
}

} // namespace daz::datagen::audio
