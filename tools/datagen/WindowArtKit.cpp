#include "WindowArtKit.h"

#include "Tiles.h"

#include <algorithm>

namespace daz::datagen::windowart {

double gArtScale = 1;

QImage ArtCanvas(QSize size, const QColor& fill)
{
    QImage img = NewCanvas(size * gArtScale, fill);
    img.setDevicePixelRatio(gArtScale);
    return img;
}

QImage ArtFit(const QImage& image, QSizeF box)
{
    QImage fitted = FitInto(image, box * gArtScale);
    fitted.setDevicePixelRatio(gArtScale);
    return fitted;
}

QPainter& Smooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    return p;
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void DropShadow(QPainter& p, const QPainterPath& shape, QSize canvas, QPointF offset, int blur, int alpha)
{
    QImage layer = ArtCanvas(canvas);
    {
        QPainter lp(&layer);
        Smooth(lp);
        lp.setPen(Qt::NoPen);
        lp.setBrush(QColor(20, 24, 40, alpha));
        lp.drawPath(shape.translated(offset));
    }
    p.drawImage(0, 0, Blurred(layer, int(blur * gArtScale)));
}

QImage GlossyButton(QSize size, const QString& text, const QColor& top, const QColor& bottom, const QColor& rim,
                    double fontPx, bool menuArrow)
{
    QImage img = ArtCanvas(size);
    QPainter p(&img);
    Smooth(p);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    const double radius = std::min(size.height() / 2.0, 9.0);
    p.setPen(QPen(rim, 1));
    p.setBrush(Vertical(r, top, bottom));
    p.drawPath(RoundedRect(r, radius));
    // Gloss on the upper half.
    QRectF gloss = r.adjusted(1.5, 1.5, -1.5, -r.height() / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(gloss, QColor(255, 255, 255, 120), QColor(255, 255, 255, 20)));
    p.drawPath(RoundedRect(gloss, radius - 1.5));

    QRectF textBox = r;
    if (menuArrow) {
        textBox.setRight(r.right() - 9);
        const double cx = r.right() - 10, cy = r.center().y() + 0.5;
        QPainterPath arrow;
        arrow.moveTo(cx - 3.2, cy - 1.8);
        arrow.lineTo(cx + 3.2, cy - 1.8);
        arrow.lineTo(cx, cy + 2.2);
        arrow.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawPath(arrow);
    }
    DrawText(p, textBox.translated(0, 0.8), text, SansFont(fontPx, true), WithAlpha(rim.darker(140), 150));
    DrawText(p, textBox, text, SansFont(fontPx, true), Qt::white);
    p.end();
    return img;
}

QImage MiniTile(QSize size, const QString& emoji, const QColor& back)
{
    const TileStyle style{back, back.darker(120), Rgb(0xfff3d6), 0.06};
    QImage tile = PaintTile(size * gArtScale, style, RenderEmoji(emoji), QString());
    tile.setDevicePixelRatio(gArtScale);
    return tile;
}

void DrawRotated(QPainter& p, const QImage& image, QPointF centre, double degrees)
{
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    const QSizeF size = image.deviceIndependentSize();
    p.drawImage(QPointF(-size.width() / 2.0, -size.height() / 2.0), image);
    p.restore();
}

namespace {

QPainterPath TitlePath(const QRectF& box, const QString& text, double px)
{
    return TextPath(box, text, SerifFont(px));
}

} // namespace

void DrawTitle(QPainter& p, const QRectF& box, const QString& text, double px, const QColor& outline)
{
    const QPainterPath path = TitlePath(box, text, px);
    p.save();
    p.setPen(QPen(outline, px * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path.translated(0, px * 0.05));
    p.drawPath(path);
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.2, Rgb(0xfff2b8));
    gold.setColorAt(0.55, Rgb(0xffd04a));
    gold.setColorAt(0.9, Rgb(0xe08a12));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(path);
    p.restore();
}

} // namespace daz::datagen::windowart
