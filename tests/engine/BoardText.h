#pragma once

#include <cassert>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Board.h"

namespace daz::testing {

// Boards written as rows of the playing field, top row first: '.' is an
// empty cell and the letters A, B, C, … are the codes 1, 2, 3, …
inline Board BoardFromRows(const std::vector<std::string_view>& rows)
{
    const int maxY = static_cast<int>(rows.size());
    const int maxX = static_cast<int>(rows.begin()->size());
    Board board(maxX, maxY);
    int y = 0;
    for (std::string_view row : rows) {
        ++y;
        assert(static_cast<int>(row.size()) == maxX);
        for (int x = 1; x <= maxX; ++x) {
            if (row[static_cast<std::size_t>(x - 1)] != '.') {
                board.PlaceTile({x, y}, static_cast<TileCode>(row[static_cast<std::size_t>(x - 1)] - 'A' + 1));
            }
        }
    }
    return board;
}

// The playing field in the same notation.
inline std::vector<std::string> RowsOf(const Board& board)
{
    std::vector<std::string> rows;
    for (int y = 1; y <= board.MaxY(); ++y) {
        std::string row;
        for (int x = 1; x <= board.MaxX(); ++x) {
            row += board.At(x, y) == 0 ? '.' : static_cast<char>('A' + board.At(x, y) - 1);
        }
        rows.push_back(row);
    }
    return rows;
}

inline bool RingIsEmpty(const Board& board)
{
    for (int x = 0; x <= board.MaxX() + 1; ++x) {
        if (board.At(x, 0) != 0 || board.At(x, board.MaxY() + 1) != 0) {
            return false;
        }
    }
    for (int y = 0; y <= board.MaxY() + 1; ++y) {
        if (board.At(0, y) != 0 || board.At(board.MaxX() + 1, y) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace daz::testing
