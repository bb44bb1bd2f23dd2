// The pictures around the start of the game: the splash with its loading
// bar, the mode chooser and the application's icon.
#include "WindowArtKit.h"
#include "WindowPictures.h"

#include <cmath>

namespace daz::datagen::windowart {

QImage LoadingBar()
{
    const QSize size(300, 11);
    QImage img = ArtCanvas(size, Rgb(0xd06010));
    QPainter p(&img);
    Smooth(p);
    QLinearGradient hue(0, 0, size.width(), 0);
    hue.setColorAt(0, Rgb(0xff7a2f));
    hue.setColorAt(1, Rgb(0xffc93c));
    p.fillRect(QRectF(0, 0, size.width(), size.height()), hue);
    // Candy stripes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 55));
    for (int x = -12; x < size.width() + 12; x += 12) {
        QPolygonF stripe;
        stripe << QPointF(x, size.height()) << QPointF(x + 6, size.height()) << QPointF(x + 12, 0) << QPointF(x + 6, 0);
        p.drawPolygon(stripe);
    }
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(255, 255, 255, 140));
    shade.setColorAt(0.5, QColor(255, 255, 255, 0));
    shade.setColorAt(1, QColor(120, 40, 0, 80));
    p.fillRect(img.rect(), shade);
    p.fillRect(QRectF(0, 0, size.width(), 1), Rgb(0xb85410));
    p.fillRect(QRectF(0, size.height() - 1, size.width(), 1), Rgb(0xa04a0c));
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

// The splash picture, 460 x 106, white meaning transparent.
QImage Splash(Words words)
{
    const QSize size(460, 106);
    QImage img = ArtCanvas(size);
    QPainter p(&img);
    Smooth(p);
    const QRectF banner(44, 14, 372, 78);
    const QPainterPath bannerPath = RoundedRect(banner, 39);
    QLinearGradient fill(banner.topLeft(), banner.bottomLeft());
    fill.setColorAt(0, Rgb(0x3cc3a2));
    fill.setColorAt(0.55, Rgb(0x1f8f78));
    fill.setColorAt(1, Rgb(0x146656));
    p.setPen(QPen(Rgb(0x0e4a3e), 2));
    p.setBrush(fill);
    p.drawPath(bannerPath);
    p.setPen(QPen(kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedRect(banner.adjusted(5, 5, -5, -5), 34));
    // Clouds inside the banner.
    p.save();
    p.setClipPath(bannerPath);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30));
    p.drawPath(CloudPath(QRectF(110, 58, 90, 40)));
    p.drawPath(CloudPath(QRectF(270, 8, 80, 34)));
    p.restore();

    if (words == Words::Drawn) {
        DrawTitle(p, QRectF(100, 16, 260, 56), QString::fromUtf8("霁岚连连看"), 44, Rgb(0x5a2a08));
        DrawText(p, QRectF(100, 68, 260, 18), QString::fromUtf8("找 相 同 · 连 一 连 · 消 光 光"), SansFont(12, true),
                 Rgb(0xeafff6));
    }

    // Two tiles on each end of the banner, the same picture: a pair.
    DrawRotated(p, MiniTile(QSize(48, 54), QString::fromUtf8("🐼"), Rgb(0xc8372d)), QPointF(40, 54), -12);
    DrawRotated(p, MiniTile(QSize(48, 54), QString::fromUtf8("🐼"), Rgb(0xc8372d)), QPointF(420, 54), 12);
    p.end();
    return FlattenOnKey(img, Qt::white, Rgb(0x0e4a3e));
}

// The mode chooser picture, 360 x 365, black meaning transparent.
QImage Chooser(Words words)
{
    const QSize size(360, 365);
    QImage img = ArtCanvas(size);
    QPainter p(&img);
    Smooth(p);

    // The scroll that carries the description, hung below the panel.
    const QRectF scroll(34, 318, 292, 44);
    p.setPen(QPen(Rgb(0x7a5a2a), 2));
    for (const double x : {84.0, 276.0}) {
        p.drawLine(QPointF(x, 300), QPointF(x, 320));
    }

    const QRectF panel(16, 6, 328, 300);
    const QPainterPath panelPath = RoundedRect(panel, 28);
    QLinearGradient night(panel.topLeft(), panel.bottomLeft());
    night.setColorAt(0, Rgb(0x3a3f8f));
    night.setColorAt(0.6, Rgb(0x262a66));
    night.setColorAt(1, Rgb(0x1b1e4a));
    p.setPen(QPen(kGoldDeep, 3));
    p.setBrush(night);
    p.drawPath(panelPath);
    p.setPen(QPen(WithAlpha(kGold, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedRect(panel.adjusted(7, 7, -7, -7), 22));

    // Stars and a crescent moon.
    Rng rng(360);
    p.save();
    p.setClipPath(panelPath);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF c(rng.Range(panel.left(), panel.right()), rng.Range(panel.top(), panel.bottom()));
        if (QRectF(70, 86, 220, 222).contains(c)) {
            continue;
        }
        const double s = rng.Range(0.8, 2.6);
        p.setBrush(QColor(255, 244, 200, rng.Int(90, 220)));
        p.drawPath(StarPath(c, s * 1.6, s * 0.5, 4));
    }
    QPainterPath moon;
    moon.addEllipse(QPointF(296, 44), 17, 17);
    QPainterPath bite;
    bite.addEllipse(QPointF(305, 38), 15, 15);
    p.setBrush(Rgb(0xfff1b8));
    p.drawPath(moon.subtracted(bite));
    p.restore();

    // Clouds in the lower corners.
    for (const QPointF at : {QPointF(38, 282), QPointF(282, 282)}) {
        p.setPen(QPen(WithAlpha(kGold, 190), 1.2));
        p.setBrush(QColor(70, 76, 150, 230));
        p.drawPath(CloudPath(QRectF(at.x() - 14, at.y() - 12, 42, 22)));
    }

    if (words == Words::Drawn) {
        DrawTitle(p, QRectF(20, 16, 320, 48), QString::fromUtf8("霁岚连连看"), 36, Rgb(0x3a1a08));
        DrawText(p, QRectF(20, 62, 320, 20), QString::fromUtf8("— 请选择游戏模式 —"), SansFont(13, true),
                 Rgb(0xc9cdf5));
    }

    // One dark slot with a gold rim under each entry, and an emblem at its left.
    const char* const emblems[] = {"🌱", "🎯", "🔥", "⚡", "🚪"};
    for (int i = 0; i < 5; ++i) {
        const QRectF slot(96, kEntryTops[i] - 4, 152, 37);
        p.setPen(QPen(WithAlpha(kGold, 220), 1.4));
        p.setBrush(Vertical(slot, Rgb(0x191c40), Rgb(0x11132e)));
        p.drawPath(RoundedRect(slot, 18.5));
        p.setPen(QPen(QColor(255, 255, 255, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(slot.left() + 16, slot.top() + 2.5), QPointF(slot.right() - 16, slot.top() + 2.5));
        const QPointF medal(78, slot.center().y());
        p.setPen(QPen(kGoldDeep, 1.4));
        p.setBrush(Vertical(QRectF(medal - QPointF(14, 14), QSizeF(28, 28)), Rgb(0xfff6da), Rgb(0xf1dca6)));
        p.drawEllipse(medal, 14, 14);
        const QImage emblem = ArtFit(RenderEmoji(QString::fromUtf8(emblems[i])), QSizeF(19, 19));
        const QSizeF emblemSize = emblem.deviceIndependentSize();
        p.drawImage(QPointF(std::round(medal.x() - emblemSize.width() / 2.0),
                            std::round(medal.y() - emblemSize.height() / 2.0)),
                    emblem);
    }

    // The scroll: parchment with rolled ends.
    p.setPen(QPen(Rgb(0x9a7436), 1.5));
    p.setBrush(Vertical(scroll, Rgb(0xfff6df), Rgb(0xf0dfb4)));
    p.drawRect(scroll.adjusted(8, 2, -8, -2));
    for (const double x : {scroll.left() + 2, scroll.right() - 10}) {
        const QRectF roll(x, scroll.top() - 1, 8, scroll.height() + 2);
        QLinearGradient wood(roll.topLeft(), roll.topRight());
        wood.setColorAt(0, Rgb(0x8a4b1c));
        wood.setColorAt(0.5, Rgb(0xd08a4a));
        wood.setColorAt(1, Rgb(0x7a3f14));
        p.setPen(QPen(Rgb(0x5a2e0e), 1));
        p.setBrush(wood);
        p.drawRoundedRect(roll, 3, 3);
    }
    p.end();
    return FlattenOnKey(img, Qt::black, Rgb(0x3a2a18));
}

QImage AppIcon(int size)
{
    const double s = size / 256.0;
    QImage img = NewCanvas(size, size);
    QPainter p(&img);
    Smooth(p);
    p.scale(s, s);
    const QRectF plate(8, 8, 240, 240);
    QLinearGradient g(plate.topLeft(), plate.bottomRight());
    g.setColorAt(0, Rgb(0x46d1ae));
    g.setColorAt(1, Rgb(0x137062));
    p.setPen(QPen(Rgb(0x0e4a3e), 4));
    p.setBrush(g);
    p.drawPath(RoundedRect(plate, 52));
    p.setPen(QPen(WithAlpha(kGold, 230), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedRect(plate.adjusted(12, 12, -12, -12), 42));

    p.end();
    // The link between the two tiles, glowing.
    QPainterPath link;
    link.moveTo(84, 112);
    link.lineTo(84, 46);
    link.lineTo(172, 46);
    link.lineTo(172, 150);
    QImage glow = NewCanvas(256, 256);
    {
        QPainter gp(&glow);
        Smooth(gp);
        gp.setPen(QPen(QColor(255, 250, 190, 200), 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        gp.drawPath(link);
    }
    glow = Blurred(glow, 6);
    {
        QPainter gp(&glow);
        Smooth(gp);
        gp.setPen(QPen(Rgb(0xfff07a), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        gp.drawPath(link);
        gp.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        gp.drawPath(link);
    }
    // Tiles are painted at full size, then the whole icon is scaled.
    QImage big = NewCanvas(256, 256);
    {
        QPainter bp(&big);
        Smooth(bp);
        bp.drawImage(0, 0, glow);
        const QImage tile = MiniTile(QSize(100, 112), QString::fromUtf8("🐼"), Rgb(0xc8372d));
        bp.drawImage(QPointF(30, 100), tile);
        bp.drawImage(QPointF(124, 124), tile);
    }
    QPainter q(&img);
    Smooth(q);
    q.drawImage(QRectF(0, 0, size, size),
                size == 256 ? big : big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    q.end();
    return img;
}

} // namespace daz::datagen::windowart
