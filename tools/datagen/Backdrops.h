#pragma once

#include "Levels.h"

#include <QImage>
#include <QSize>

namespace daz::datagen {

// The board size in pixels: the board area is 11730 x 8160 twips.
inline constexpr int kBoardWidth = 782;
inline constexpr int kBoardHeight = 544;

// A drawn board background for gameback.jpg.
QImage PaintBackdrop(Backdrop backdrop);

// The mean colour of a picture (tile corners are blended over it).
QColor MeanColour(const QImage& image);

} // namespace daz::datagen
