#pragma once

#include <vector>

#include "Board.h"

namespace daz {

// One single-cell move of a tile made by a slide.
struct TileMove {
    Cell from;
    Cell to;
    friend bool operator==(TileMove, TileMove) = default;
};

// Each pass moves every tile as far as it can towards one edge, keeping
// the order of the tiles in their column (or row). Moves happen one cell
// at a time, in the order returned.
std::vector<TileMove> SlideDown(Board& board);
std::vector<TileMove> SlideUp(Board& board);
std::vector<TileMove> SlideRight(Board& board);
std::vector<TileMove> SlideLeft(Board& board);

} // namespace daz
