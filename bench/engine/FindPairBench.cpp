// The hint search against the plain scan over all pairs of equal tiles,
// on dead boards (nothing left to find, so both must look at everything)
// and on freshly dealt full boards. After the usual table a summary gives
// how many times faster the search is on each board.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "engine/Deal.h"
#include "engine/HintSearch.h"
#include "tests/support/ReferenceFindPair.h"
#include "tests/support/TestBoards.h"

namespace {

using daz::Board;

struct BenchBoard {
    const char* name;
    Board board;
};

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

const Board& Boards(const std::string& name)
{
    static const std::map<std::string, Board> boards = {
        {"dead_19x18", Dead(19, 18, 0.6f, 30, 42)},
        {"dead_50x49", Dead(50, 49, 0.6f, 100, 42)},
        {"fresh_19x18", Fresh(19, 18, 40, 42)},
        {"fresh_50x49", Fresh(50, 49, 100, 42)},
    };
    return boards.at(name);
}

void BM_FindPair(benchmark::State& state, const std::string& name)
{
    const Board& board = Boards(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(daz::FindPair(board));
}

void BM_Reference(benchmark::State& state, const std::string& name)
{
    const Board& board = Boards(name);
    for (auto _ : state)
        benchmark::DoNotOptimize(daz::reference::FindPair(board));
}

BENCHMARK_CAPTURE(BM_FindPair, dead_19x18, "dead_19x18")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Reference, dead_19x18, "dead_19x18")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindPair, dead_50x49, "dead_50x49")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Reference, dead_50x49, "dead_50x49")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindPair, fresh_19x18, "fresh_19x18")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Reference, fresh_19x18, "fresh_19x18")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindPair, fresh_50x49, "fresh_50x49")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Reference, fresh_50x49, "fresh_50x49")->Unit(benchmark::kMicrosecond);

// The console table as usual, and the time per search of each run kept
// for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            (name.rfind("BM_FindPair", 0) == 0 ? fast_ : plain_)[name.substr(slash + 1)] = seconds;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-12s %14s %14s %10s\n", "board", "FindPair", "plain scan", "speed-up");
        for (const auto& [board, fast] : fast_) {
            const auto plain = plain_.find(board);
            if (plain == plain_.end())
                continue;
            std::printf("%-12s %11.2f us %11.2f us %9.0fx\n", board.c_str(), fast * 1e6, plain->second * 1e6,
                        plain->second / fast);
        }
    }

private:
    std::map<std::string, double> fast_;
    std::map<std::string, double> plain_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
