#pragma once

#include <optional>

#include "engine/Board.h"
#include "engine/HintSearch.h"
#include "engine/LinkTest.h"

namespace daz::reference {

// The hint search written the plain way: every pair of equal tiles in
// cell order, each tried with a straight segment and then with every
// pair of corner candidates. Slow, but obviously right; the fast search
// must give the same answer on every board.
inline std::optional<CellPair> FindPair(const Board& board)
{
    const int maxX = board.MaxX();
    const int n = board.MaxY() * maxX;
    const auto cellOf = [maxX](int number) {
        int y = number / maxX;
        if (number % maxX != 0) {
            y += 1;
        }
        return Cell{number - (y - 1) * maxX, y};
    };

    CornerLists lists;
    for (int i = 1; i <= n - 1; ++i) {
        const Cell a = cellOf(i);
        if (board.At(a) == 0) {
            continue;
        }
        for (int j = i + 1; j <= n; ++j) {
            const Cell b = cellOf(j);
            if (board.At(b) != board.At(a)) {
                continue;
            }
            if (LineLink(board, a, b)) {
                return CellPair{i, j};
            }
            ListCorners(board, a.x, a.y, b.x, b.y, lists);
            for (int p = 0; p < lists.aCount; ++p) {
                for (int q = 0; q < lists.bCount; ++q) {
                    const Cell cp = lists.a[static_cast<std::size_t>(p)];
                    const Cell cq = lists.b[static_cast<std::size_t>(q)];
                    if (LineLink(board, a, cp) && LineLink(board, b, cq) && LineLink(board, cp, cq)) {
                        return CellPair{i, j};
                    }
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace daz::reference
