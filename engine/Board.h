#pragma once

#include <cassert>
#include <cstdint>
#include <span>
#include <vector>

namespace daz {

using TileCode = std::int16_t;

// A cell of the grid; x is the column from the left, y the row from the top.
struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(Cell, Cell) = default;
};

// The board grid: tile codes for x = 0 … MaxX + 1 and y = 0 … MaxY + 1,
// where the outer ring is a permanently empty margin that link paths may
// use. A cell holds a tile exactly when its code is not 0.
class Board {
public:
    Board() = default;
    // An empty grid; the size must satisfy IsValidSize.
    Board(int maxX, int maxY);

    // At least one row and column, an even number of cells (tiles come in
    // pairs), MaxX + MaxY ≤ 99 (the corner lists hold 101 cells) and at
    // most 32767 cells (cell numbers are 16-bit).
    static bool IsValidSize(int maxX, int maxY);

    int MaxX() const { return maxX_; }
    int MaxY() const { return maxY_; }
    int CellCount() const { return maxX_ * maxY_; }

    // Any cell of the grid, ring included.
    TileCode At(int x, int y) const
    {
        assert(x >= 0 && x <= maxX_ + 1 && y >= 0 && y <= maxY_ + 1);
        return codes_[Index(x, y)];
    }
    TileCode At(Cell c) const { return At(c.x, c.y); }
    bool InField(Cell c) const;
    // The whole grid, ring included, row by row from the top: cell (x, y)
    // is element y × (MaxX + 2) + x. For searches that sweep the grid.
    std::span<const TileCode> Grid() const { return codes_; }

    // Cell numbers run 1 … MaxX × MaxY row by row from the top-left cell.
    int CellNumber(Cell c) const { return (c.y - 1) * maxX_ + c.x; }
    Cell CellOf(int number) const;

    // Writers for playing cells (never the ring).
    void PlaceTile(Cell c, TileCode code); // deal, shuffle, undo; code 0 removes
    void RemoveTile(Cell c);
    void MoveTile(Cell from, Cell to);       // compaction: the code passes on
    void ReplaceTile(Cell c, TileCode code); // shuffle: an occupied cell gets another code

    int TileCount() const; // occupied playing cells

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(maxX_ + 2) + static_cast<std::size_t>(x);
    }
    int maxX_ = 0;
    int maxY_ = 0;
    std::vector<TileCode> codes_;
};

} // namespace daz
