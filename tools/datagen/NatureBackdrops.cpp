// Landscape board backgrounds: the ocean, the sky and ink-wash mountains.
#include "BackdropScenes.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace daz::datagen::backdrop {

QImage Ocean()
{
    QImage img = NewCanvas(kBoardWidth, kBoardHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient water(0, 0, 0, kBoardHeight);
    water.setColorAt(0, Rgb(0x2f95d4));
    water.setColorAt(0.45, Rgb(0x125f9c));
    water.setColorAt(1, Rgb(0x072a4a));
    p.fillRect(kBoard, water);

    Rng rng(404);
    // Sun rays falling from the surface.
    QImage rays = NewCanvas(kBoardWidth, kBoardHeight);
    {
        QPainter rp(&rays);
        rp.setRenderHint(QPainter::Antialiasing);
        rp.setPen(Qt::NoPen);
        for (int i = 0; i < 7; ++i) {
            const double x = 60 + i * 110 + rng.Range(-30, 30);
            const double w = rng.Range(18, 46);
            const double slant = rng.Range(60, 160);
            QLinearGradient g(0, 0, 0, kBoardHeight * 0.85);
            g.setColorAt(0, QColor(255, 255, 255, 60));
            g.setColorAt(1, QColor(255, 255, 255, 0));
            rp.setBrush(g);
            QPolygonF ray;
            ray << QPointF(x, 0) << QPointF(x + w, 0) << QPointF(x + w * 2.4 + slant, kBoardHeight * 0.85)
                << QPointF(x + slant, kBoardHeight * 0.85);
            rp.drawPolygon(ray);
        }
    }
    DrawSoft(p, rays, 6);

    // The sea floor: two sand dunes.
    QPainterPath far;
    far.moveTo(0, kBoardHeight);
    far.lineTo(0, kBoardHeight - 38);
    far.cubicTo(200, kBoardHeight - 70, 380, kBoardHeight - 20, 560, kBoardHeight - 46);
    far.cubicTo(660, kBoardHeight - 60, 730, kBoardHeight - 52, kBoardWidth, kBoardHeight - 40);
    far.lineTo(kBoardWidth, kBoardHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 96, 120, 200));
    p.drawPath(far);
    QPainterPath sand;
    sand.moveTo(0, kBoardHeight);
    sand.lineTo(0, kBoardHeight - 20);
    sand.cubicTo(160, kBoardHeight - 34, 300, kBoardHeight - 8, 470, kBoardHeight - 22);
    sand.cubicTo(600, kBoardHeight - 32, 700, kBoardHeight - 14, kBoardWidth, kBoardHeight - 24);
    sand.lineTo(kBoardWidth, kBoardHeight);
    QLinearGradient sandFill(0, kBoardHeight - 34, 0, kBoardHeight);
    sandFill.setColorAt(0, Rgb(0x9c8a5c));
    sandFill.setColorAt(1, Rgb(0x5e5236));
    p.setBrush(sandFill);
    p.drawPath(sand);

    // Sea grass along the floor.
    for (int i = 0; i < 26; ++i) {
        const double x = rng.Range(0, kBoardWidth);
        const double h = rng.Range(30, 95);
        const double sway = rng.Range(-18, 18);
        QPainterPath blade;
        blade.moveTo(x, kBoardHeight);
        blade.cubicTo(x + sway, kBoardHeight - h * 0.4, x - sway, kBoardHeight - h * 0.7, x + sway * 0.6,
                      kBoardHeight - h);
        const QColor green = Mix(Rgb(0x2e8b57), Rgb(0x7cc46a), rng.Next());
        p.setPen(QPen(WithAlpha(green, 190), rng.Range(2.5, 5), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(blade);
    }

    // Bubbles rising.
    for (int i = 0; i < 70; ++i) {
        const QPointF c(rng.Range(0, kBoardWidth), rng.Range(0, kBoardHeight - 40));
        const double r = rng.Range(1.5, 7);
        p.setPen(QPen(QColor(220, 245, 255, 110), 1));
        p.setBrush(QColor(200, 235, 255, 25));
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 140));
        p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.35), r * 0.25, r * 0.25);
    }
    Vignette(p, 0.3);
    return img;
}

QImage Sky()
{
    QImage img = NewCanvas(kBoardWidth, kBoardHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kBoardHeight);
    sky.setColorAt(0, Rgb(0x2f86d6));
    sky.setColorAt(0.7, Rgb(0x7fc0ee));
    sky.setColorAt(1, Rgb(0xc4e4f7));
    p.fillRect(kBoard, sky);

    QRadialGradient sun(QPointF(kBoardWidth - 70, 60), 220);
    sun.setColorAt(0, QColor(255, 250, 214, 240));
    sun.setColorAt(0.12, QColor(255, 236, 160, 200));
    sun.setColorAt(0.4, QColor(255, 230, 160, 60));
    sun.setColorAt(1, QColor(255, 230, 160, 0));
    p.fillRect(kBoard, sun);

    Rng rng(707);
    QImage clouds = NewCanvas(kBoardWidth, kBoardHeight);
    {
        QPainter cp(&clouds);
        cp.setRenderHint(QPainter::Antialiasing);
        cp.setPen(Qt::NoPen);
        for (int i = 0; i < 14; ++i) {
            const double w = rng.Range(110, 230);
            const QRectF box(rng.Range(-60, kBoardWidth - 60), rng.Range(10, kBoardHeight - 120), w, w * 0.45);
            QLinearGradient g(box.topLeft(), box.bottomLeft());
            g.setColorAt(0, QColor(255, 255, 255, 230));
            g.setColorAt(1, QColor(214, 230, 244, 200));
            cp.setBrush(g);
            cp.drawPath(CloudPath(box));
        }
    }
    DrawSoft(p, clouds, 2);

    // Gentle hills along the bottom.
    QPainterPath hills;
    hills.moveTo(0, kBoardHeight);
    hills.lineTo(0, kBoardHeight - 26);
    hills.cubicTo(150, kBoardHeight - 60, 280, kBoardHeight - 10, 420, kBoardHeight - 34);
    hills.cubicTo(560, kBoardHeight - 58, 680, kBoardHeight - 18, kBoardWidth, kBoardHeight - 40);
    hills.lineTo(kBoardWidth, kBoardHeight);
    QLinearGradient grass(0, kBoardHeight - 60, 0, kBoardHeight);
    grass.setColorAt(0, Rgb(0x7cc06a));
    grass.setColorAt(1, Rgb(0x3f8a4a));
    p.setPen(Qt::NoPen);
    p.setBrush(grass);
    p.drawPath(hills);
    Vignette(p, 0.18);
    return img;
}

namespace {

// One mountain ridge from a few sine waves.
QPainterPath Ridge(Rng& rng, double baseY, double amplitude, double roughness)
{
    const double phases[] = {rng.Range(0, 6.3), rng.Range(0, 6.3), rng.Range(0, 6.3)};
    QPainterPath path;
    path.moveTo(0, kBoardHeight);
    for (int x = 0; x <= kBoardWidth; x += 4) {
        const double t = x / double(kBoardWidth);
        const double y = baseY
                         - amplitude
                               * (0.6 * std::sin(t * 5.1 + phases[0]) + 0.3 * std::sin(t * 11.3 + phases[1])
                                  + roughness * std::sin(t * 29.0 + phases[2]));
        path.lineTo(x, y);
    }
    path.lineTo(kBoardWidth, kBoardHeight);
    path.closeSubpath();
    return path;
}

} // namespace

QImage InkMountains()
{
    QImage img = NewCanvas(kBoardWidth, kBoardHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kBoardHeight);
    sky.setColorAt(0, Rgb(0x27313d));
    sky.setColorAt(0.55, Rgb(0x4f5f6c));
    sky.setColorAt(1, Rgb(0x6e7c86));
    p.fillRect(kBoard, sky);

    // The moon with its halo.
    const QPointF moon(kBoardWidth - 118, 92);
    QRadialGradient halo(moon, 150);
    halo.setColorAt(0, QColor(255, 246, 220, 120));
    halo.setColorAt(1, QColor(255, 246, 220, 0));
    p.fillRect(kBoard, halo);
    p.setPen(Qt::NoPen);
    p.setBrush(Rgb(0xf3ead2));
    p.drawEllipse(moon, 34, 34);

    Rng rng(808);
    const QColor layers[] = {Rgb(0x8a98a3), Rgb(0x66747f), Rgb(0x46525c), Rgb(0x262e36)};
    const double bases[] = {300, 370, 440, 510};
    for (int i = 0; i < 4; ++i) {
        QImage layer = NewCanvas(kBoardWidth, kBoardHeight);
        {
            QPainter lp(&layer);
            lp.setRenderHint(QPainter::Antialiasing);
            QLinearGradient g(0, bases[i] - 120, 0, kBoardHeight);
            g.setColorAt(0, layers[i]);
            g.setColorAt(0.75, Mix(layers[i], Rgb(0xa9b5bd), 0.35));
            g.setColorAt(1, Mix(layers[i], Rgb(0xc2ccd2), 0.55));
            lp.setPen(Qt::NoPen);
            lp.setBrush(g);
            lp.drawPath(Ridge(rng, bases[i], 70 - i * 8, 0.12 + i * 0.04));
        }
        DrawSoft(p, layer, i == 0 ? 2 : 1);
    }

    // Birds crossing the moon.
    p.setPen(QPen(QColor(30, 36, 44, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF b : {QPointF(560, 84), QPointF(590, 70), QPointF(606, 96), QPointF(540, 104)}) {
        QPainterPath bird;
        bird.moveTo(b + QPointF(-7, -2));
        bird.quadTo(b + QPointF(-3, -5), b);
        bird.quadTo(b + QPointF(3, -5), b + QPointF(7, -2));
        p.drawPath(bird);
    }

    // A red seal in the corner.
    const QRectF seal(kBoardWidth - 44, kBoardHeight - 46, 30, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(178, 34, 34, 220));
    p.drawRoundedRect(seal, 3, 3);
    DrawText(p, seal.adjusted(0, 0, 0, -15), QString::fromUtf8("霁"), SerifFont(13), Rgb(0xf6e7d2));
    DrawText(p, seal.adjusted(0, 15, 0, 0), QString::fromUtf8("岚"), SerifFont(13), Rgb(0xf6e7d2));
    Vignette(p, 0.25);
    return img;
}

} // namespace daz::datagen::backdrop
