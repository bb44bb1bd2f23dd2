#include "Board.h"

#include <algorithm>
#include <cassert>

namespace daz {

Board::Board(int maxX, int maxY) : maxX_(maxX), maxY_(maxY)
{
    assert(IsValidSize(maxX, maxY));
    codes_.assign(static_cast<std::size_t>(maxX + 2) * static_cast<std::size_t>(maxY + 2), 0);
}

bool Board::IsValidSize(int maxX, int maxY)
{
    if (maxX < 1 || maxY < 1 || maxX + maxY > 99) {
        return false;
    }
    const int cells = maxX * maxY;
    return cells % 2 == 0 && cells <= 32767;
}

bool Board::InField(Cell c) const
{
    return c.x >= 1 && c.x <= maxX_ && c.y >= 1 && c.y <= maxY_;
}

Cell Board::CellOf(int number) const
{
    // The row holding the cell: the quotient, rounded up when the cell
    // number is not a whole multiple of the row length.
    const int y = (number + maxX_ - 1) / maxX_;
    return {number - (y - 1) * maxX_, y};
}

void Board::PlaceTile(Cell c, TileCode code)
{
    if (code == 0) {
        RemoveTile(c);
        return;
    }
    assert(InField(c) && code > 0);
    codes_[Index(c.x, c.y)] = code;
}

void Board::ReplaceTile(Cell c, TileCode code)
{
    assert(InField(c) && At(c) != 0 && code > 0);
    codes_[Index(c.x, c.y)] = code;
}

void Board::RemoveTile(Cell c)
{
    assert(InField(c));
    codes_[Index(c.x, c.y)] = 0;
}

void Board::MoveTile(Cell from, Cell to)
{
    assert(InField(from) && InField(to) && At(from) != 0 && At(to) == 0);
    codes_[Index(to.x, to.y)] = At(from);
    codes_[Index(from.x, from.y)] = 0;
}

int Board::TileCount() const
{
    int count = 0;
    for (int y = 1; y <= maxY_; ++y) {
        for (int x = 1; x <= maxX_; ++x) {
            count += At(x, y) != 0;
        }
    }
    return count;
}

} // namespace daz
