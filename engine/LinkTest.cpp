#include "LinkTest.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace daz {

bool LineLink(const Board& board, int x1, int y1, int x2, int y2)
{
    if (x1 != x2 && y1 != y2) {
        return false;
    }
    if (std::abs(x1 - x2) + std::abs(y1 - y2) <= 1) {
        return true;
    }
    if (x1 == x2) {
        const auto [from, to] = std::minmax(y1, y2);
        for (int y = from + 1; y < to; ++y) {
            if (board.At(x1, y) >= 1) {
                return false;
            }
        }
        return true;
    }
    const auto [from, to] = std::minmax(x1, x2);
    for (int x = from + 1; x < to; ++x) {
        if (board.At(x, y1) >= 1) {
            return false;
        }
    }
    return true;
}

namespace {

void Append(std::array<Cell, CornerLists::kCapacity>& list, int& count, Cell c)
{
    // A list holds the empty cells of one row and one column except the
    // tile's own, which every board of a valid size keeps within capacity.
    assert(count < CornerLists::kCapacity);
    if (count < CornerLists::kCapacity) {
        list[static_cast<std::size_t>(count++)] = c;
    }
}

void ListLine(const Board& board, int x0, int y0, std::array<Cell, CornerLists::kCapacity>& list, int& count)
{
    for (int x = 0; x <= board.MaxX() + 1; ++x) {
        if (board.At(x, y0) == 0) {
            Append(list, count, {x, y0});
        }
    }
    for (int y = 0; y <= board.MaxY() + 1; ++y) {
        if (board.At(x0, y) == 0) {
            Append(list, count, {x0, y});
        }
    }
}

} // namespace

void ListCorners(const Board& board, int x1, int y1, int x2, int y2, CornerLists& lists)
{
    lists.aCount = 0;
    lists.bCount = 0;
    ListLine(board, x1, y1, lists.a, lists.aCount);
    ListLine(board, x2, y2, lists.b, lists.bCount);
}

LinkDecision IsLink(const Board& board, int x1, int y1, int x2, int y2, int mode)
{
    const auto linked = [](std::initializer_list<Cell> points) {
        LinkDecision d;
        d.linked = true;
        d.path.segments = static_cast<int>(points.size()) - 1;
        std::size_t i = 0;
        for (Cell p : points) {
            d.path.points[i++] = p;
        }
        return d;
    };
    const Cell a{x1, y1};
    const Cell b{x2, y2};

    if (board.At(a) != board.At(b)) {
        return {};
    }
    // In the simple mode any two equal tiles go, but a tile is never a
    // pair with itself: accepting it would take one tile off as two.
    if (mode == 1) {
        return {a != b, {}};
    }
    if (a == b) {
        return {};
    }
    if (LineLink(board, a, b)) {
        return linked({a, b});
    }

    // One turn, vertical first: the corner shares the first tile's column.
    const Cell downFirst{x1, y2};
    if (board.At(downFirst) == 0 && LineLink(board, a, downFirst) && LineLink(board, b, downFirst)) {
        return linked({a, downFirst, b});
    }
    // One turn, horizontal first.
    const Cell acrossFirst{x2, y1};
    if (board.At(acrossFirst) == 0 && LineLink(board, a, acrossFirst) && LineLink(board, b, acrossFirst)) {
        return linked({a, acrossFirst, b});
    }

    // Two turns: the first corner P from the first tile's lines, the second
    // corner Q from the second tile's, in list order.
    CornerLists lists;
    ListCorners(board, x1, y1, x2, y2, lists);
    for (int i = 0; i < lists.aCount; ++i) {
        const Cell p = lists.a[static_cast<std::size_t>(i)];
        if (!LineLink(board, a, p)) {
            continue;
        }
        for (int j = 0; j < lists.bCount; ++j) {
            const Cell q = lists.b[static_cast<std::size_t>(j)];
            if (LineLink(board, b, q) && LineLink(board, p, q)) {
                return linked({a, p, q, b});
            }
        }
    }
    return {};
}

} // namespace daz
