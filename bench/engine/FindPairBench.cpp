// The hint search against the plain scan over all pairs of equal tiles,
// on dead boards (nothing left to find, so both must look at everything),
// on freshly dealt full boards and on boards half played. After the usual
// table a summary gives how many times faster the search is on each.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "engine/Deal.h"
#include "engine/HintSearch.h"
#include "engine/LinkTest.h"
#include "tests/support/ReferenceFindPair.h"
#include "tests/support/TestBoards.h"

namespace {

using daz::Board;

// Dead boards with many empty cells and many tiles sharing a code: every
// pair of equal tiles is tried by the plain scan and fails.
Board Dead(int maxX, int maxY, float fill, int codes, std::uint64_t seed)
{
    Board board = daz::testing::DeadBoard(maxX, maxY, fill, codes, seed);
    if (daz::reference::FindPair(board)) {
        std::fprintf(stderr, "board %dx%d is not dead\n", maxX, maxY);
        std::exit(1);
    }
    return board;
}

Board Fresh(int maxX, int maxY, int photoSum, std::uint64_t seed)
{
    daz::Random random = daz::testing::SeededRandom(seed);
    Board board(maxX, maxY);
    daz::LayOutDeck(board, daz::DealDeck(board.CellCount(), photoSum, random));
    return board;
}

// A dealt board played until half of its tiles are gone, taking off pairs
// that may go in normal play, chosen at random.
Board HalfCleared(int maxX, int maxY, int photoSum, std::uint64_t seed)
{
    daz::Random random = daz::testing::SeededRandom(seed);
    Board board = Fresh(maxX, maxY, photoSum, seed);
    const int left = board.CellCount() / 2;
    while (board.TileCount() > left) {
        const daz::Cell a = board.CellOf(random.Draw(board.CellCount()));
        if (board.At(a) == 0) {
            continue;
        }
        for (int n = 1; n <= board.CellCount(); ++n) {
            const daz::Cell b = board.CellOf(n);
            if (b != a && board.At(b) == board.At(a) && daz::IsLink(board, a.x, a.y, b.x, b.y, 2).linked) {
                board.RemoveTile(a);
                board.RemoveTile(b);
                break;
            }
        }
    }
    return board;
}

const Board& Boards(const std::string& name)
{
    static const std::map<std::string, Board> boards = {
        {"dead_19x18", Dead(19, 18, 0.6f, 30, 42)},  {"dead_50x49", Dead(50, 49, 0.6f, 100, 42)},
        {"fresh_19x18", Fresh(19, 18, 40, 42)},      {"fresh_50x49", Fresh(50, 49, 100, 42)},
        {"half_19x18", HalfCleared(19, 18, 40, 42)}, {"half_50x49", HalfCleared(50, 49, 100, 42)},
    };
    return boards.at(name);
}

struct Stats {
    int tiles = 0;
    int empty = 0;
    int codes = 0;
    long equalPairs = 0; // pairs of tiles with the same code
};

Stats StatsOf(const Board& board)
{
    std::map<daz::TileCode, int> counts;
    for (int n = 1; n <= board.CellCount(); ++n) {
        if (const daz::TileCode code = board.At(board.CellOf(n))) {
            ++counts[code];
        }
    }
    Stats stats;
    for (const auto& [code, count] : counts) {
        stats.tiles += count;
        stats.equalPairs += static_cast<long>(count) * (count - 1) / 2;
    }
    stats.empty = board.CellCount() - stats.tiles;
    stats.codes = static_cast<int>(counts.size());
    return stats;
}

void FindPair(benchmark::State& state, const std::string& name)
{
    const Board& board = Boards(name);
    for (auto _ : state) {
        benchmark::DoNotOptimize(daz::FindPair(board));
    }
}

void PlainScan(benchmark::State& state, const std::string& name)
{
    const Board& board = Boards(name);
    for (auto _ : state) {
        benchmark::DoNotOptimize(daz::reference::FindPair(board));
    }
}

// The console table as usual, and the time per search of each run kept
// for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // CPU time per search; with repetitions the fastest one counts, the
        // others having been slowed by whatever else the machine was doing.
        for (const Run& run : runs) {
            double seconds = 0;
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
                seconds = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            } else {
                continue;
            }
            // Names are "FindPair/<board>" and "PlainScan/<board>".
            const std::string& name = run.run_name.function_name;
            const auto slash = name.find('/');
            auto& times = name.compare(0, slash, "FindPair") == 0 ? fast_ : plain_;
            const auto [it, added] = times.emplace(name.substr(slash + 1), seconds);
            if (!added) {
                it->second = std::min(it->second, seconds);
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-12s %6s %6s %6s %12s %14s %14s %10s\n", "board", "tiles", "empty", "codes", "equal pairs",
                    "FindPair", "plain scan", "speed-up");
        for (const auto& [board, fast] : fast_) {
            const auto plain = plain_.find(board);
            if (plain == plain_.end()) {
                continue;
            }
            const Stats stats = StatsOf(Boards(board));
            std::printf("%-12s %6d %6d %6d %12ld %11.2f us %11.2f us %9.1fx\n", board.c_str(), stats.tiles, stats.empty,
                        stats.codes, stats.equalPairs, fast * 1e6, plain->second * 1e6, plain->second / fast);
        }
    }

private:
    std::map<std::string, double> fast_;
    std::map<std::string, double> plain_;
};

} // namespace

int main(int argc, char** argv)
{
    const auto fastest = [](const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); };
    for (const char* board : {"dead_19x18", "dead_50x49", "fresh_19x18", "fresh_50x49", "half_19x18", "half_50x49"}) {
        for (auto [kind, run] : {std::pair{"FindPair/", &FindPair}, std::pair{"PlainScan/", &PlainScan}}) {
            benchmark::RegisterBenchmark((kind + std::string(board)).c_str(), run, std::string(board))
                ->Unit(benchmark::kMicrosecond)
                ->ComputeStatistics("min", fastest);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
