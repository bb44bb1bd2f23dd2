#pragma once

#include <cstdint>
#include <vector>

#include "Board.h"
#include "Random.h"

namespace daz {

// A removed tile, recorded so that an undo can put it back.
struct UndoEntry {
    std::int16_t X = 0;
    std::int16_t Y = 0;
    std::int16_t Code = 0;
    friend bool operator==(UndoEntry, UndoEntry) = default;
};

// Two records per removed pair, first tile first; an undo takes the top
// two. Reset makes room for one record per playing cell, which is never
// exceeded because each record stands for a tile that is off the board.
class UndoStack {
public:
    void Reset(int cellCount);
    void Push(UndoEntry entry);
    int UndoCount() const { return static_cast<int>(list_.size()); }
    const std::vector<UndoEntry>& UndoList() const { return list_; } // oldest first
    UndoEntry Pop();

private:
    std::vector<UndoEntry> list_;
};

// The deck for a new level: pairs of pictures 1, 2, … PhotoSum, 1, 2, …
// until every cell has a tile, then each position swapped with one drawn
// from the whole deck. deck[0] is the tile of cell 1. The deck depends on
// the generator's state alone: a level's seed gives its deal.
std::vector<TileCode> DealDeck(int cellCount, int photoSum, Random& random);

// Fills an empty board from the deck, row by row.
void LayOutDeck(Board& board, const std::vector<TileCode>& deck);

// Rearranges the tiles still on the board: swaps each with one drawn from
// all of them, so the generator's state decides the outcome. The same cells stay occupied
// and the same codes remain; every occupied control gets its picture again
// and keeps its visibility.
void ShuffleBoard(Board& board, Random& random);

// Puts the most recently removed pair back (the top two records); each
// control shows its tile again. Does nothing with fewer than two records.
void UndoLastPair(Board& board, UndoStack& stack);

} // namespace daz
