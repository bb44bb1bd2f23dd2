#pragma once

#include <functional>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

namespace daz::PictureCache {

// Pictures at the size and screen they are drawn at, kept in Qt's pixmap
// cache (QPixmapCache): a window that goes back to a size it had, or a
// second widget that shows the same picture at the same size, draws it
// without scaling it again. Only for the GUI thread.
//
// A picture is found by its name, its size in logical pixels and the
// device pixel ratio it is drawn at. The name stands for the source's
// pixels: give each source a name of its own ("toolbar.png" for a window
// picture; a level's folder and the picture's index for a level's tile,
// "levels/08-hanzi#3"), and where the same name may come back with other
// pixels (a level edited and read again) put something in it that changes
// with them, such as the source's QImage::cacheKey().
//
// The cache holds up to kLimitKb of pixels (other users of QPixmapCache,
// such as the styles, included), the least recently used going first; a
// pixmap that was handed out stays valid after it leaves.
//
//     const QPixmap tile = PictureCache::Scaled(QStringLiteral("levels/08-hanzi#3"), image,
//                                               QSize(48, 46), devicePixelRatioF());
//     painter.drawPixmap(at, tile); // 48 × 46 logical pixels, one to one

// The cache's limit, set on first use. A main window maximised on a screen
// of 1920 × 1080 logical pixels at twice the resolution draws the largest
// shipped level's tiles in some 3 MB, its background in 20 MB and the
// strip in 3.5 MB; the rest holds the same at the window's first size, so
// that going back and forth costs no scaling.
inline constexpr int kLimitKb = 48 * 1024;

// `source` smoothly scaled to logicalSize × dpr device pixels (each side
// rounded, at least one), its device pixel ratio set to dpr: drawn at a
// place, it covers logicalSize logical pixels. Scaled once per name, size
// and ratio: asked again, it returns the same pixmap (the same cacheKey())
// without reading `source`. A source that already has the device size is
// only converted. Null for an empty size, and for a null source when the
// key holds nothing.
QPixmap Scaled(const QString& name, const QImage& source, QSize logicalSize, qreal dpr);

// The same for a picture that is composed rather than scaled: `draw` paints
// it in logical pixels, once per name, size and ratio, onto a pixmap of
// logicalSize × dpr device pixels with that ratio, filled with `ground`
// first. An opaque ground makes a pixmap without alpha, which is laid down
// faster.
QPixmap Drawn(const QString& name, QSize logicalSize, qreal dpr, QColor ground,
              const std::function<void(QPainter&)>& draw);

} // namespace daz::PictureCache
