// daz-levelstats <program folder> [deals]
//
// Deals every level of the folder's catalogue (1000 times by default) as a
// level load does and measures the first board with the game's engine:
//  - how often it has no move at all (the hint search finds nothing);
//  - how many moves it offers: the pairs of equal tiles that may go;
//  - the moves per pair of tiles on the board, the mean over all deals
//    (a dead deal counts as none);
//  - the search effort: the tiles the player looks over for each move on
//    offer (tiles / mean moves), times the pairs there are to clear. A big
//    board takes more clearing, and a board with few moves for its size
//    more looking; this is the measure of difficulty, and the catalogue is
//    meant to be in rising order of it.
// Prints a Markdown table in catalogue order. The deals use fixed seeds,
// so the table is the same on every run. The exit status is 1 when the
// catalogue is not in order of difficulty.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QCoreApplication>
#include <QStringList>

#include "engine/Board.h"
#include "engine/Deal.h"
#include "engine/HintSearch.h"
#include "engine/LinkTest.h"
#include "engine/Random.h"
#include "leveldata/DataFolders.h"
#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"
#include "leveldata/ProgramPaths.h"

namespace {

using namespace daz;

// A catalogue that needs a box to be read is broken: say so and stop.
class FailOnProblem final : public IniReadReporter {
public:
    bool ReadAgain(IniReadProblem problem) override
    {
        std::fprintf(stderr, "daz-levelstats: %s\n",
                     problem == IniReadProblem::FileError ? "a settings file cannot be read" : "a key is missing");
        std::exit(2);
    }
};

struct Stats {
    QString name;
    QString folder;
    int maxX = 0, maxY = 0, photoSum = 0;
    double deadShare = 0;
    double meanMoves = 0;
    int fewestMoves = 0;
    int mostMoves = 0;
    double movesPerPair = 0;
    double effort = 0;
};

int CountMoves(const Board& board)
{
    const int n = board.CellCount();
    const int maxX = board.MaxX();
    int moves = 0;
    for (int i = 1; i < n; ++i) {
        const int xi = (i - 1) % maxX + 1, yi = (i - 1) / maxX + 1;
        for (int j = i + 1; j <= n; ++j) {
            const int xj = (j - 1) % maxX + 1, yj = (j - 1) / maxX + 1;
            if (board.At(xi, yi) == board.At(xj, yj) && IsLink(board, xi, yi, xj, yj, 2).linked) {
                ++moves;
            }
        }
    }
    return moves;
}

Stats Measure(int maxX, int maxY, int photoSum, int deals, std::uint64_t seed)
{
    Stats s;
    s.maxX = maxX;
    s.maxY = maxY;
    s.photoSum = photoSum;
    Random random(seed, [] { return 0.0; });
    int dead = 0;
    long total = 0;
    s.fewestMoves = maxX * maxY;
    for (int d = 0; d < deals; ++d) {
        Board board(maxX, maxY);
        LayOutDeck(board, DealDeck(maxX * maxY, photoSum, random));
        const int moves = CountMoves(board);
        if (!FindPair(board)) {
            ++dead;
        }
        total += moves;
        s.fewestMoves = std::min(s.fewestMoves, moves);
        s.mostMoves = std::max(s.mostMoves, moves);
    }
    s.deadShare = static_cast<double>(dead) / deals;
    s.meanMoves = static_cast<double>(total) / deals;
    const double tiles = maxX * maxY;
    s.movesPerPair = s.meanMoves / (tiles / 2);
    s.effort = s.meanMoves > 0 ? tiles / s.meanMoves * (tiles / 2) : HUGE_VAL;
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: daz-levelstats <program folder> [deals]\n");
        return 2;
    }
    const QString folder = args[1];
    const int deals = args.size() == 3 ? args[2].toInt() : 1000;
    FailOnProblem reporter;
    IniAccess ini(folder, reporter);
    const Catalogue catalogue = ReadCatalogue(ini, folder + QStringLiteral("/DAZGame.ini"));

    std::vector<Stats> all;
    for (const CatalogueEntry& entry : catalogue.levels) {
        const LevelSettingsText text = ReadLevelSettings(ini,
                                                         NativePath(folder, entry.path) + QStringLiteral("setme.ini"));
        // The same seeds for every level: differences come from the levels.
        Stats s = Measure(text.maxX.toInt(), text.maxY.toInt(), text.photoSum.toInt(), deals, 20240613);
        s.name = entry.name;
        s.folder = entry.path;
        all.push_back(s);
    }

    std::printf("| # | Level | Size | Pictures | No move | Moves (mean) | Fewest–most | Moves per pair | Effort |\n");
    std::printf("|---:|---|---|---:|---:|---:|---:|---:|---:|\n");
    bool ordered = true;
    for (size_t i = 0; i < all.size(); ++i) {
        const Stats& s = all[i];
        std::printf("| %zu | %s | %d × %d | %d | %.1f %% | %.1f | %d–%d | %.3f | %.0f |\n", i + 1, qPrintable(s.name),
                    s.maxX, s.maxY, s.photoSum, s.deadShare * 100, s.meanMoves, s.fewestMoves, s.mostMoves,
                    s.movesPerPair, s.effort);
        if (i > 0 && s.effort < all[i - 1].effort) {
            ordered = false;
        }
    }
    if (!ordered) {
        std::fprintf(stderr, "daz-levelstats: the catalogue is not in order of difficulty; by effort it would be:\n");
        std::vector<Stats> sorted = all;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const Stats& a, const Stats& b) { return a.effort < b.effort; });
        for (const Stats& s : sorted) {
            std::fprintf(stderr, "  %.0f %s (%d × %d, %d)\n", s.effort, qPrintable(s.folder), s.maxX, s.maxY,
                         s.photoSum);
        }
        return 1;
    }
    return 0;
}
