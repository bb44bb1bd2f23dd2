#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPoint>

#include "presentation/ShapedWindow.h"

namespace daz::testing {

// Whether a shaped window shows nothing at a point of its own: transparent
// there where the desktop blends windows (Wayland), cut away by its mask
// elsewhere. A desktop run that expects blending says so with
// DAZ_EXPECT_SEE_THROUGH=1, so that the check cannot quietly fall back.
inline bool ShowsNothingAt(ShapedWindow& window, QPoint at)
{
    if (qEnvironmentVariableIntValue("DAZ_EXPECT_SEE_THROUGH") == 1) {
        EXPECT_TRUE(window.SeeThrough()) << QGuiApplication::platformName().toStdString();
    }
    if (!window.SeeThrough()) {
        return !window.mask().contains(at);
    }
    EXPECT_TRUE(window.mask().isEmpty()) << "a see-through window needs no mask";
    const QImage shown = window.grab().toImage();
    const qreal dpr = shown.devicePixelRatio();
    return qAlpha(shown.pixel(QPoint(int(at.x() * dpr), int(at.y() * dpr)))) == 0;
}

} // namespace daz::testing
