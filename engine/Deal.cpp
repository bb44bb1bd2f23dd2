#include "Deal.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace daz {

void UndoStack::Reset(int cellCount)
{
    list_.clear();
    list_.reserve(static_cast<std::size_t>(std::max(cellCount, 0)));
}

void UndoStack::Push(UndoEntry entry)
{
    list_.push_back(entry);
}

UndoEntry UndoStack::Pop()
{
    assert(!list_.empty());
    if (list_.empty()) {
        return {};
    }
    const UndoEntry top = list_.back();
    list_.pop_back();
    return top;
}

std::vector<TileCode> DealDeck(int cellCount, int photoSum, Random& random)
{
    std::vector<TileCode> deck(static_cast<std::size_t>(cellCount));
    // Pairs of pictures 1, 2, … photoSum, then round again from 1.
    int k = 0;
    for (std::size_t i = 0; i < deck.size(); i += 2) {
        if (++k > photoSum) {
            k = 1;
        }
        deck[i] = static_cast<TileCode>(k);
        if (i + 1 < deck.size()) {
            deck[i + 1] = static_cast<TileCode>(k);
        }
    }
    // Each position swaps with one drawn from the whole deck.
    for (int p = 1; p <= cellCount; ++p) {
        const int r = random.Draw(cellCount);
        if (r != p) {
            std::swap(deck[static_cast<std::size_t>(p - 1)], deck[static_cast<std::size_t>(r - 1)]);
        }
    }
    return deck;
}

void LayOutDeck(Board& board, const std::vector<TileCode>& deck)
{
    assert(deck.size() >= static_cast<std::size_t>(board.CellCount()));
    std::size_t n = 0;
    for (int y = 1; y <= board.MaxY(); ++y) {
        for (int x = 1; x <= board.MaxX() && n < deck.size(); ++x) {
            board.PlaceTile({x, y}, deck[n++]);
        }
    }
}

void ShuffleBoard(Board& board, Random& random)
{
    std::vector<TileCode> codes;
    for (int y = 1; y <= board.MaxY(); ++y) {
        for (int x = 1; x <= board.MaxX(); ++x) {
            if (board.At(x, y) != 0) {
                codes.push_back(board.At(x, y));
            }
        }
    }

    const int n = static_cast<int>(codes.size());
    for (int i = 1; i <= n; ++i) {
        const int j = random.Draw(n);
        if (j != i) {
            std::swap(codes[static_cast<std::size_t>(i - 1)], codes[static_cast<std::size_t>(j - 1)]);
        }
    }

    // Every occupied cell gets its picture again, changed or not.
    std::size_t k = 0;
    for (int y = 1; y <= board.MaxY(); ++y) {
        for (int x = 1; x <= board.MaxX(); ++x) {
            if (board.At(x, y) != 0) {
                board.ReplaceTile({x, y}, codes[k++]);
            }
        }
    }
}

void UndoLastPair(Board& board, UndoStack& stack)
{
    if (stack.UndoCount() < 2) {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        const UndoEntry e = stack.Pop();
        const Cell cell{e.X, e.Y};
        // A record always names a playing cell; one that does not is
        // dropped rather than written outside the field.
        if (board.InField(cell)) {
            board.PlaceTile(cell, e.Code);
        }
    }
}

} // namespace daz
