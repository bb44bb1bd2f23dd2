#pragma once

#include <optional>

#include "Board.h"

namespace daz {

// Two cell numbers, first < second.
struct CellPair {
    int first = 0;
    int second = 0;
    friend bool operator==(CellPair, CellPair) = default;
};

// The first pair of equal tiles that a path of at most three segments can
// join: the smallest first cell number that has any linkable partner, then
// its smallest partner. Nothing when the board is dead. The path rule
// applies in every mode, also where clicks need no path.
std::optional<CellPair> FindPair(const Board& board);

} // namespace daz
