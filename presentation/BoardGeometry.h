#pragma once

#include <utility>
#include <vector>

#include <QPoint>
#include <QRect>
#include <QSize>

#include "engine/Board.h"
#include "game/CellGeometry.h"

namespace daz {

// Where the board's cells are drawn. The board area is laid out in twips:
// (MaxX + 2) × (MaxY + 2) equal cells, the outer ring a blank margin, and
// a tile's picture shown at its own size at its cell's top-left corner, so
// that a larger picture overlaps its right and lower neighbours. At each
// scale (pixels per twip) the cells' corners are converted to pixels once;
// everything the view draws or hit-tests is in those pixels.
class BoardGeometry {
public:
    // The board area's size in pixels at a scale.
    static QSize AreaAt(double pixelsPerTwip);

    void SetBoard(int maxX, int maxY);
    void SetScale(double pixelsPerTwip);
    double Scale() const { return scale_; }
    const CellGeometry& Cells() const { return cells_; }

    int ToPixels(double twips) const;
    // A picture of this many pixels at its own size, as drawn at the scale.
    QSize ScaledSize(QSize picture) const;
    // Twips of the board area (particles, the overlay) to pixels.
    QRect PictureRect(int leftTwips, int topTwips, QSize picture) const;

    // A cell's top-left corner, ring included (x = 0 … MaxX + 1).
    QPoint Corner(Cell cell) const;
    // A picture shown at a cell.
    QRect PictureRect(Cell cell, QSize picture) const { return {Corner(cell), ScaledSize(picture)}; }
    // The middle of a cell, where link paths run.
    QPointF Centre(Cell cell) const;
    // The cell, ring included, whose box holds a point; cells outside the
    // ring come out as 0 or MaxX + 1 (MaxY + 1).
    Cell CellUnder(QPoint point) const;
    // The columns (rows) 1 … MaxX (MaxY) whose pictures, up to reach pixels
    // wide (high), may reach into the pixels from … to.
    std::pair<int, int> ColumnSpan(int from, int to, int reach) const;
    std::pair<int, int> RowSpan(int from, int to, int reach) const;

private:
    void Convert();

    int maxX_ = 0;
    int maxY_ = 0;
    double scale_ = 1.0 / kTwipsPerPixel;
    CellGeometry cells_;
    std::vector<int> columns_; // left edge of x = 0 … MaxX + 1, in pixels
    std::vector<int> rows_;    // top edge of y = 0 … MaxY + 1
};

} // namespace daz
