#include "ToolWidgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "presentation/Pictures.h"

namespace daz::tools {
namespace {

// A stored colour &H00BBGGRR as a colour to paint. Values with the high bit
// set name a system colour; the window colour stands in for them.
QColor PaintColour(std::int32_t bgr)
{
    if (bgr < 0) {
        return QApplication::palette().color(QPalette::Window);
    }
    const auto value = static_cast<std::uint32_t>(bgr);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace

QPixmap ToolPicture(const QString& name)
{
    QPixmap picture = ScreenPicture(QStringLiteral(":/") + name);
    Q_ASSERT_X(!picture.isNull(), "ToolPicture", qPrintable(name));
    return picture;
}

PictureButton::PictureButton(QPixmap rest, QPixmap hover, QWidget* parent)
    : QAbstractButton(parent), rest_(std::move(rest)), hover_pixmap_(std::move(hover))
{
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::SetPictures(QPixmap rest, QPixmap hover)
{
    rest_ = std::move(rest);
    hover_pixmap_ = std::move(hover);
    update();
}

void PictureButton::ShowRest()
{
    if (hover_) {
        hover_ = false;
        update();
    }
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The keyboard's focus lights a button up as the mouse does.
    painter.drawPixmap(rect(), hover_ || hasFocus() ? hover_pixmap_ : rest_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourSwatch::SetColour(std::int32_t bgr)
{
    colour_ = bgr;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), PaintColour(colour_));
    painter.setPen(QColor(0x88, 0x99, 0xaa));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
}

void ColourSwatch::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: emit clicked(); break;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace daz::tools
