#include "Board.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace daz {

Board::Board(int maxX, int maxY)
    : maxX_(maxX), maxY_(maxY)
{
    assert(IsValidSize(maxX, maxY));
    codes_.assign(static_cast<std::size_t>(maxX + 2) * static_cast<std::size_t>(maxY + 2), 0);
    views_.assign(static_cast<std::size_t>(CellCount()) + 1, TileView{});
}

bool Board::IsValidSize(int maxX, int maxY)
{
    if (maxX < 1 || maxY < 1 || maxX + maxY > 99)
        return false;
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
    TileView& view = views_[CellNumber(c)];
    view.picture = code;
    view.visible = true;
    Touch(CellNumber(c));
}

void Board::ReplaceTile(Cell c, TileCode code)
{
    assert(InField(c) && At(c) != 0 && code > 0);
    codes_[Index(c.x, c.y)] = code;
    views_[CellNumber(c)].picture = code;
    Touch(CellNumber(c));
}

void Board::RemoveTile(Cell c)
{
    assert(InField(c));
    codes_[Index(c.x, c.y)] = 0;
    views_[CellNumber(c)].visible = false;
    Touch(CellNumber(c));
}

void Board::MoveTile(Cell from, Cell to)
{
    assert(InField(from) && InField(to) && At(from) != 0 && At(to) == 0);
    const int fromNumber = CellNumber(from);
    const int toNumber = CellNumber(to);
    TileView& target = views_[toNumber];
    target.picture = views_[fromNumber].picture;
    codes_[Index(to.x, to.y)] = At(from);
    target.visible = true;
    Touch(toNumber);
    views_[fromNumber].visible = false;
    codes_[Index(from.x, from.y)] = 0;
    Touch(fromNumber);
}

void Board::SetVisible(int number, bool visible)
{
    assert(number >= 1 && number <= CellCount());
    views_[number].visible = visible;
    Touch(number);
}

int Board::TileCount() const
{
    int count = 0;
    for (int y = 1; y <= maxY_; ++y)
        for (int x = 1; x <= maxX_; ++x)
            count += At(x, y) != 0;
    return count;
}

int Board::HiddenControlCount() const
{
    if (views_.empty())
        return 0;
    return static_cast<int>(std::count_if(views_.begin() + 1, views_.end(),
                                          [](const TileView& v) { return !v.visible; }));
}

std::vector<int> Board::TakeChangedCells()
{
    return std::exchange(changed_, {});
}

void Board::Touch(int number)
{
    changed_.push_back(number);
}

} // namespace daz
