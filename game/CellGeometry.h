#pragma once

#include <cstdint>

#include "engine/Board.h"

namespace daz {

struct PointF {
    float x = 0;
    float y = 0;
};

// Positions and sizes of the windows, the board included, are in twips:
// 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

// The main window's board area: 782 × 544 pixels at the design scale.
inline constexpr int kBoardAreaWidth = 11730;
inline constexpr int kBoardAreaHeight = 8160;

// Rounds to the nearest integer, halves to the even neighbour.
long long Nearest(double v);

// Cell sizes in the board area's units (twips). The board area is divided
// into (MaxX + 2) × (MaxY + 2) equal cells so the ring is a blank margin.
struct CellGeometry {
    std::int16_t boxW = 0;
    std::int32_t boxH = 0;

    static CellGeometry For(double areaWidth, double areaHeight, int maxX, int maxY);

    int Left(int x) const { return x * boxW; }
    int Top(int y) const { return y * boxH; }
    // Centre of a cell, for drawing link paths; half units are kept.
    PointF Centre(Cell c) const;
    // The cell of a control placed at (left, top).
    Cell CellAt(double left, double top) const;
};

} // namespace daz
