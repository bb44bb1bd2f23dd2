#include "CellGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace daz {

long long Nearest(double v)
{
    double whole = std::floor(v);
    const double fraction = v - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    return static_cast<long long>(whole);
}

namespace {

// One cell's size along one side: the area's size to the nearest unit,
// shared out among the cells of that side, the remainder dropped.
long long CellSize(double area, int cells)
{
    return std::max(0LL, Nearest(area)) / cells;
}

} // namespace

CellGeometry CellGeometry::For(double areaWidth, double areaHeight, int maxX, int maxY)
{
    CellGeometry g;
    // The width is a 16-bit quantity; a board area wider than it can
    // express keeps the widest cell it can rather than wrapping round.
    g.boxW = static_cast<std::int16_t>(
        std::min<long long>(CellSize(areaWidth, maxX + 2), std::numeric_limits<std::int16_t>::max()));
    g.boxH = static_cast<std::int32_t>(
        std::min<long long>(CellSize(areaHeight, maxY + 2), std::numeric_limits<std::int32_t>::max()));
    return g;
}

PointF CellGeometry::Centre(Cell c) const
{
    return {static_cast<float>(c.x * static_cast<double>(boxW) + boxW / 2.0),
            static_cast<float>(c.y * static_cast<double>(boxH) + boxH / 2.0)};
}

Cell CellGeometry::CellAt(double left, double top) const
{
    // A cell size of 0 (a board area too small for the grid) puts every
    // control on cell 0 instead of dividing by zero.
    const auto along = [](double position, double size) {
        return size > 0 ? static_cast<int>(Nearest(position / size)) : 0;
    };
    return {along(left, boxW), along(top, boxH)};
}

} // namespace daz
