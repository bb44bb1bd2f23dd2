#pragma once

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include "presentation/Pictures.h"

namespace daz {

// A rectangle in twips, in pixels.
QRect PxRect(const QRect& twips);

// A borderless window of fixed size that shows a background picture at its
// corner, with one key colour made see-through: the desktop shows only the
// picture's figure and what lies over it. Whatever the picture leaves
// uncovered is the key colour too.
//
// Where windows can be see-through pixel by pixel (Wayland, or X11 with a
// compositing manager), the window is drawn with an alpha channel: the key
// colour is transparent and the figure's edge blends into the desktop. On
// plain X11 it is cut to the figure's pixels with a mask, and clicks on the
// key colour go to whatever is beneath; Wayland has no such masks.
class ShapedWindow : public QWidget {
    Q_OBJECT

public:
    ShapedWindow(QSize size, QColor key, QPixmap background, QWidget* parent = nullptr);

    QColor KeyColour() const { return key_; }
    // Another picture of the same figure, its words in another language;
    // Reshape() cuts the window to it.
    void SetBackground(QPixmap background);
    const QPixmap& Background() const { return background_; }

    // Whether this desktop shows windows see-through pixel by pixel.
    static bool DesktopBlendsWindows();
    // Whether this window is drawn with an alpha channel rather than cut.
    bool SeeThrough() const { return seeThrough_; }

    // The window as it would look unshaped, at the screen's pixel ratio:
    // the key colour, the picture, and the visible child widgets over it.
    QImage Face();
    // The window's pixels that show something other than the key colour.
    QBitmap Shape();

    // Cuts the window to the pixels of its face that are not the key
    // colour (where it is not see-through anyway). Call again whenever what
    // the children show changes.
    void Reshape();

    // Puts the window in the middle of its screen's work area.
    void CentreOnScreen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor key_;
    QPixmap background_;
    bool seeThrough_ = false;
    QPixmap clearBackground_; // the background with the key colour transparent
};

} // namespace daz
