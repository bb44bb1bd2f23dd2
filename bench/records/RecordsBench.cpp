// What keeping results costs where the player waits: storing a cleared
// board's result, against writing DAZGame.ini once (what quitting does) in
// the same folder and the same run; and reading a long-time player's store
// of 100 000 results, as the record and statistics windows do.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "FilledRecords.h"
#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"

namespace daz::bench {
namespace {

constexpr int kFilled = 100'000;

class GiveUp final : public IniReadReporter {
public:
    bool ReadAgain(IniReadProblem) override { return false; }
};

Result Cleared(int i)
{
    return Result{QStringLiteral("\\levels\\level%1\\").arg(1 + i % 100, 3, 10, QLatin1Char('0')),
                  2,
                  25,
                  40 + i % 300,
                  0,
                  1,
                  0,
                  QDateTime::currentDateTime(),
                  QStringLiteral("PLAYER"),
                  static_cast<std::uint64_t>(i) * 0x9E3779B97F4A7C15ULL,
                  false};
}

// One store for the whole run, filled once.
const QString& FilledStore()
{
    static QTemporaryDir folder;
    static const QString file = [] {
        const QString path = folder.filePath(QStringLiteral("records.sqlite"));
        if (!FillForBenchmark(path, kFilled)) {
            std::fprintf(stderr, "the store could not be filled\n");
        }
        return path;
    }();
    return file;
}

void StoreResult(benchmark::State& state)
{
    QTemporaryDir folder;
    auto store = Records::Open(folder.filePath(QStringLiteral("records.sqlite")), QDateTime::currentDateTime());
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store->AddResult(Cleared(i++)));
    }
}
BENCHMARK(StoreResult)->Unit(benchmark::kMillisecond);

void StoreResultIn100000(benchmark::State& state)
{
    auto store = Records::Open(FilledStore(), QDateTime::currentDateTime());
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store->AddResult(Cleared(i++)));
    }
}
BENCHMARK(StoreResultIn100000)->Unit(benchmark::kMillisecond);

// Baseline: the four user settings written to DAZGame.ini once.
void WriteSettings(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("DAZGame.ini"));
    QFile ini(file);
    ini.open(QIODevice::WriteOnly);
    ini.write("[GameMenu]\r\nMenu=1\r\nMenuName1=春\r\nMenuPath1=\\levels\\spring\\\r\n"
              "[UserSet]\r\nMediaON=True\r\nSoundON=True\r\nUserGK=1\r\nUserJF=0\r\n");
    ini.close();
    GiveUp reporter;
    IniAccess access(folder.path(), reporter);
    UserSettings settings;
    std::int64_t score = 0;
    for (auto _ : state) {
        settings.userJF = ++score;
        benchmark::DoNotOptimize(WriteUserSettings(access, file, settings).ok);
    }
}
BENCHMARK(WriteSettings)->Unit(benchmark::kMillisecond);

// The start of a game: opening the store checks all of it.
void OpenStoreOf100000(benchmark::State& state)
{
    const QString& file = FilledStore();
    for (auto _ : state) {
        auto store = Records::Open(file, QDateTime::currentDateTime());
        benchmark::DoNotOptimize(store->Keeping());
        // Closing waits for the check of every index, which runs beside
        // the game after the start.
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenStoreOf100000)->Unit(benchmark::kMillisecond);

// What the record and statistics windows read, each for all four modes.
void ReadStoreOf100000(benchmark::State& state)
{
    auto store = Records::Open(FilledStore(), QDateTime::currentDateTime());
    const QStringList levels = BenchmarkLevels();
    for (auto _ : state) {
        for (int mode = 1; mode <= 4; ++mode) {
            switch (state.range(0)) {
            case 0: benchmark::DoNotOptimize(store->Best(levels[mode], mode).size()); break;
            case 1: benchmark::DoNotOptimize(store->BestTimes(mode).size()); break;
            default: benchmark::DoNotOptimize(store->Statistics(mode).longestRunOfClears);
            }
        }
    }
    state.SetLabel(state.range(0) == 0 ? "Best" : state.range(0) == 1 ? "BestTimes" : "Statistics");
}
BENCHMARK(ReadStoreOf100000)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace daz::bench

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
