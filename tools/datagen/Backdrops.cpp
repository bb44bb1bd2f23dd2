#include "Backdrops.h"

#include "Gif.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace daz::datagen {
namespace {

constexpr double kPi = std::numbers::pi;
const QRectF kBoard(0, 0, kBoardWidth, kBoardHeight);

void Vignette(QPainter& p, double strength) {
  QRadialGradient g(kBoard.center(), kBoardWidth * 0.72);
  g.setColorAt(0.55, QColor(0, 0, 0, 0));
  g.setColorAt(1.0, QColor(0, 0, 0, int(255 * strength)));
  p.fillRect(kBoard, g);
}

// Draws layer onto p after blurring it, for glows and soft light.
void DrawSoft(QPainter& p, const QImage& layer, int radius) { p.drawImage(0, 0, Blurred(layer, radius)); }

// An auspicious cloud: a row of curls sitting on a long base, outlined.
QPainterPath AuspiciousCloud(QPointF at, double size) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  const double r = size;
  path.addEllipse(at + QPointF(0, 0), r, r);
  path.addEllipse(at + QPointF(r * 1.3, -r * 0.5), r * 1.2, r * 1.2);
  path.addEllipse(at + QPointF(r * 2.7, 0), r * 0.9, r * 0.9);
  path.addRoundedRect(QRectF(at.x() - r * 1.6, at.y() + r * 0.2, r * 5.6, r * 0.8), r * 0.4, r * 0.4);
  return path.simplified();
}

void DrawCurls(QPainter& p, QPointF at, double size, const QColor& colour) {
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
      if (k == 0)
        spiral.moveTo(pt);
      else
        spiral.lineTo(pt);
    }
    p.drawPath(spiral);
  }
  p.restore();
}

void CloudMotif(QPainter& p, QPointF at, double size, const QColor& fill, const QColor& line) {
  p.save();
  p.setPen(QPen(line, std::max(1.0, size * 0.12)));
  p.setBrush(fill);
  p.drawPath(AuspiciousCloud(at, size));
  DrawCurls(p, at, size, line);
  p.restore();
}

QImage RedPaper() {
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
  for (int y = 0; y <= kBoardHeight; y += 34)
    for (int x = (y / 34) % 2 ? 17 : 0; x <= kBoardWidth; x += 34)
      p.drawEllipse(QPointF(x, y), 1.6, 1.6);

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

QImage Ocean() {
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
    blade.cubicTo(x + sway, kBoardHeight - h * 0.4, x - sway, kBoardHeight - h * 0.7, x + sway * 0.6, kBoardHeight - h);
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

QImage Sky() {
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

// One mountain ridge from a few sine waves.
QPainterPath Ridge(Rng& rng, double baseY, double amplitude, double roughness) {
  const double phases[] = {rng.Range(0, 6.3), rng.Range(0, 6.3), rng.Range(0, 6.3)};
  QPainterPath path;
  path.moveTo(0, kBoardHeight);
  for (int x = 0; x <= kBoardWidth; x += 4) {
    const double t = x / double(kBoardWidth);
    const double y = baseY - amplitude * (0.6 * std::sin(t * 5.1 + phases[0]) + 0.3 * std::sin(t * 11.3 + phases[1]) +
                                          roughness * std::sin(t * 29.0 + phases[2]));
    path.lineTo(x, y);
  }
  path.lineTo(kBoardWidth, kBoardHeight);
  path.closeSubpath();
  return path;
}

QImage InkMountains() {
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

void Lantern(QPainter& p, QPointF top, double size) {
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

QImage Fireworks() {
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

QImage Velvet() {
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

} // namespace

QImage PaintBackdrop(Backdrop backdrop) {
  switch (backdrop) {
  case Backdrop::RedPaper:
    return RedPaper();
  case Backdrop::Ocean:
    return Ocean();
  case Backdrop::Sky:
    return Sky();
  case Backdrop::InkMountains:
    return InkMountains();
  case Backdrop::Fireworks:
    return Fireworks();
  case Backdrop::Velvet:
    return Velvet();
  case Backdrop::Plain:
    break;
  }
  throw std::logic_error("a plain board has no picture");
}

QColor MeanColour(const QImage& image) {
  const QImage src = image.convertToFormat(QImage::Format_RGB32);
  double r = 0, g = 0, b = 0;
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width(); ++x) {
      const QRgb c = src.pixel(x, y);
      r += qRed(c);
      g += qGreen(c);
      b += qBlue(c);
    }
  const double n = double(src.width()) * src.height();
  return QColor(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
}

QImage PaintParticle(int effect) {
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
  default:
    throw std::logic_error("particle effects are numbered 1 to 5");
  }
}

void WriteParticles(const QDir& particleDir) {
  for (int effect = 1; effect <= 5; ++effect)
    WriteGif(PaintParticle(effect), particleDir.filePath(QStringLiteral("Particle_%1.gif").arg(effect)));
}

} // namespace daz::datagen
