// Festive board backgrounds: red paper with auspicious clouds, fireworks
// over lanterns, and velvet.
#include "BackdropScenes.h"

#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace daz::datagen::backdrop {
namespace {

// An auspicious cloud: a row of curls sitting on a long base, outlined.
QPainterPath AuspiciousCloud(QPointF at, double size)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double r = size;
    path.addEllipse(at + QPointF(0, 0), r, r);
    path.addEllipse(at + QPointF(r * 1.3, -r * 0.5), r * 1.2, r * 1.2);
    path.addEllipse(at + QPointF(r * 2.7, 0), r * 0.9, r * 0.9);
    path.addRoundedRect(QRectF(at.x() - r * 1.6, at.y() + r * 0.2, r * 5.6, r * 0.8), r * 0.4, r * 0.4);
    return path.simplified();
}

void DrawCurls(QPainter& p, QPointF at, double size, const QColor& colour)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, std::max(1.2, size * 0.14), Qt::SolidLine, Qt::RoundCap));
    const QPointF centres[] = {at, at + QPointF(size * 1.3, -size * 0.5), at + QPointF(size * 2.7, 0)};
    const double radii[] = {size * 0.55, size * 0.7, size * 0.5};
    for (int i = 0; i < 3; ++i) {
        QPainterPath spiral;
        for (int k = 0; k <= 40; ++k) {
            const double t = k / 40.0;
            const double angle = kPi * 0.5 + t * kPi * 2.6;
            const double rr = radii[i] * (1 - t * 0.75);
            const QPointF pt = centres[i] + QPointF(rr * std::cos(angle), rr * std::sin(angle));
            if (k == 0) {
                spiral.moveTo(pt);
            } else {
                spiral.lineTo(pt);
            }
        }
        p.drawPath(spiral);
    }
    p.restore();
}

void CloudMotif(QPainter& p, QPointF at, double size, const QColor& fill, const QColor& line)
{
    p.save();
    p.setPen(QPen(line, std::max(1.0, size * 0.12)));
    p.setBrush(fill);
    p.drawPath(AuspiciousCloud(at, size));
    DrawCurls(p, at, size, line);
    p.restore();
}

void Lantern(QPainter& p, QPointF top, double size)
{
    const QRectF body(top.x() - size * 0.6, top.y() + size * 0.18, size * 1.2, size);
    p.setPen(Qt::NoPen);
    p.setBrush(Rgb(0xe2b23a));
    p.drawRect(QRectF(top.x() - size * 0.3, top.y(), size * 0.6, size * 0.2));
    p.drawRect(QRectF(top.x() - size * 0.3, body.bottom() - 1, size * 0.6, size * 0.18));
    QRadialGradient glow(body.center() - QPointF(size * 0.15, size * 0.15), size * 0.8);
    glow.setColorAt(0, Rgb(0xff6a3d));
    glow.setColorAt(1, Rgb(0xb3141c));
    p.setBrush(glow);
    p.drawEllipse(body);
    p.setPen(QPen(QColor(120, 10, 16, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(body.adjusted(size * 0.3, 0, -size * 0.3, 0));
    p.setPen(QPen(Rgb(0xe2b23a), 1.6));
    p.drawLine(QPointF(top.x(), body.bottom() + size * 0.16), QPointF(top.x(), body.bottom() + size * 0.55));
}

} // namespace

QImage RedPaper()
{
    QImage img = NewCanvas(kBoardWidth, kBoardHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient base(kBoard.center(), kBoardWidth * 0.7);
    base.setColorAt(0, Rgb(0xb8292c));
    base.setColorAt(1, Rgb(0x6d0e14));
    p.fillRect(kBoard, base);

    // A faint diamond lattice, like a paper-cut window.
    p.setPen(QPen(QColor(255, 210, 120, 22), 1.2));
    for (int d = -kBoardHeight; d < kBoardWidth + kBoardHeight; d += 34) {
        p.drawLine(QPointF(d, 0), QPointF(d + kBoardHeight, kBoardHeight));
        p.drawLine(QPointF(d, kBoardHeight), QPointF(d + kBoardHeight, 0));
    }
    // Small gold dots where the lattice crosses.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 120, 40));
    for (int y = 0; y <= kBoardHeight; y += 34) {
        for (int x = (y / 34) % 2 ? 17 : 0; x <= kBoardWidth; x += 34) {
            p.drawEllipse(QPointF(x, y), 1.6, 1.6);
        }
    }

    // Double gold frame with square corners.
    const QColor gold(236, 190, 96, 200);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 2));
    p.drawRect(kBoard.adjusted(9, 9, -9, -9));
    p.setPen(QPen(WithAlpha(gold, 140), 1));
    p.drawRect(kBoard.adjusted(15, 15, -15, -15));
    p.setPen(QPen(gold, 2));
    for (const QPointF c : {QPointF(9, 9), QPointF(kBoardWidth - 9, 9), QPointF(9, kBoardHeight - 9),
                            QPointF(kBoardWidth - 9, kBoardHeight - 9)}) {
        p.setBrush(Rgb(0x8e1b1b));
        p.drawRect(QRectF(c.x() - 7, c.y() - 7, 14, 14));
        p.drawRect(QRectF(c.x() - 3, c.y() - 3, 6, 6));
    }

    // Clouds in the four corners.
    const QColor cloudFill(200, 60, 50, 120), cloudLine(240, 196, 104, 170);
    CloudMotif(p, QPointF(62, 52), 15, cloudFill, cloudLine);
    CloudMotif(p, QPointF(kBoardWidth - 108, 48), 13, cloudFill, cloudLine);
    CloudMotif(p, QPointF(58, kBoardHeight - 40), 13, cloudFill, cloudLine);
    CloudMotif(p, QPointF(kBoardWidth - 112, kBoardHeight - 44), 15, cloudFill, cloudLine);
    Vignette(p, 0.35);
    return img;
}

QImage Fireworks()
{
    QImage img = NewCanvas(kBoardWidth, kBoardHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, kBoardHeight);
    night.setColorAt(0, Rgb(0x12082a));
    night.setColorAt(0.7, Rgb(0x2c0c34));
    night.setColorAt(1, Rgb(0x4a0f28));
    p.fillRect(kBoard, night);

    Rng rng(1010);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        p.setBrush(QColor(255, 255, 255, rng.Int(40, 150)));
        const double r = rng.Range(0.5, 1.3);
        p.drawEllipse(QPointF(rng.Range(0, kBoardWidth), rng.Range(0, kBoardHeight * 0.8)), r, r);
    }

    const QColor colours[] = {Rgb(0xffd24a), Rgb(0xff5a5f), Rgb(0xff8fd0), Rgb(0x7fe3ff), Rgb(0xa6ff7a), Rgb(0xffa23a)};
    QImage bursts = NewCanvas(kBoardWidth, kBoardHeight);
    {
        QPainter bp(&bursts);
        bp.setRenderHint(QPainter::Antialiasing);
        const QPointF centres[] = {{110, 120}, {660, 110}, {400, 70}, {230, 330}, {590, 340}, {90, 460}, {720, 470}};
        for (int i = 0; i < 7; ++i) {
            const QColor c = colours[i % 6];
            const double radius = rng.Range(55, 95);
            const int rays = 28;
            for (int k = 0; k < rays; ++k) {
                const double angle = 2 * kPi * k / rays + rng.Range(-0.05, 0.05);
                const double len = radius * rng.Range(0.8, 1.05);
                for (int d = 0; d < 6; ++d) {
                    const double t = 0.3 + d * 0.14;
                    const QPointF pt = centres[i] + QPointF(std::cos(angle), std::sin(angle)) * len * t;
                    bp.setPen(Qt::NoPen);
                    bp.setBrush(WithAlpha(c, int(220 * (1 - d * 0.12))));
                    const double r = 1.8 - d * 0.18;
                    bp.drawEllipse(pt, r, r);
                }
            }
            bp.setBrush(WithAlpha(c, 200));
            bp.drawEllipse(centres[i], 3, 3);
        }
    }
    DrawSoft(p, bursts, 4);
    p.drawImage(0, 0, bursts);

    // A string of lanterns across the top.
    p.setPen(QPen(QColor(90, 50, 30), 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath rope;
    rope.moveTo(-10, 6);
    rope.quadTo(kBoardWidth / 2.0, 40, kBoardWidth + 10, 6);
    p.drawPath(rope);
    for (int i = 1; i <= 7; ++i) {
        const double t = i / 8.0;
        const double x = -10 + t * (kBoardWidth + 20);
        const double y = (1 - t) * (1 - t) * 6 + 2 * (1 - t) * t * 40 + t * t * 6;
        Lantern(p, QPointF(x, y), 20);
    }
    Vignette(p, 0.25);
    return img;
}

QImage Velvet()
{
    QImage img = NewCanvas(kBoardWidth, kBoardHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient base(QPointF(kBoardWidth * 0.5, kBoardHeight * 0.42), kBoardWidth * 0.75);
    base.setColorAt(0, Rgb(0x4b2c83));
    base.setColorAt(0.6, Rgb(0x2a1850));
    base.setColorAt(1, Rgb(0x120a24));
    p.fillRect(kBoard, base);

    // Quilted diamonds.
    p.setPen(QPen(QColor(190, 160, 255, 20), 1));
    for (int d = -kBoardHeight; d < kBoardWidth + kBoardHeight; d += 40) {
        p.drawLine(QPointF(d, 0), QPointF(d + kBoardHeight, kBoardHeight));
        p.drawLine(QPointF(d, kBoardHeight), QPointF(d + kBoardHeight, 0));
    }

    Rng rng(1313);
    QImage glow = NewCanvas(kBoardWidth, kBoardHeight);
    QPainter gp(&glow);
    gp.setRenderHint(QPainter::Antialiasing);
    gp.setPen(Qt::NoPen);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 80; ++i) {
        const QPointF c(rng.Range(0, kBoardWidth), rng.Range(0, kBoardHeight));
        const double s = rng.Range(1.5, 6.5);
        const QColor colour = rng.Next() < 0.5 ? QColor(255, 236, 170) : QColor(220, 210, 255);
        gp.setBrush(WithAlpha(colour, 150));
        gp.drawEllipse(c, s * 1.4, s * 1.4);
        p.setBrush(WithAlpha(colour, 230));
        p.drawPath(StarPath(c, s, s * 0.28, 4));
    }
    gp.end();
    DrawSoft(p, glow, 4);
    Vignette(p, 0.3);
    return img;
}

} // namespace daz::datagen::backdrop
