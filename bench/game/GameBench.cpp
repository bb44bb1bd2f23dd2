// How long the player waits: loading the largest kind of level, and each
// click of whole games played by a bot in every mode. Each figure comes
// with a plain baseline from the same run, so the ratios travel between
// machines: reading the level's files for the load, copying the board for
// a click.
#include <benchmark/benchmark.h>

#include <ctime>

#include <QDirIterator>
#include <QGuiApplication>

#include "BigLevel.h"

namespace daz::testing {
namespace {

// The largest kind of level, loaded again and played by the bot.
GameHarness& BigLevel()
{
    static GameHarness* harness = NewBigLevel();
    return *harness;
}

void LoadLevel(benchmark::State& state)
{
    GameHarness& h = BigLevel();
    for (auto _ : state) {
        h.flow->ChooseLevel(1);
        benchmark::DoNotOptimize(h.board().TileCount());
    }
}
BENCHMARK(LoadLevel)->Unit(benchmark::kMillisecond);

// Baseline: only reading the bytes of every file of the level.
void ReadLevelFiles(benchmark::State& state)
{
    GameHarness& h = BigLevel();
    const QString folder = h.folder.File(QStringLiteral("levels/big"));
    for (auto _ : state) {
        qint64 bytes = 0;
        QDirIterator it(folder, QDir::Files);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            bytes += file.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(ReadLevelFiles)->Unit(benchmark::kMillisecond);

// CPU time of this thread: a click's cost, whatever else the machine runs.
double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A bot plays whole levels: every click a player makes, with the slides
// and dead-board tests of the harder modes. Only the clicks are timed (in
// CPU time), not the level loads nor the bot's own search for a pair.
void BotGame(benchmark::State& state)
{
    const int mode = static_cast<int>(state.range(0));
    const int maxX = static_cast<int>(state.range(1));
    const int maxY = static_cast<int>(state.range(2));
    GameHarness h;
    h.folder.WriteGame({TestProgramFolder::LevelSpec(QStringLiteral("局"), QStringLiteral("game"), maxX, maxY, 30)});
    h.Start(mode);
    std::int64_t clicks = 0;
    double slowest = 0;
    for (auto _ : state) {
        h.flow->ChooseLevel(1);
        double seconds = 0;
        for (int guard = 0; guard < 10000 && h.board().TileCount() > 0; ++guard) {
            const auto pair = mode == 1 ? h.EqualPair() : h.LinkablePair();
            if (!pair) {
                h.round().ShuffleBoard();
                continue;
            }
            for (const int cell : {pair->first, pair->second}) {
                const double start = ThreadSeconds();
                h.Click(cell);
                const double took = ThreadSeconds() - start;
                seconds += took;
                slowest = std::max(slowest, took);
                ++clicks;
            }
        }
        state.SetIterationTime(seconds);
    }
    state.counters["clicks"] = static_cast<double>(clicks);
    state.counters["per_click_us"] = benchmark::Counter(static_cast<double>(clicks),
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                                                        benchmark::Counter::kIs1000);
    state.counters["slowest_click_us"] = slowest * 1e6;
}
BENCHMARK(BotGame)
    ->ArgsProduct({{1, 2, 3, 4}, {12}, {8}})
    ->ArgsProduct({{1, 2, 3, 4}, {19}, {18}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Baseline for a click: copying the board once.
void CopyBoard(benchmark::State& state)
{
    Board board(19, 18);
    for (auto _ : state) {
        Board copy = board;
        benchmark::DoNotOptimize(copy.At(1, 1));
    }
}
BENCHMARK(CopyBoard);

} // namespace
} // namespace daz::testing

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
