#include "PictureCache.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPixmapCache>

namespace daz::PictureCache {
namespace {

QSize DeviceSize(QSize logicalSize, qreal dpr)
{
    return {std::max(1, static_cast<int>(std::lround(logicalSize.width() * dpr))),
            std::max(1, static_cast<int>(std::lround(logicalSize.height() * dpr)))};
}

// The key of a picture at a size and ratio; the prefix keeps it apart from
// what the styles keep in the same cache.
QString Key(const QString& name, QSize logicalSize, qreal dpr)
{
    static const bool limited = [] {
        QPixmapCache::setCacheLimit(std::max(QPixmapCache::cacheLimit(), kLimitKb));
        return true;
    }();
    (void)limited;
    return QStringLiteral("daz:%1:%2x%3@%4")
        .arg(name)
        .arg(logicalSize.width())
        .arg(logicalSize.height())
        .arg(dpr, 0, 'g', 10);
}

} // namespace

QPixmap Scaled(const QString& name, const QImage& source, QSize logicalSize, qreal dpr)
{
    if (logicalSize.isEmpty()) {
        return {};
    }
    const QString key = Key(name, logicalSize, dpr);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap) || source.isNull()) {
        return pixmap;
    }
    const QSize device = DeviceSize(logicalSize, dpr);
    pixmap = QPixmap::fromImage(
        device == source.size() ? source : source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap Drawn(const QString& name, QSize logicalSize, qreal dpr, QColor ground,
              const std::function<void(QPainter&)>& draw)
{
    if (logicalSize.isEmpty()) {
        return {};
    }
    const QString key = Key(name, logicalSize, dpr);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    pixmap = QPixmap(DeviceSize(logicalSize, dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(ground);
    {
        QPainter painter(&pixmap);
        draw(painter);
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace daz::PictureCache
