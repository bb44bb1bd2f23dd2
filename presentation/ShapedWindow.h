#pragma once

#include <functional>

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
// picture's figure and what lies over it, and clicks on the key colour go
// to whatever is beneath. Whatever the picture leaves uncovered is the key
// colour too.
class ShapedWindow : public QWidget {
    Q_OBJECT

public:
    ShapedWindow(QSize size, QColor key, QPixmap background, QWidget* parent = nullptr);

    QColor KeyColour() const { return key_; }

    // The window as it would look unshaped, at the screen's pixel ratio:
    // the key colour, the picture, and the visible child widgets over it.
    QImage Face();
    // The window's pixels that show something other than the key colour.
    QBitmap Shape();

    // Cuts the window to the pixels of its face that are not the key
    // colour. Call again whenever what the children show changes.
    void Reshape();

    // Puts the window in the middle of its screen's work area.
    void CentreOnScreen();

    // A picture of the program's resources, or the stand-in when the
    // resource cannot be read.
    static QPixmap Picture(const QString& resource, const std::function<QPixmap()>& standIn);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor key_;
    QPixmap background_;
};

} // namespace daz
