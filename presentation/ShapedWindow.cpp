#include "ShapedWindow.h"

#include <QBitmap>
#include <QPainter>
#include <QScreen>

namespace daz {

QRect PxRect(const QRect& twips)
{
    return {Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())};
}

ShapedWindow::ShapedWindow(QSize size, QColor key, QPixmap background, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), key_(key), background_(std::move(background))
{
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapedWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), key_);
    painter.drawPixmap(0, 0, background_);
}

QImage ShapedWindow::Face()
{
    // One pixel of the face per pixel of the window, whatever the screen's
    // scale: the mask is in the window's own pixels.
    QImage face(size(), QImage::Format_RGB32);
    face.fill(key_);
    {
        QPainter painter(&face);
        painter.drawPixmap(0, 0, background_);
    }
    // Each child is drawn on its own: drawing the whole window would clip
    // it to the mask it already has.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(this)) {
            child->render(&face, child->pos(), QRegion(), QWidget::DrawChildren);
        }
    }
    return face;
}

void ShapedWindow::Reshape()
{
    // MaskInColor marks the key colour's pixels; as a widget mask they are
    // the ones left out.
    setMask(QBitmap::fromImage(Face().createMaskFromColor(key_.rgb(), Qt::MaskInColor)));
}

void ShapedWindow::CentreOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

QPixmap ShapedWindow::Picture(const QString& resource, const std::function<QPixmap()>& standIn)
{
    QPixmap picture(resource);
    return picture.isNull() ? standIn() : picture;
}

} // namespace daz
