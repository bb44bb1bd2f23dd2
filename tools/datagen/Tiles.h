#pragma once

#include "Levels.h"

#include <QImage>
#include <QRectF>
#include <QSize>

namespace daz::datagen {

// Where the parts of a tile lie inside its picture: the face on top, the
// block's edge showing below and to the right.
struct TileShape {
    QRectF face;
    double radius = 0;
    int depth = 0;
};
TileShape ShapeOf(QSize tile);

// The symbol of tile picture index (0-based) of a level, rendered large.
QImage LevelSymbol(const Level& level, int index);

// A tile picture with transparent corners (alpha); flatten before saving.
QImage PaintTile(QSize size, const TileStyle& style, const QImage& symbol, const QString& caption);

// The selection mask (mb1) and the hover mask (mb2): coloured frames
// around the face with a transparent centre.
QImage PaintSelectionMask(QSize size);
QImage PaintHoverMask(QSize size);

} // namespace daz::datagen
