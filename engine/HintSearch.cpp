#include "HintSearch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace daz {

// How the search works.
//
// Call an empty run a maximal stretch of empty cells in one row or one
// column of the whole grid, ring included. Two empty cells P and Q are
// joined by a straight segment exactly when they are the same cell or lie
// in a common run.
//
// From a tile A the cells a path can turn at are the empty cells straight
// out from A in the four directions: the cells of the (at most four) runs
// that A closes off, one on each side. Say A touches a run when that run
// contains one of these cells, either because A closes it off or because
// it crosses one of them. A path with at most two turns joins A and B
// exactly when A and B are next to each other, or they touch a common run
// (a straight path through empty cells, a path with one turn, where both
// first legs end on the same cell, and a path with two turns all come out
// this way, and every such shared run gives one of them).
//
// Turned round: the tiles that touch a run R are the tiles closing R off
// and the tiles closing off the runs that cross R. So one sweep over all
// runs finds every tile that has a partner: within each run, two tiles of
// the same code that touch it. The first such tile in cell order is the
// first tile of the answer; its partners are then read off the runs it
// touches. All this is linear in the size of the grid.

namespace {

constexpr int kNone = -1;

struct Run {
    int first = 0; // grid index of the first cell
    int last = 0;  // grid index of the last cell
    int step = 1;  // 1 along a row, the row length down a column
    int ends[2] = {kNone, kNone}; // the tiles closing it off
};

class Search {
public:
    explicit Search(const Board& board)
        : board_(board), width_(board.MaxX() + 2), height_(board.MaxY() + 2),
          codes_(static_cast<std::size_t>(width_ * height_)),
          rowRun_(codes_.size(), kNone), columnRun_(codes_.size(), kNone)
    {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const TileCode code = board.At(x, y);
                codes_[Index(x, y)] = code;
                codeSlots_ = std::max(codeSlots_, CodeSlot(code) + 1);
            }
        LabelRuns();
    }

    std::optional<CellPair> Find()
    {
        const int first = FirstTileWithPartner();
        if (first == kNone)
            return std::nullopt;
        return CellPair{CellNumber(first), CellNumber(SmallestPartner(first))};
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }
    bool IsTile(int g) const { return codes_[static_cast<std::size_t>(g)] != 0; }
    TileCode CodeAt(int g) const { return codes_[static_cast<std::size_t>(g)]; }
    // Tile codes are positive; the unsigned view keeps any code a valid index.
    static std::size_t CodeSlot(TileCode code) { return static_cast<std::uint16_t>(code); }
    int CellNumber(int g) const { return (g / width_ - 1) * board_.MaxX() + g % width_; }

    void LabelRuns()
    {
        // Along each row, then down each column: a run starts at an empty
        // cell after a tile or the edge and ends before a tile or the edge.
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (!IsTile(y * width_ + x) && (x == 0 || IsTile(y * width_ + x - 1)))
                    AddRun(y * width_ + x, 1, width_ - x, rowRun_);
        for (int x = 0; x < width_; ++x)
            for (int y = 0; y < height_; ++y)
                if (!IsTile(y * width_ + x) && (y == 0 || IsTile((y - 1) * width_ + x)))
                    AddRun(y * width_ + x, width_, height_ - y, columnRun_);
    }

    // A run from grid index first with at most room cells before the edge.
    void AddRun(int first, int step, int room, std::vector<int>& runOf)
    {
        const int id = static_cast<int>(runs_.size());
        Run run;
        run.first = first;
        run.step = step;
        int g = first;
        int length = 0;
        while (length < room && !IsTile(g)) {
            runOf[static_cast<std::size_t>(g)] = id;
            g += step;
            ++length;
        }
        run.last = g - step;
        if (length < room)
            run.ends[1] = g;
        // The cell before the first one lies on the same line unless the
        // run starts at the edge, in which case nothing closes it there.
        const bool atEdge = step == 1 ? first % width_ == 0 : first < width_;
        if (!atEdge)
            run.ends[0] = first - step;
        runs_.push_back(run);
    }

    // The run crossing run R at its cell g.
    int CrossRun(const Run& r, int g) const
    {
        return r.step == 1 ? columnRun_[static_cast<std::size_t>(g)] : rowRun_[static_cast<std::size_t>(g)];
    }

    // Calls visit(tile) for every tile that touches run R.
    template <typename Visit>
    void ForEachTileTouching(const Run& r, Visit&& visit) const
    {
        for (int end : r.ends)
            if (end != kNone)
                visit(end);
        for (int g = r.first;; g += r.step) {
            for (int end : runs_[static_cast<std::size_t>(CrossRun(r, g))].ends)
                if (end != kNone)
                    visit(end);
            if (g == r.last)
                break;
        }
    }

    int FirstTileWithPartner() const
    {
        std::vector<char> hasPartner(codes_.size(), 0);

        // Tiles side by side need no empty cell at all.
        for (int g = 0; g < static_cast<int>(codes_.size()); ++g) {
            if (!IsTile(g))
                continue;
            for (int next : {g + 1, g + width_})
                if (next < static_cast<int>(codes_.size()) && CodeAt(next) == CodeAt(g)) {
                    hasPartner[static_cast<std::size_t>(g)] = 1;
                    hasPartner[static_cast<std::size_t>(next)] = 1;
                }
        }

        // Within each run, the tiles of one code that touch it all have
        // partners once there are two of them. The code's entry remembers
        // the run it was last seen in, so nothing is cleared between runs.
        std::vector<int> seenInRun(codeSlots_, kNone);
        std::vector<int> seenTile(codeSlots_, kNone);
        for (int id = 0; id < static_cast<int>(runs_.size()); ++id) {
            ForEachTileTouching(runs_[static_cast<std::size_t>(id)], [&](int tile) {
                const std::size_t code = CodeSlot(CodeAt(tile));
                if (seenInRun[code] != id) {
                    seenInRun[code] = id;
                    seenTile[code] = tile;
                } else if (seenTile[code] != tile) {
                    hasPartner[static_cast<std::size_t>(seenTile[code])] = 1;
                    hasPartner[static_cast<std::size_t>(tile)] = 1;
                }
            });
        }

        // Grid indexes of the playing cells run in cell-number order.
        for (int y = 1; y < height_ - 1; ++y)
            for (int x = 1; x < width_ - 1; ++x)
                if (hasPartner[Index(x, y)])
                    return y * width_ + x;
        return kNone;
    }

    int SmallestPartner(int a) const
    {
        const TileCode code = CodeAt(a);
        int best = kNone;
        const auto consider = [&](int tile) {
            if (tile > a && CodeAt(tile) == code && (best == kNone || tile < best))
                best = tile;
        };
        const auto touching = [&](int id) { ForEachTileTouching(runs_[static_cast<std::size_t>(id)], consider); };

        // Each side of A: the tile next to it, or the run A closes off
        // there together with every run crossing that run.
        const auto side = [&](int next, const std::vector<int>& runOf, const std::vector<int>& crossOf) {
            if (IsTile(next)) {
                consider(next);
                return;
            }
            const int id = runOf[static_cast<std::size_t>(next)];
            touching(id);
            const Run& r = runs_[static_cast<std::size_t>(id)];
            for (int g = r.first;; g += r.step) {
                touching(crossOf[static_cast<std::size_t>(g)]);
                if (g == r.last)
                    break;
            }
        };
        side(a - 1, rowRun_, columnRun_);
        side(a + 1, rowRun_, columnRun_);
        side(a - width_, columnRun_, rowRun_);
        side(a + width_, columnRun_, rowRun_);
        return best;
    }

    const Board& board_;
    int width_;
    int height_;
    std::vector<TileCode> codes_;
    std::size_t codeSlots_ = 0;
    std::vector<int> rowRun_;
    std::vector<int> columnRun_;
    std::vector<Run> runs_;
};

} // namespace

std::optional<CellPair> FindPair(const Board& board)
{
    if (board.CellCount() < 2)
        return std::nullopt;
    return Search(board).Find();
}

} // namespace daz
