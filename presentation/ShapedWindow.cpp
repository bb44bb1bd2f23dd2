#include "ShapedWindow.h"

#include <algorithm>

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#ifdef DAZ_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace daz {

QRect PxRect(const QRect& twips)
{
    return {Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())};
}

namespace {

// Whether a compositing manager holds the X11 screen's selection for one.
bool X11CompositorRuns()
{
#if defined(DAZ_HAVE_XCB) && QT_CONFIG(xcb)
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return false;
    }
    xcb_connection_t* connection = x11->connection();
    const QByteArray name = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData()), nullptr);
    if (atom == nullptr) {
        return false;
    }
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool runs = owner != nullptr && owner->owner != XCB_NONE;
    free(owner);
    free(atom);
    return runs;
#else
    return false;
#endif
}

} // namespace

bool ShapedWindow::DesktopBlendsWindows()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QStringLiteral("wayland"))) {
        return true;
    }
    return platform == QStringLiteral("xcb") && X11CompositorRuns();
}

ShapedWindow::ShapedWindow(QSize size, QColor key, QPixmap background, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), key_(key), seeThrough_(DesktopBlendsWindows())
{
    setFixedSize(size);
    setAttribute(seeThrough_ ? Qt::WA_TranslucentBackground : Qt::WA_OpaquePaintEvent);
    SetBackground(std::move(background));
}

void ShapedWindow::SetBackground(QPixmap background)
{
    background_ = std::move(background);
    if (seeThrough_) {
        clearBackground_ = background_;
        clearBackground_.setMask(background_.createMaskFromColor(key_, Qt::MaskInColor));
    }
    update();
}

void ShapedWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (seeThrough_) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawPixmap(0, 0, clearBackground_);
        return;
    }
    painter.fillRect(rect(), key_);
    painter.drawPixmap(0, 0, background_);
}

QImage ShapedWindow::Face()
{
    // At the screen's own pixels, so that the figure's edge and the words
    // over the see-through part are cut where they are drawn.
    const qreal dpr = devicePixelRatioF();
    QImage face(size() * dpr, QImage::Format_RGB32);
    face.setDevicePixelRatio(dpr);
    face.fill(key_);
    {
        QPainter painter(&face);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
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

QBitmap ShapedWindow::Shape()
{
    // A window's mask counts whole pixels of the window's own size: one of
    // them stays wherever any screen pixel under it is not the key colour,
    // so that nothing of the figure is cut away.
    const QImage face = Face();
    const qreal dpr = face.devicePixelRatio();
    const QRgb key = key_.rgb() | 0xFF000000u;
    const QRgb kept = ~key | 0xFF000000u;
    QImage shape(size(), QImage::Format_RGB32);
    shape.fill(key_);
    for (int fy = 0; fy < face.height(); ++fy) {
        const auto* line = reinterpret_cast<const QRgb*>(face.constScanLine(fy));
        const int y = std::min(shape.height() - 1, static_cast<int>(fy / dpr));
        auto* out = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int fx = 0; fx < face.width(); ++fx) {
            if ((line[fx] | 0xFF000000u) != key) {
                out[std::min(shape.width() - 1, static_cast<int>(fx / dpr))] = kept;
            }
        }
    }
    // MaskInColor marks the key colour's pixels; as a widget mask they are
    // the ones left out.
    return QBitmap::fromImage(shape.createMaskFromColor(key, Qt::MaskInColor));
}

void ShapedWindow::Reshape()
{
    if (seeThrough_) {
        update(); // the alpha channel shows the figure as it is drawn
        return;
    }
    setMask(Shape());
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

} // namespace daz
