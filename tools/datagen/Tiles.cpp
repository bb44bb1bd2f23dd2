#include "Tiles.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace daz::datagen {
namespace {

const QColor kIvoryTop = Rgb(0xfffdf6);
const QColor kIvoryBottom = Rgb(0xf1e9d8);
const QColor kIvoryEdge = Rgb(0xd9ccb0);

// Ink colours for the characters of a hanzi level: hues spread by the
// golden angle, at three depths so that neighbouring hues still differ.
QColor InkColour(int index)
{
    const double hue = std::fmod(index * 137.508 + 8, 360.0);
    static const double values[] = {0.62, 0.80, 0.46};
    double value = values[index % 3];
    // Yellows and greens look washed out on ivory: keep them darker.
    if (hue > 40 && hue < 170) {
        value = std::min(value, 0.58);
    }
    return QColor::fromHsvF(float(hue / 360.0), 0.88f, float(value));
}

// The theme's ornament along the face's edge, kept to the outer few
// pixels so that the symbol keeps its room.
void DrawFrame(QPainter& p, const TileShape& shape, const TileStyle& style)
{
    const QColor ink = style.rim;
    const double shortSide = std::min(shape.face.width(), shape.face.height());
    const double in = std::max(2.0, shortSide * 0.055);
    const QRectF inner = shape.face.adjusted(in, in, -in, -in);
    const double radius = std::max(1.5, shape.radius - in);
    p.save();
    p.setBrush(Qt::NoBrush);
    switch (style.frame) {
    case Frame::Plain: break;
    case Frame::DoubleLine:
        p.setPen(QPen(WithAlpha(ink, 170), std::max(1.0, shortSide * 0.02)));
        p.drawPath(RoundedRect(inner, radius));
        break;
    case Frame::Corners: {
        p.setPen(QPen(ink, std::max(1.2, shortSide * 0.03), Qt::SolidLine, Qt::RoundCap));
        const double arm = shortSide * 0.2;
        const QPointF corners[] = {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()};
        for (const QPointF& c : corners) {
            const double dx = c.x() < inner.center().x() ? arm : -arm;
            const double dy = c.y() < inner.center().y() ? arm : -arm;
            p.drawLine(c, c + QPointF(dx, 0));
            p.drawLine(c, c + QPointF(0, dy));
        }
        break;
    }
    case Frame::Dots: {
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(ink, 190));
        const double r = std::max(0.8, shortSide * 0.022);
        const int across = std::max(4, int(inner.width() / (r * 5)));
        const int down = std::max(3, int(inner.height() / (r * 5)));
        for (int i = 0; i <= across; ++i) {
            const double x = inner.left() + inner.width() * i / across;
            p.drawEllipse(QPointF(x, inner.top()), r, r);
            p.drawEllipse(QPointF(x, inner.bottom()), r, r);
        }
        for (int i = 1; i < down; ++i) {
            const double y = inner.top() + inner.height() * i / down;
            p.drawEllipse(QPointF(inner.left(), y), r, r);
            p.drawEllipse(QPointF(inner.right(), y), r, r);
        }
        break;
    }
    case Frame::Band: {
        QPainterPath band = RoundedRect(shape.face.adjusted(1, 1, -1, -1), shape.radius - 1);
        band.addPath(RoundedRect(inner, radius));
        band.setFillRule(Qt::OddEvenFill);
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(ink, 120));
        p.drawPath(band);
        break;
    }
    case Frame::Ribbon: {
        p.setClipPath(RoundedRect(shape.face.adjusted(1, 1, -1, -1), shape.radius - 1));
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(ink, 140));
        const double h = std::max(2.0, shortSide * 0.07);
        p.drawRect(QRectF(shape.face.left(), shape.face.top(), shape.face.width(), h));
        p.drawRect(QRectF(shape.face.left(), shape.face.bottom() - h, shape.face.width(), h));
        break;
    }
    }
    p.restore();
}

} // namespace

TileShape ShapeOf(QSize tile)
{
    TileShape s;
    const int shortSide = std::min(tile.width(), tile.height());
    s.depth = std::clamp(int(std::lround(shortSide * 0.075)), 2, 5);
    s.face = QRectF(0.5, 0.5, tile.width() - s.depth - 1.0, tile.height() - s.depth - 1.0);
    s.radius = std::max(3.0, shortSide * 0.14);
    return s;
}

QImage LevelSymbol(const Level& level, int index)
{
    const QString text = level.symbols.at(index);
    if (level.hanzi) {
        return RenderGlyph(text, SerifFont(160), InkColour(index));
    }
    return RenderEmoji(text);
}

QImage PaintTile(QSize size, const TileStyle& style, const QImage& symbol, const QString& caption)
{
    const TileShape shape = ShapeOf(size);
    QImage img = NewCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // The block: the ivory layer right under the face, then the coloured back.
    const int ivoryLayers = std::max(1, shape.depth / 2);
    for (int i = shape.depth; i >= 1; --i) {
        const QRectF r = shape.face.translated(i, i);
        QColor c = i <= ivoryLayers ? kIvoryEdge : style.back;
        if (i == shape.depth) {
            c = c.darker(125);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(RoundedRect(r, shape.radius));
    }

    // The face with a soft top light.
    QLinearGradient faceGradient(shape.face.topLeft(), shape.face.bottomLeft());
    faceGradient.setColorAt(0, Mix(kIvoryTop, style.face, style.tint));
    faceGradient.setColorAt(1, Mix(kIvoryBottom, style.face, std::min(1.0, style.tint + 0.08)));
    p.setBrush(faceGradient);
    p.setPen(QPen(Mix(style.rim, kIvoryBottom, 0.15), 1.0));
    p.drawPath(RoundedRect(shape.face, shape.radius));
    // A bright inner edge along the top and left.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setClipRect(QRectF(0, 0, shape.face.width() * 0.7, shape.face.height() * 0.6));
    p.drawPath(RoundedRect(shape.face.adjusted(1, 1, -1, -1), shape.radius - 1));
    p.setClipping(false);
    DrawFrame(p, shape, style);

    // The symbol, centred on the face; with a caption it moves up and the
    // caption takes a band along the bottom.
    const double inset = std::max(2.5, std::min(shape.face.width(), shape.face.height()) * 0.09);
    QRectF area = shape.face.adjusted(inset, inset, -inset, -inset);
    QRectF captionBox;
    if (!caption.isEmpty()) {
        const double band = std::round(shape.face.height() * 0.27);
        captionBox = QRectF(shape.face.left(), shape.face.bottom() - band - 1, shape.face.width(), band);
        area.setBottom(captionBox.top() + 1);
        area.setTop(area.top() - inset * 0.4);
    }
    const QImage fitted = FitInto(symbol, area.size());
    const QPointF at(std::round(area.center().x() - fitted.width() / 2.0),
                     std::round(area.center().y() - fitted.height() / 2.0));
    // A soft shade under the symbol lifts pale pictures off the ivory.
    QImage shade = NewCanvas(fitted.width() + 8, fitted.height() + 8);
    {
        QPainter sp(&shade);
        sp.drawImage(4, 4, fitted);
        sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        sp.fillRect(shade.rect(), QColor(70, 50, 30, 110));
    }
    p.drawImage(at + QPointF(-4, -3.2), Blurred(shade, 1));
    p.drawImage(at, fitted);

    if (!caption.isEmpty()) {
        DrawText(p, captionBox, caption, SansFont(captionBox.height() * 0.86, true), Rgb(0xb3202a));
    }
    p.end();
    return img;
}

QImage PaintSelectionMask(QSize size)
{
    const TileShape shape = ShapeOf(size);
    const int shortSide = std::min(size.width(), size.height());
    const double width = std::clamp(shortSide * 0.085, 3.0, 5.0);
    QImage img = NewCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = shape.face.adjusted(-0.5, -0.5, 0.5 + shape.depth * 0.0, 0.5);
    // Dark outer line, hot orange-red band, a thin golden inner line.
    QLinearGradient band(outer.topLeft(), outer.bottomRight());
    band.setColorAt(0, Rgb(0xff8a1c));
    band.setColorAt(1, Rgb(0xf0321e));
    p.setPen(Qt::NoPen);
    p.setBrush(Rgb(0x8c1a0a));
    QPainterPath ring = RoundedRect(outer, shape.radius + 0.5);
    ring.addPath(
        RoundedRect(outer.adjusted(width + 1, width + 1, -width - 1, -width - 1), std::max(1.0, shape.radius - width)));
    ring.setFillRule(Qt::OddEvenFill);
    p.drawPath(ring);
    QPainterPath inner = RoundedRect(outer.adjusted(1, 1, -1, -1), shape.radius - 0.5);
    inner.addPath(RoundedRect(outer.adjusted(width, width, -width, -width), std::max(1.0, shape.radius - width + 1)));
    inner.setFillRule(Qt::OddEvenFill);
    p.setBrush(band);
    p.drawPath(inner);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Rgb(0xffe27a), 1.0));
    p.drawPath(RoundedRect(outer.adjusted(width - 0.5, width - 0.5, -width + 0.5, -width + 0.5),
                           std::max(1.0, shape.radius - width + 1)));
    p.end();
    return img;
}

QImage PaintHoverMask(QSize size)
{
    const TileShape shape = ShapeOf(size);
    const int shortSide = std::min(size.width(), size.height());
    const double width = std::clamp(shortSide * 0.08, 3.0, 4.5);
    QImage img = NewCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = shape.face.adjusted(-0.5, -0.5, 0.5, 0.5);
    QPainterPath ring = RoundedRect(outer, shape.radius + 0.5);
    ring.addPath(RoundedRect(outer.adjusted(width, width, -width, -width), std::max(1.0, shape.radius - width)));
    ring.setFillRule(Qt::OddEvenFill);
    QLinearGradient band(outer.topLeft(), outer.bottomLeft());
    band.setColorAt(0, Rgb(0x6fd3ff));
    band.setColorAt(1, Rgb(0x1f86f0));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawPath(ring);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 235), 1.0));
    p.drawPath(RoundedRect(outer.adjusted(width - 0.5, width - 0.5, -width + 0.5, -width + 0.5),
                           std::max(1.0, shape.radius - width + 1)));
    // Little sparkles on two corners.
    const double s = std::max(2.5, shortSide * 0.09);
    p.setBrush(Rgb(0xfff6c2));
    p.setPen(QPen(Rgb(0x1f86f0), 0.8));
    p.drawPath(StarPath(QPointF(outer.left() + width * 0.7, outer.top() + width * 0.7), s, s * 0.38, 4));
    p.drawPath(StarPath(QPointF(outer.right() - width * 0.7, outer.bottom() - width * 0.7), s, s * 0.38, 4));
    p.end();
    return img;
}

} // namespace daz::datagen
