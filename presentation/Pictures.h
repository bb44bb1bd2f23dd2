#pragma once

#include <QColor>
#include <QCursor>
#include <QPixmap>
#include <QString>

#include "game/CellGeometry.h"

namespace daz {

// Twips to whole pixels.
inline int Px(double twips)
{
    return static_cast<int>(twips / kTwipsPerPixel + (twips < 0 ? -0.5 : 0.5));
}

// A colour stored as &H00BBGGRR (red in the low byte).
QColor FromBgr(unsigned bgr);

// The sixteen colours of the classic palette: 0 black … 15 white.
QColor PaletteColour(int index);

// The windows' own pictures, compiled into the program ("toolbar.png").
// Where the resources hold a copy at twice the resolution ("name@2x.png"),
// that copy is given, with a device pixel ratio of 2: its
// deviceIndependentSize() is the picture's own size. A name the resources
// lack is a fault of the build: debug builds stop on it, others get a null
// pixmap. Each picture is read once; later calls share it (one cacheKey()).
QPixmap WindowPicture(const QString& name);

// "toolbar.png" → "toolbar@2x.png".
QString SharperName(const QString& name);

// A picture of the resources for a window of fixed size, by its path
// (":/splash.png"): on a screen that scales by more than one, the copy at
// twice the resolution where there is one, which paints at the same size.
// Null when the resources hold neither.
QPixmap ScreenPicture(const QString& resource);

// ImageList1 of the main window: 1–10 the score digits 0–9, 11/12 and
// 16/17 the two menu buttons at rest and hovered, 13/14/15 the paused,
// timed-out and cleared pictures. 11–17 carry words, in the language
// installed when they are asked for: ask again after a language change.
QPixmap ImageList1(int entry);

// The hand pointer of the toolbar and the menu buttons.
QCursor ToolbarPointer();

} // namespace daz
