#pragma once

#include <QColor>
#include <QRect>

#include <QPalette>

class QPainter;
class QWidget;

namespace daz {

// Relative luminance of a colour and the contrast of two, as WCAG judges
// text: 1 (the same) … 21 (black on white).
double Luminance(QColor colour);
double ContrastRatio(QColor a, QColor b);

// High contrast for every window: the application's palette becomes white
// and yellow on black (text at 15:1 and more), and what draws itself asks
// HighContrastInUse(). Off, the palette the game started with comes back.
void UseHighContrast(bool on);
bool HighContrastInUse();

// A widget's own colours (the help's paper, a caption's red), and its
// colours under high contrast: the application's unless given. fill: the
// widget fills its background under high contrast, for a text that lies
// over a picture. Follows high contrast as it comes and goes.
void UseOwnPalette(QWidget* widget, const QPalette& own, const QPalette& underHighContrast = QPalette(),
                   bool fill = false);
// The strip's palette under high contrast: black words on its light
// picture.
QPalette DarkOnLight();

// A thick outline of two rings inside rect, a dark one outside and a light
// one within, that shows on any picture: the board's marks under high
// contrast and the steady hint. thickness: each ring's, in pixels.
void DrawTwoToneOutline(QPainter& painter, const QRect& rect, int thickness, QColor light);

} // namespace daz
