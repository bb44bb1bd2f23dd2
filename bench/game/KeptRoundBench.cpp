// What keeping the progress as it happens costs: a pair played and the
// round of the largest kind of level kept after it, against the same pair
// with saving off, in the same run; the level's digest (taken once a
// level) and the write of DAZGame.ini (at a level's end) beside them.
#include <benchmark/benchmark.h>

#include "BigLevel.h"
#include "game/KeptRound.h"
#include "leveldata/Formats.h"
#include "leveldata/ProgramPaths.h"

namespace daz::testing {
namespace {

// The largest kind of level, a few pairs gone; with the progress kept as
// it happens, or with saving off (the plain baseline).
GameHarness& LevelInPlay(bool keeping)
{
    const auto make = [](bool keep) {
        GameHarness* h = NewBigLevel();
        if (!keep) {
            h->parts->keeper.Disable();
        }
        for (int i = 0; i < 20; ++i) {
            h->RemoveAPair();
        }
        h->timers.Fire(QStringLiteral("KeepRound"));
        return h;
    };
    static GameHarness* kept = make(true);
    static GameHarness* plain = make(false);
    return keeping ? *kept : *plain;
}

// One pair played as a click pair makes it, and the round kept after it
// (the timer "KeepRound" fires as the event loop would): the saving's cost
// per pair is the difference to PairAlone. Before the board runs out it
// is dealt anew, outside the timing, so that no pass ends the level.
void PairPlayed(benchmark::State& state, bool keeping)
{
    GameHarness& h = LevelInPlay(keeping);
    for (auto _ : state) {
        if (h.board().TileCount() <= 4) {
            state.PauseTiming();
            h.flow->ChooseLevel(1);
            h.timers.Fire(QStringLiteral("KeepRound"));
            state.ResumeTiming();
        }
        if (!h.RemoveAPair()) {
            state.SkipWithError("no pair");
        }
        h.timers.Fire(QStringLiteral("KeepRound"));
    }
}
void PairAndItsKeep(benchmark::State& state)
{
    PairPlayed(state, true);
}
BENCHMARK(PairAndItsKeep)->Unit(benchmark::kMillisecond);
void PairAlone(benchmark::State& state)
{
    PairPlayed(state, false);
}
BENCHMARK(PairAlone)->Unit(benchmark::kMillisecond);

// Its part that reads the level: the digest of setme.ini and the pictures.
void DigestOfTheLargestLevel(benchmark::State& state)
{
    GameHarness& h = LevelInPlay(true);
    const Level& level = *h.flow->CurrentLevel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(LevelDigest(h.parts->ini.Folders(), level.folder, level.settings));
    }
}
BENCHMARK(DigestOfTheLargestLevel)->Unit(benchmark::kMillisecond);

// Baseline: the settings written once, as every quit writes them.
void WriteGameIniOnce(benchmark::State& state)
{
    GameHarness& h = LevelInPlay(true);
    const QString file = h.parts->ini.Folders().ForWriting(kGameIniFile);
    const UserSettings settings{QStringLiteral("True"), true, true, 1, h.round().Score()};
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteUserSettings(h.parts->ini, file, settings).ok);
    }
}
BENCHMARK(WriteGameIniOnce)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace daz::testing
