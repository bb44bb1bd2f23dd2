#pragma once

// The board as the screen shows it after a repaint, against what a full
// paint of it draws.

#include <QCoreApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

namespace daz::testing {

// The repaints asked for are done, and nothing else.
inline void Settle()
{
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::processEvents();
    }
}

// What the screen shows of a part of the window.
inline QImage OnScreen(QWidget& window, const QWidget& part)
{
    const QRect place(part.mapTo(&window, QPoint(0, 0)), part.size());
    return window.screen()->grabWindow(window.winId()).toImage().copy(place).convertToFormat(QImage::Format_RGB32);
}

// What a full paint of it draws.
inline QImage FullPaint(QWidget& part)
{
    return part.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels in the area that differ between the two images.
inline int Unlike(const QImage& a, const QImage& b, const QRect& area)
{
    int unlike = 0;
    const QRect inside = area & a.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            unlike += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return unlike;
}

} // namespace daz::testing
