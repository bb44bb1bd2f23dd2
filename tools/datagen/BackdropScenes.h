#pragma once

// The board backgrounds, one function a picture, and what they share.

#include "Backdrops.h"

#include <QPainter>
#include <QRectF>

namespace daz::datagen::backdrop {

inline const QRectF kBoard(0, 0, kBoardWidth, kBoardHeight);

// Darkens the board's corners.
void Vignette(QPainter& p, double strength);
// Draws layer onto p after blurring it, for glows and soft light.
void DrawSoft(QPainter& p, const QImage& layer, int radius);

// Festive pictures (FestiveBackdrops.cpp).
QImage RedPaper();
QImage Fireworks();
QImage Velvet();

// Landscapes (NatureBackdrops.cpp).
QImage Ocean();
QImage Sky();
QImage InkMountains();

} // namespace daz::datagen::backdrop
