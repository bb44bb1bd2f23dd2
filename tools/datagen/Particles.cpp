#include "Particles.h"

#include "Gif.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <stdexcept>

namespace daz::datagen {

QImage PaintParticle(int effect)
{
    switch (effect) {
    case 1: { // a small five-petal flower
        QImage img = NewCanvas(24, 24);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(12, 12);
        p.setPen(QPen(Rgb(0xc2457a), 1));
        for (int i = 0; i < 5; ++i) {
            const double a = -kPi / 2 + i * 2 * kPi / 5;
            const QPointF petal = c + QPointF(std::cos(a), std::sin(a)) * 5.6;
            QRadialGradient g(petal, 6);
            g.setColorAt(0, Rgb(0xffd3e6));
            g.setColorAt(1, Rgb(0xf27aaa));
            p.setBrush(g);
            p.drawEllipse(petal, 5.4, 5.4);
        }
        p.setPen(QPen(Rgb(0xd08a10), 0.8));
        p.setBrush(Rgb(0xffd84a));
        p.drawEllipse(c, 3.2, 3.2);
        p.end();
        return FlattenForGif(img, Rgb(0xc2457a));
    }
    case 2: { // a bubble with a clear middle
        QImage img = NewCanvas(22, 22);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(11, 11);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Rgb(0x8fdcff), 2.2));
        p.drawEllipse(c, 9.2, 9.2);
        p.setPen(QPen(Rgb(0xe8fbff), 1.2));
        p.drawArc(QRectF(4.5, 4.5, 13, 13), 100 * 16, 70 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(7.2, 7.4), 1.8, 1.8);
        p.end();
        return FlattenForGif(img, Rgb(0x5fb8e8));
    }
    case 3: { // a cherry petal, tilted
        QImage img = NewCanvas(20, 16);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(10, 8);
        p.rotate(-24);
        QPainterPath petal;
        petal.moveTo(-8, 0);
        petal.cubicTo(-6, -6, 4, -7, 8, -2);
        petal.lineTo(6, 0);
        petal.lineTo(8, 2);
        petal.cubicTo(4, 7, -6, 6, -8, 0);
        QLinearGradient g(-8, 0, 8, 0);
        g.setColorAt(0, Rgb(0xf38bb4));
        g.setColorAt(1, Rgb(0xffe1ee));
        p.setPen(QPen(Rgb(0xd45f8f), 0.9));
        p.setBrush(g);
        p.drawPath(petal);
        p.end();
        return FlattenForGif(img, Rgb(0xd45f8f));
    }
    case 4: { // a fluffy cloud
        QImage img = NewCanvas(58, 32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QPainterPath cloud = CloudPath(QRectF(2, 2, 54, 28));
        QLinearGradient g(0, 2, 0, 30);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.6, Rgb(0xf4f8fc));
        g.setColorAt(1, Rgb(0xc9d8e6));
        p.setPen(QPen(Rgb(0xa9bccd), 1.2));
        p.setBrush(g);
        p.drawPath(cloud);
        p.end();
        return FlattenForGif(img, Rgb(0xa9bccd));
    }
    case 5: { // a twinkling star
        QImage img = NewCanvas(22, 22);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(11, 11.6);
        p.setPen(QPen(Rgb(0xd08a0a), 1));
        QRadialGradient g(c - QPointF(1.5, 2), 10);
        g.setColorAt(0, Rgb(0xfffbe0));
        g.setColorAt(0.45, Rgb(0xffe24a));
        g.setColorAt(1, Rgb(0xffad14));
        p.setBrush(g);
        p.drawPath(StarPath(c, 10, 4.3));
        // A glint at the upper left.
        p.setPen(Qt::NoPen);
        p.setBrush(Rgb(0xfffce8));
        p.drawPath(StarPath(QPointF(7.6, 8.6), 2.6, 0.7, 4));
        p.end();
        return FlattenForGif(img, Rgb(0xd08a0a));
    }
    default: throw std::logic_error("particle effects are numbered 1 to 5");
    }
}

void WriteParticles(const QDir& particleDir)
{
    for (int effect = 1; effect <= 5; ++effect) {
        WriteGif(PaintParticle(effect), particleDir.filePath(QStringLiteral("Particle_%1.gif").arg(effect)));
    }
}

} // namespace daz::datagen
