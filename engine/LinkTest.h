#pragma once

#include <array>

#include "Board.h"

namespace daz {

// True when two cells lie in one row or column and every cell strictly
// between them is empty. The end cells are not looked at.
bool LineLink(const Board& board, int x1, int y1, int x2, int y2);
inline bool LineLink(const Board& board, Cell a, Cell b)
{
    return LineLink(board, a.x, a.y, b.x, b.y);
}

// The empty cells on the rows and columns of two tiles: the candidates
// for the turning points of a two-turn path.
struct CornerLists {
    static constexpr int kCapacity = 101;
    std::array<Cell, kCapacity> a{};
    std::array<Cell, kCapacity> b{};
    int aCount = 0;
    int bCount = 0;
};
void ListCorners(const Board& board, int x1, int y1, int x2, int y2, CornerLists& lists);

// The path to draw between two linked tiles: points[0 … segments], cell
// by cell. No segments when the tiles were accepted without a path.
struct LinkPath {
    int segments = 0;
    std::array<Cell, 4> points{};
};

struct LinkDecision {
    bool linked = false;
    LinkPath path;
};

// May the tiles at (x1, y1) and (x2, y2) go as a pair? Tiles with
// different codes never may, in any mode. In mode 1 any two equal tiles
// in different cells may, without a path; otherwise they need a path of
// at most three straight segments through empty cells. Among several
// paths the preferred one is returned: straight, then the turn at
// (x1, y2), then the turn at (x2, y1), then the first two-turn path in
// corner-list order (first corner from list a, outer; second from b).
LinkDecision IsLink(const Board& board, int x1, int y1, int x2, int y2, int mode);

} // namespace daz
