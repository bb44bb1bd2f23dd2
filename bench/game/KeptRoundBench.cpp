// What a quit in play adds: keeping the round of the largest kind of level
// (its digest, then the atomic write of kept-round.json), against the
// write of DAZGame.ini that every quit makes, in the same run.
#include <benchmark/benchmark.h>

#include "BigLevel.h"
#include "game/KeptRound.h"
#include "leveldata/Formats.h"
#include "leveldata/ProgramPaths.h"

namespace daz::testing {
namespace {

// The largest kind of level, a few pairs gone.
GameHarness& LevelInPlay()
{
    static GameHarness* harness = [] {
        GameHarness* h = NewBigLevel();
        for (int i = 0; i < 20; ++i)
            h->RemoveAPair();
        return h;
    }();
    return *harness;
}

void KeepRoundOfTheLargestLevel(benchmark::State& state)
{
    GameHarness& h = LevelInPlay();
    for (auto _ : state) {
        const QString error = KeepRound(h.flow->Folders(), h.flow->CurrentLevel(), h.round());
        benchmark::DoNotOptimize(error.size());
    }
}
BENCHMARK(KeepRoundOfTheLargestLevel)->Unit(benchmark::kMillisecond);

// Its part that reads the level: the digest of setme.ini and the pictures.
void DigestOfTheLargestLevel(benchmark::State& state)
{
    GameHarness& h = LevelInPlay();
    const Level& level = *h.flow->CurrentLevel();
    for (auto _ : state)
        benchmark::DoNotOptimize(LevelDigest(h.flow->Folders(), level.folder, level.settings));
}
BENCHMARK(DigestOfTheLargestLevel)->Unit(benchmark::kMillisecond);

// Baseline: the settings written once, as every quit writes them.
void WriteGameIniOnce(benchmark::State& state)
{
    GameHarness& h = LevelInPlay();
    const QString file = h.flow->Folders().ForWriting(kGameIniFile);
    const UserSettings settings{QStringLiteral("True"), true, true, 1, h.round().Score()};
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteUserSettings(h.flow->Ini(), file, settings).ok);
}
BENCHMARK(WriteGameIniOnce)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace daz::testing
