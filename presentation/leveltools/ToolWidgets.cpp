#include "ToolWidgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
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
    if (bgr < 0)
        return QApplication::palette().color(QPalette::Window);
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

PictureButton::PictureButton(QPixmap rest, QPixmap hover, const QString& accessibleName, QWidget* parent)
    : QAbstractButton(parent), rest_(std::move(rest)), hover_pixmap_(std::move(hover))
{
    setAccessibleName(accessibleName);
    setToolTip(accessibleName);
    setCursor(Qt::PointingHandCursor);
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
    setAccessibleName(QStringLiteral("背景颜色"));
    setToolTip(QStringLiteral("背景颜色"));
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
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

void ColourSwatch::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

QLineEdit* MakeField(QWidget* parent, const Rect& rect, int maxLength, bool readOnly, const QString& accessibleName)
{
    auto* field = new QLineEdit(parent);
    field->setGeometry(ToQRect(rect));
    if (maxLength > 0)
        field->setMaxLength(maxLength);
    field->setReadOnly(readOnly);
    field->setAccessibleName(accessibleName);
    return field;
}

PictureButton* MakePictureButton(QWidget* parent, const Rect& rect, const QString& picture,
                                 const QString& accessibleName)
{
    auto* button = new PictureButton(ToolPicture(picture + QStringLiteral(".png")),
                                     ToolPicture(picture + QStringLiteral("-hover.png")), accessibleName, parent);
    button->setGeometry(ToQRect(rect));
    return button;
}

void FocusField(QWidget* field, bool select)
{
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(field); line && select)
        line->selectAll();
}

void ChainTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

bool PressForReturn(const QKeyEvent& event, QWidget* focus, QAbstractButton* ok)
{
    if ((event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) ||
        (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(focus);
    (button ? button : ok)->click();
    return true;
}

} // namespace daz::tools
