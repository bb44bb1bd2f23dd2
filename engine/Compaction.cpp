#include "Compaction.h"

namespace daz {

namespace {

// Moves the tile at from into the empty cell to and records the move.
void Move(Board& board, std::vector<TileMove>& moves, Cell from, Cell to)
{
    board.MoveTile(from, to);
    moves.push_back({from, to});
}

} // namespace

// Each pass works like an insertion sort: outer pass J (or I) extends the
// packed stretch at the target edge by one row (or column), sinking each
// tile of the new line into place one cell at a time. The ring row or
// column beyond the field is always empty, so nothing comes in from it.

std::vector<TileMove> SlideDown(Board& board)
{
    std::vector<TileMove> moves;
    for (int j = 1; j <= board.MaxY(); ++j) {
        for (int i = 1; i <= board.MaxX(); ++i) {
            for (int k = j; k >= 1; --k) {
                if (board.At(i, k) == 0 && board.At(i, k - 1) != 0) {
                    Move(board, moves, {i, k - 1}, {i, k});
                }
            }
        }
    }
    return moves;
}

std::vector<TileMove> SlideUp(Board& board)
{
    std::vector<TileMove> moves;
    for (int j = board.MaxY(); j >= 1; --j) {
        for (int i = 1; i <= board.MaxX(); ++i) {
            for (int k = j; k <= board.MaxY(); ++k) {
                if (board.At(i, k) == 0 && board.At(i, k + 1) != 0) {
                    Move(board, moves, {i, k + 1}, {i, k});
                }
            }
        }
    }
    return moves;
}

std::vector<TileMove> SlideRight(Board& board)
{
    std::vector<TileMove> moves;
    for (int i = 1; i <= board.MaxX(); ++i) {
        for (int j = 1; j <= board.MaxY(); ++j) {
            for (int k = i; k >= 1; --k) {
                if (board.At(k, j) == 0 && board.At(k - 1, j) != 0) {
                    Move(board, moves, {k - 1, j}, {k, j});
                }
            }
        }
    }
    return moves;
}

std::vector<TileMove> SlideLeft(Board& board)
{
    std::vector<TileMove> moves;
    for (int i = board.MaxX(); i >= 1; --i) {
        for (int j = 1; j <= board.MaxY(); ++j) {
            for (int k = i; k <= board.MaxX(); ++k) {
                if (board.At(k, j) == 0 && board.At(k + 1, j) != 0) {
                    Move(board, moves, {k + 1, j}, {k, j});
                }
            }
        }
    }
    return moves;
}

} // namespace daz
