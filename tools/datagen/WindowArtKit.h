#pragma once

// What the window pictures share: the house colours, the canvas that is
// drawn once as designed and once at twice the resolution, and the pieces
// several windows are made of (glossy buttons, small tiles, the title).

#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QSize>

namespace daz::datagen::windowart {

// The house colours shared by all window pictures.
inline const QColor kJade = Rgb(0x2fae8f);
inline const QColor kJadeDeep = Rgb(0x1b7a64);
inline const QColor kGold = Rgb(0xe9b949);
inline const QColor kGoldDeep = Rgb(0xb9831c);
inline const QColor kOrange = Rgb(0xff9a3c);
inline const QColor kOrangeDeep = Rgb(0xe2661a);
inline const QColor kInk = Rgb(0x33404f);

// The windows' pictures are also drawn at twice the resolution, for screens
// that scale by more than one: the same drawing in the same units, on a
// canvas with twice the pixels. This is the scale being drawn at.
extern double gArtScale;

QImage ArtCanvas(QSize size, const QColor& fill = Qt::transparent);
// A glyph picture fitted into a box of the drawing's units.
QImage ArtFit(const QImage& image, QSizeF box);

QPainter& Smooth(QPainter& p);
QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom);
// A soft drop shadow of a shape, drawn before the shape itself.
void DropShadow(QPainter& p, const QPainterPath& shape, QSize canvas, QPointF offset, int blur, int alpha);

// A glossy rounded button face with centred text.
QImage GlossyButton(QSize size, const QString& text, const QColor& top, const QColor& bottom, const QColor& rim,
                    double fontPx, bool menuArrow = false);

// A small tile for the title pictures, drawn like the game's tiles.
QImage MiniTile(QSize size, const QString& emoji, const QColor& back);
void DrawRotated(QPainter& p, const QImage& image, QPointF centre, double degrees);
// The game's name in gold with a dark outline.
void DrawTitle(QPainter& p, const QRectF& box, const QString& text, double px, const QColor& outline);

} // namespace daz::datagen::windowart
