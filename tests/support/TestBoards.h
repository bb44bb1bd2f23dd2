#pragma once

#include <cstdint>
#include <optional>

#include "engine/Board.h"
#include "engine/HintSearch.h"
#include "engine/Random.h"

namespace daz::testing {

// A generator with a fixed seed and a clock that never moves, so every
// board below comes out the same on every run.
inline Random SeededRandom(std::uint64_t seed)
{
    return Random(seed, [] { return 0.0; });
}

// A board of the given size where each playing cell holds a tile with
// probability fill, its code drawn from 1 … codes.
inline Board RandomBoard(int maxX, int maxY, float fill, int codes, Random& random)
{
    Board board(maxX, maxY);
    for (int y = 1; y <= maxY; ++y) {
        for (int x = 1; x <= maxX; ++x) {
            if (random.Rnd() < fill) {
                board.PlaceTile({x, y}, static_cast<TileCode>(random.Draw(codes)));
            }
        }
    }
    return board;
}

// A random board on which no two equal tiles can be joined: starting from
// RandomBoard, while the search still finds a pair, one of its two tiles
// is given another code drawn from 1 … codes. After ten such tries per
// cell without reaching a dead board (too few codes for the board) the
// tile gets a code of its own instead, which always ends the repair. The
// filled cells stay as they were, so the board keeps its empty cells and,
// mostly, its repeated codes.
inline Board DeadBoard(int maxX, int maxY, float fill, int codes, std::uint64_t seed)
{
    Random random = SeededRandom(seed);
    Board board = RandomBoard(maxX, maxY, fill, codes, random);
    const int patience = 10 * board.CellCount();
    int tries = 0;
    int nextOwnCode = codes + 1;
    // Past the patience every try gives a tile a code of its own: the
    // repair ends after at most one more try per cell.
    for (std::optional<CellPair> pair = FindPair(board); pair && tries <= patience + board.CellCount();
         pair = FindPair(board)) {
        const Cell cell = board.CellOf(random.Rnd() < 0.5f ? pair->first : pair->second);
        const int code = ++tries <= patience ? random.Draw(codes) : nextOwnCode++;
        board.PlaceTile(cell, static_cast<TileCode>(code));
    }
    return board;
}

} // namespace daz::testing
