#include "HintSearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace daz {

// How the search works.
//
// Call an empty run a maximal stretch of empty cells in one row or one
// column of the whole grid, ring included. Two empty cells are joined by
// a straight segment exactly when they are the same cell or lie in a
// common run.
//
// From a tile A, the cells a path can turn at are the empty cells
// straight out from A in the four directions: the cells of the (at most
// four) runs that A closes off, one on each side. Say A touches a run
// when that run contains one of these cells, either because A closes it
// off or because it crosses one of them. A path with at most two turns
// joins A and B exactly when A and B are next to each other, or they
// touch a common run: a straight path through empty cells, a path with
// one turn (both first legs end on the same cell) and a path with two
// turns (the middle leg runs along the common run) all come out this
// way, and every common run gives one of them.
//
// Turned round: the tiles that touch a run R are the tiles closing R off
// and the tiles closing off the runs that cross R. So the partners of A
// are its neighbours with its code and the tiles with its code among
// those touching the runs A touches.
//
// The search goes through the tiles in cell order asking each for its
// partners, finding runs as it needs them; on a board in play the answer
// comes after a few tiles. Where that gets long (a board with few or no
// pairs left) it changes to a sweep over all runs, which within each run
// marks every code seen on two different tiles: linear in the size of the
// grid, whatever the board.

namespace {

constexpr int kNone = -1;

struct Run {
    int first = 0;                         // grid index of the first cell
    int last = 0;                          // grid index of the last cell
    int step = 1;                          // 1 along a row, the row length down a column
    std::array<int, 2> ends{kNone, kNone}; // the tiles closing it off
};

// Which run each cell belongs to, valid where the stamp is the current
// search's: nothing needs clearing between searches.
struct RunLabels {
    std::vector<int> run;
    std::vector<std::uint32_t> stamp;
};

// Working storage kept from one search to the next, so that a search
// allocates nothing once it has seen a board of the size.
struct Scratch {
    std::uint32_t generation = 0;
    RunLabels rows;
    RunLabels columns;
    std::vector<Run> runs;
    std::vector<char> hasPartner;
    std::vector<int> seenInRun;
    std::vector<int> seenTile;

    void Start(std::size_t cells)
    {
        if (++generation == 0) { // wrapped round: old stamps could match
            for (RunLabels* labels : {&rows, &columns}) {
                std::fill(labels->stamp.begin(), labels->stamp.end(), 0u);
            }
            generation = 1;
        }
        for (RunLabels* labels : {&rows, &columns}) {
            if (labels->run.size() < cells) {
                labels->run.resize(cells);
                labels->stamp.resize(cells, 0u);
            }
        }
        runs.clear();
    }
};

class Search {
public:
    Search(const Board& board, Scratch& scratch)
        : maxX_(board.MaxX()), width_(board.MaxX() + 2), height_(board.MaxY() + 2), codes_(board.Grid()), s_(scratch)
    {
        s_.Start(codes_.size());
    }

    std::optional<CellPair> Find()
    {
        // Tile by tile while the work stays below a few steps per cell.
        const long limit = static_cast<long>(codes_.size()) / 2;
        int a = NextTile(width_);
        for (; a < FieldEnd() && work_ < limit; a = NextTile(a)) {
            const int partner = SmallestPartner(a);
            if (partner != kNone) {
                return Pair(a, partner);
            }
        }
        if (a >= FieldEnd()) {
            return std::nullopt;
        }

        // No tile before a has a partner; the sweep finds the first that has.
        const int first = FirstTileWithPartner();
        if (first == kNone) {
            return std::nullopt;
        }
        return Pair(first, SmallestPartner(first));
    }

private:
    static std::size_t At(int g) { return static_cast<std::size_t>(g); }
    bool IsTile(int g) const { return codes_[At(g)] != 0; }
    TileCode CodeAt(int g) const { return codes_[At(g)]; }
    // Tile codes are positive; the unsigned view keeps any code a valid index.
    static std::size_t CodeSlot(TileCode code) { return static_cast<std::uint16_t>(code); }

    // Grid indexes of the playing cells run in cell-number order, between
    // width + 1 (cell 1) and this end.
    int FieldEnd() const { return (height_ - 1) * width_ - 1; }
    // The next occupied cell after g, or FieldEnd(). Only playing cells
    // hold tiles.
    int NextTile(int g) const
    {
        do {
            ++g;
        } while (g < FieldEnd() && !IsTile(g));
        return g;
    }
    CellPair Pair(int a, int b) const
    {
        const auto number = [this](int g) { return (g / width_ - 1) * maxX_ + g % width_; };
        return {number(a), number(b)};
    }

    // The run along a row (or down a column) through the empty cell g,
    // found and labelled the first time it is asked for.
    int RunThrough(int g, bool alongRow)
    {
        const RunLabels& labels = alongRow ? s_.rows : s_.columns;
        return labels.stamp[At(g)] == s_.generation ? labels.run[At(g)] : LabelRun(g, alongRow);
    }

    int LabelRun(int g, bool alongRow)
    {
        RunLabels& labels = alongRow ? s_.rows : s_.columns;
        const int step = alongRow ? 1 : width_;
        const auto hasBefore = [&](int c) { return alongRow ? c % width_ != 0 : c >= width_; };
        const auto hasAfter = [&](int c) { return alongRow ? c % width_ != width_ - 1 : c + width_ < Size(); };
        Run run;
        run.step = step;
        run.first = g;
        while (hasBefore(run.first) && !IsTile(run.first - step)) {
            run.first -= step;
        }
        run.last = g;
        while (hasAfter(run.last) && !IsTile(run.last + step)) {
            run.last += step;
        }
        // Whatever lies just beyond either end is a tile.
        if (hasBefore(run.first)) {
            run.ends[0] = run.first - step;
        }
        if (hasAfter(run.last)) {
            run.ends[1] = run.last + step;
        }

        const int id = static_cast<int>(s_.runs.size());
        s_.runs.push_back(run);
        for (int c = run.first;; c += step) {
            labels.run[At(c)] = id;
            labels.stamp[At(c)] = s_.generation;
            ++work_;
            if (c == run.last) {
                break;
            }
        }
        return id;
    }

    int Size() const { return static_cast<int>(codes_.size()); }

    // Calls visit(tile) for every tile touching run `id`: its own ends and
    // the ends of every run crossing it.
    template <typename Visit>
    void ForEachTileTouching(int id, Visit&& visit)
    {
        // A copy: finding the crossing runs may add to the list of runs.
        const Run r = s_.runs[At(id)];
        const bool alongRow = r.step == 1;
        for (int end : r.ends) {
            if (end != kNone) {
                visit(end);
            }
        }
        for (int g = r.first;; g += r.step) {
            ++work_;
            for (int end : s_.runs[At(RunThrough(g, !alongRow))].ends) {
                if (end != kNone) {
                    visit(end);
                }
            }
            if (g == r.last) {
                break;
            }
        }
    }

    // The smallest partner of tile a after it, or kNone.
    int SmallestPartner(int a)
    {
        const TileCode code = CodeAt(a);
        int best = kNone;
        const auto consider = [&](int tile) {
            if (tile > a && CodeAt(tile) == code && (best == kNone || tile < best)) {
                best = tile;
            }
        };
        // Each side of a: the tile next to it, or the run a closes off
        // there together with every run crossing that run.
        const auto side = [&](int next, bool alongRow) {
            if (IsTile(next)) {
                consider(next);
                return;
            }
            const int id = RunThrough(next, alongRow);
            ForEachTileTouching(id, consider);
            const Run r = s_.runs[At(id)];
            for (int g = r.first;; g += r.step) {
                ForEachTileTouching(RunThrough(g, !alongRow), consider);
                if (g == r.last) {
                    break;
                }
            }
        };
        side(a - 1, true);
        side(a + 1, true);
        side(a - width_, false);
        side(a + width_, false);
        return best;
    }

    int FirstTileWithPartner()
    {
        std::vector<char>& hasPartner = s_.hasPartner;
        hasPartner.assign(codes_.size(), 0);

        // Tiles side by side need no empty cell at all.
        for (int g = width_ + 1; g < FieldEnd(); ++g) {
            if (!IsTile(g)) {
                continue;
            }
            for (int next : {g + 1, g + width_}) {
                if (CodeAt(next) == CodeAt(g)) {
                    hasPartner[At(g)] = 1;
                    hasPartner[At(next)] = 1;
                }
            }
        }

        // Every run of the grid, found now if not yet.
        std::size_t codeSlots = 0;
        for (int g = 0; g < Size(); ++g) {
            if (IsTile(g)) {
                codeSlots = std::max(codeSlots, CodeSlot(CodeAt(g)) + 1);
            } else {
                RunThrough(g, true);
                RunThrough(g, false);
            }
        }

        // Within each run, the tiles of one code that touch it all have
        // partners once there are two of them. A code's entry remembers
        // the run it was last seen in, so nothing is cleared between runs.
        std::vector<int>& seenInRun = s_.seenInRun;
        std::vector<int>& seenTile = s_.seenTile;
        seenInRun.assign(codeSlots, kNone);
        seenTile.resize(codeSlots);
        for (int id = 0; id < static_cast<int>(s_.runs.size()); ++id) {
            ForEachTileTouching(id, [&](int tile) {
                const std::size_t slot = CodeSlot(CodeAt(tile));
                if (seenInRun[slot] != id) {
                    seenInRun[slot] = id;
                    seenTile[slot] = tile;
                } else if (seenTile[slot] != tile) {
                    hasPartner[At(seenTile[slot])] = 1;
                    hasPartner[At(tile)] = 1;
                }
            });
        }

        for (int g = width_ + 1; g < FieldEnd(); ++g) {
            if (hasPartner[At(g)]) {
                return g;
            }
        }
        return kNone;
    }

    int maxX_;
    int width_;
    int height_;
    std::span<const TileCode> codes_;
    Scratch& s_;
    long work_ = 0; // cells stepped over so far
};

} // namespace

std::optional<CellPair> FindPair(const Board& board)
{
    if (board.CellCount() < 2) {
        return std::nullopt;
    }
    thread_local Scratch scratch;
    return Search(board, scratch).Find();
}

} // namespace daz
