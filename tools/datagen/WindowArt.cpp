#include "WindowArt.h"

#include "Backdrops.h"
#include "Files.h"
#include "Levels.h"
#include "Paint.h"
#include "Tiles.h"
#include "ToolWindowLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <vector>

namespace daz::datagen {
namespace {

constexpr double kPi = std::numbers::pi;

// The house colours shared by all window pictures.
const QColor kJade = Rgb(0x2fae8f);
const QColor kJadeDeep = Rgb(0x1b7a64);
const QColor kGold = Rgb(0xe9b949);
const QColor kGoldDeep = Rgb(0xb9831c);
const QColor kOrange = Rgb(0xff9a3c);
const QColor kOrangeDeep = Rgb(0xe2661a);
const QColor kIndigo = Rgb(0x2b2f6b);
const QColor kInk = Rgb(0x33404f);

// Where the pointer's hot spot lies in pointer.png.
constexpr int kPointerHotX = 9;
constexpr int kPointerHotY = 1;

// The windows' pictures are also drawn at twice the resolution, for screens
// that scale by more than one: the same drawing in the same units, on a
// canvas with twice the pixels.
double gArtScale = 1;

QImage ArtCanvas(QSize size, const QColor& fill = Qt::transparent) {
  QImage img = NewCanvas(size * gArtScale, fill);
  img.setDevicePixelRatio(gArtScale);
  return img;
}

// A glyph picture fitted into a box of the drawing's units.
QImage ArtFit(const QImage& image, QSizeF box) {
  QImage fitted = FitInto(image, box * gArtScale);
  fitted.setDevicePixelRatio(gArtScale);
  return fitted;
}

QPainter& Smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  return p;
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

// A soft drop shadow of a shape, drawn before the shape itself.
void DropShadow(QPainter& p, const QPainterPath& shape, QSize canvas, QPointF offset, int blur, int alpha) {
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

// A glossy rounded button face with centred text.
QImage GlossyButton(QSize size, const QString& text, const QColor& top, const QColor& bottom, const QColor& rim,
                    double fontPx, bool menuArrow = false) {
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

// --- Main window -------------------------------------------------------

QImage Digit(int digit) {
  QImage img = ArtCanvas(QSize(15, 13));
  QPainter p(&img);
  Smooth(p);
  const QRectF r(0.5, 0.5, 14, 12);
  p.setPen(QPen(Rgb(0x0f1522), 1));
  p.setBrush(Vertical(r, Rgb(0x33405e), Rgb(0x161d30)));
  p.drawPath(RoundedRect(r, 2.5));
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawLine(QPointF(2.5, 1.5), QPointF(12.5, 1.5));
  // A hairline across the middle, like a flip counter.
  p.setPen(QPen(QColor(0, 0, 0, 90), 1));
  p.drawLine(QPointF(1, 6.5), QPointF(14, 6.5));
  QFont font = SansFont(13, true);
  p.setFont(font);
  QLinearGradient amber(0, 2, 0, 11);
  amber.setColorAt(0, Rgb(0xffe27a));
  amber.setColorAt(1, Rgb(0xff9f1c));
  p.setPen(QPen(QBrush(amber), 1));
  p.drawText(QRectF(0, -0.5, 15, 13), Qt::AlignCenter, QString::number(digit));
  p.end();
  return img;
}

enum class State { Paused, TimedOut, Cleared };

QImage StatePicture(State state) {
  const QSize size(320, 200);
  QImage img = ArtCanvas(size);
  QPainter p(&img);
  Smooth(p);
  const QRectF card(10, 8, 300, 178);
  const QPainterPath cardPath = RoundedRect(card, 20);
  DropShadow(p, cardPath, size, QPointF(0, 4), 4, 120);

  QColor top, bottom, rim, title;
  QString emoji, heading, line;
  switch (state) {
  case State::Paused:
    top = Rgb(0xf1f8ff), bottom = Rgb(0xc9e2fa), rim = Rgb(0x6fa6dc), title = Rgb(0x245a9e);
    emoji = QString::fromUtf8("🫖"), heading = QString::fromUtf8("暂停"), line = QString::fromUtf8("喝口茶，歇一歇 — 点击继续");
    break;
  case State::TimedOut:
    top = Rgb(0xfff4ef), bottom = Rgb(0xffd6c7), rim = Rgb(0xe0826a), title = Rgb(0xc0392b);
    emoji = QString::fromUtf8("⌛"), heading = QString::fromUtf8("时间到！"), line = QString::fromUtf8("点“重新开始”再来一次");
    break;
  case State::Cleared:
    top = Rgb(0xfffbe8), bottom = Rgb(0xffe39a), rim = Rgb(0xdca234), title = Rgb(0xd0541a);
    emoji = QString::fromUtf8("🏆"), heading = QString::fromUtf8("过关！"), line = QString::fromUtf8("点击进入下一关");
    break;
  }
  p.setPen(QPen(rim, 2));
  p.setBrush(Vertical(card, top, bottom));
  p.drawPath(cardPath);
  p.setPen(QPen(WithAlpha(Qt::white, 170), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(RoundedRect(card.adjusted(5, 5, -5, -5), 16));

  Rng rng(state == State::Paused ? 11 : state == State::TimedOut ? 12 : 13);
  p.save();
  p.setClipPath(cardPath);
  if (state == State::Cleared) {
    // Confetti.
    const QColor colours[] = {Rgb(0xff6b6b), Rgb(0x4dabf7), Rgb(0x51cf66), Rgb(0xfcc419), Rgb(0xcc5de8)};
    for (int i = 0; i < 46; ++i) {
      const QPointF c(rng.Range(card.left(), card.right()), rng.Range(card.top(), card.bottom()));
      if (QRectF(128, 40, 170, 110).contains(c))
        continue;
      p.save();
      p.translate(c);
      p.rotate(rng.Range(0, 180));
      p.setPen(Qt::NoPen);
      p.setBrush(WithAlpha(colours[i % 5], 200));
      p.drawRoundedRect(QRectF(-3.5, -1.6, 7, 3.2), 1, 1);
      p.restore();
    }
  } else {
    // Quiet dots pattern.
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(rim, 40));
    for (int y = 18; y < 190; y += 14)
      for (int x = (y / 14) % 2 ? 17 : 24; x < 312; x += 14)
        p.drawEllipse(QPointF(x, y), 1.6, 1.6);
  }
  p.restore();

  // The picture at the left, on a round medallion.
  const QPointF medal(80, 96);
  QRadialGradient glow(medal, 56);
  glow.setColorAt(0, QColor(255, 255, 255, 250));
  glow.setColorAt(0.75, QColor(255, 255, 255, 200));
  glow.setColorAt(1, WithAlpha(rim, 90));
  p.setPen(QPen(WithAlpha(rim, 170), 2));
  p.setBrush(glow);
  p.drawEllipse(medal, 50, 50);
  const QImage symbol = ArtFit(RenderEmoji(emoji), QSizeF(66, 66));
  const QSizeF symbolSize = symbol.deviceIndependentSize();
  p.drawImage(QPointF(medal.x() - symbolSize.width() / 2.0, medal.y() - symbolSize.height() / 2.0), symbol);

  const QRectF text(138, 40, 164, 70);
  DrawText(p, text, heading, SansFont(heading.size() > 2 ? 36 : 42, true), title, WithAlpha(Qt::white, 230), 3);
  DrawText(p, QRectF(130, 116, 178, 26), line, SansFont(line.size() > 10 ? 13 : 16, true), Mix(title, kInk, 0.4));
  if (state == State::Paused) {
    // A small pause sign under the text.
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(title, 200));
    p.drawRoundedRect(QRectF(211, 148, 6, 18), 2, 2);
    p.drawRoundedRect(QRectF(223, 148, 6, 18), 2, 2);
  } else if (state == State::Cleared) {
    p.setPen(QPen(kGoldDeep, 1));
    p.setBrush(kGold);
    for (int i = 0; i < 3; ++i)
      p.drawPath(StarPath(QPointF(196 + i * 24, 158), i == 1 ? 11 : 8.5, i == 1 ? 4.6 : 3.6));
  } else {
    p.setPen(QPen(WithAlpha(title, 200), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    // A "go again" arrow circle.
    p.drawArc(QRectF(209, 145, 22, 22), 60 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(231.5, 149);
    head.lineTo(232, 157);
    head.lineTo(224.5, 153.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(title, 200));
    p.drawPath(head);
  }
  p.end();
  return img;
}

// The toolbar strip, 1007 x 59. Texts lie on it at these places (pixels):
// top row, y 8..20: commands from x 208 to 544; toggles at 576 and 672;
// a credit at 888. Bottom row, y 40..52: captions and values from x 40,
// score digits at 224..336, the time bar at 560..760, a credit at 832.
QImage Toolbar() {
  const QSize size(1007, 59);
  QImage img = ArtCanvas(size);
  QPainter p(&img);
  Smooth(p);
  const QRectF all(0, 0, size.width(), size.height());
  QLinearGradient base(0, 0, 0, size.height());
  base.setColorAt(0, Rgb(0xfdfefe));
  base.setColorAt(0.48, Rgb(0xeef5fb));
  base.setColorAt(0.52, Rgb(0xe6f0f8));
  base.setColorAt(1, Rgb(0xdbe8f3));
  p.fillRect(all, base);

  // Top row: a soft pill behind the command labels.
  const QRectF commands(198, 3.5, 356, 22);
  p.setPen(QPen(QColor(160, 190, 215, 150), 1));
  p.setBrush(Vertical(commands, QColor(255, 255, 255, 230), QColor(238, 245, 251, 230)));
  p.drawPath(RoundedRect(commands, 11));

  // Bottom row: the sunken well of the score digits and of the time bar.
  const QRectF digits(220.5, 36.5, 135, 19);
  p.setPen(QPen(Rgb(0x8aa4bd), 1));
  p.setBrush(Vertical(digits, Rgb(0x1e2740), Rgb(0x2d3a58)));
  p.drawPath(RoundedRect(digits, 4));
  const QRectF bar(557.5, 35.5, 205, 21);
  p.setBrush(Vertical(bar, Rgb(0xc9d6e2), Rgb(0xeaf1f7)));
  p.drawPath(RoundedRect(bar, 5));
  p.setPen(QPen(QColor(0, 0, 0, 40), 1));
  p.drawLine(QPointF(bar.left() + 4, bar.top() + 1.5), QPointF(bar.right() - 4, bar.top() + 1.5));

  // Thin dividers between groups.
  p.setPen(QPen(QColor(150, 175, 200, 120), 1));
  for (const double x : {190.5, 563.5, 760.5, 822.5})
    p.drawLine(QPointF(x, x > 800 ? 34 : 6), QPointF(x, x > 800 ? 55 : 24));
  p.drawLine(QPointF(8, 30.5), QPointF(size.width() - 8, 30.5));

  // A small decoration in the free space at the top right: linked tiles.
  const QPointF tileA(772, 6), tileB(830, 6);
  for (const QPointF at : {tileA, tileB}) {
    p.setPen(QPen(Rgb(0x9bb4c8), 1));
    p.setBrush(Vertical(QRectF(at, QSizeF(16, 18)), Rgb(0xfffdf6), Rgb(0xf0e6d2)));
    p.drawPath(RoundedRect(QRectF(at + QPointF(0.5, 2.5), QSizeF(15, 16)), 3));
  }
  const QImage flower = FitInto(RenderEmoji(QString::fromUtf8("🌸")), QSizeF(11, 11));
  p.drawImage(tileA + QPointF(3, 5), flower);
  p.drawImage(tileB + QPointF(3, 5), flower);
  p.setPen(QPen(kOrange, 1.4, Qt::DashLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath arc;
  arc.moveTo(tileA + QPointF(16, 10));
  arc.cubicTo(tileA + QPointF(30, 0), tileB + QPointF(-14, 0), tileB + QPointF(0, 10));
  p.drawPath(arc);

  // The bottom edge: jade to gold.
  QLinearGradient edge(0, 0, size.width(), 0);
  edge.setColorAt(0, kJade);
  edge.setColorAt(0.5, Rgb(0x7fc8b4));
  edge.setColorAt(1, kGold);
  p.fillRect(QRectF(0, size.height() - 2, size.width(), 2), edge);
  p.fillRect(QRectF(0, 0, size.width(), 1), QColor(255, 255, 255, 200));
  p.end();
  return img;
}

QImage Pointer() {
  QImage img = NewCanvas(32, 32);
  QPainter p(&img);
  Smooth(p);
  QPainterPath hand;
  hand.setFillRule(Qt::WindingFill);
  hand.addRoundedRect(QRectF(6.8, 1, 5.4, 17), 2.7, 2.7);     // index finger
  hand.addRoundedRect(QRectF(11.6, 9.5, 5, 10), 2.5, 2.5);    // middle finger
  hand.addRoundedRect(QRectF(16, 11, 4.8, 9), 2.4, 2.4);      // ring finger
  hand.addRoundedRect(QRectF(20.2, 12.5, 4.6, 8), 2.3, 2.3);  // little finger
  hand.addRoundedRect(QRectF(6.8, 15, 18, 11.5), 4, 4);       // palm
  QPainterPath thumb;
  thumb.moveTo(8, 17);
  thumb.cubicTo(5, 14.5, 2, 14, 1.6, 16.4);
  thumb.cubicTo(1.3, 18.5, 5, 21.5, 7.5, 24);
  thumb.closeSubpath();
  hand = hand.united(thumb).simplified();

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawPath(hand.translated(1.2, 1.2));
  QLinearGradient skin(0, 0, 24, 28);
  skin.setColorAt(0, Rgb(0xfffaf0));
  skin.setColorAt(1, Rgb(0xffd9a6));
  p.setPen(QPen(Rgb(0x3b2a1e), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(skin);
  p.drawPath(hand);
  // Knuckle creases.
  p.setPen(QPen(Rgb(0x9a6f4a), 0.9, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14.1, 15.5), QPointF(14.1, 18.5));
  p.drawLine(QPointF(18.4, 16.5), QPointF(18.4, 19.2));
  p.drawLine(QPointF(22.5, 17.5), QPointF(22.5, 19.6));
  // The cuff.
  const QRectF cuff(7.5, 25.5, 16.5, 5.5);
  p.setPen(QPen(Rgb(0x12584a), 1));
  p.setBrush(Vertical(cuff, kJade, kJadeDeep));
  p.drawRoundedRect(cuff, 1.5, 1.5);
  p.end();
  return img;
}

QImage TimeBar() {
  const QSize size(200, 17);
  QImage img = ArtCanvas(size, Qt::white);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient hue(0, 0, size.width(), 0);
  hue.setColorAt(0, Rgb(0xf0503c));
  hue.setColorAt(0.3, Rgb(0xffa928));
  hue.setColorAt(0.6, Rgb(0xc4dc3a));
  hue.setColorAt(1, Rgb(0x2fb86f));
  p.fillRect(img.rect(), hue);
  // Light from above and a darker lower edge; the bar is only ever
  // stretched sideways, so these keep their shape.
  QLinearGradient shade(0, 0, 0, size.height());
  shade.setColorAt(0, QColor(255, 255, 255, 150));
  shade.setColorAt(0.45, QColor(255, 255, 255, 40));
  shade.setColorAt(0.55, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(0, 0, 0, 70));
  p.fillRect(img.rect(), shade);
  p.fillRect(QRectF(0, 0, size.width(), 1), QColor(255, 255, 255, 160));
  p.fillRect(QRectF(0, size.height() - 1, size.width(), 1), QColor(0, 0, 0, 80));
  p.end();
  return img.convertToFormat(QImage::Format_RGB32);
}

QImage LoadingBar() {
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

// A small tile for the title pictures, drawn like the game's tiles.
QImage MiniTile(QSize size, const QString& emoji, const QColor& back) {
  const TileStyle style{back, back.darker(120), Rgb(0xfff3d6), 0.06};
  QImage tile = PaintTile(size * gArtScale, style, RenderEmoji(emoji), QString());
  tile.setDevicePixelRatio(gArtScale);
  return tile;
}

void DrawRotated(QPainter& p, const QImage& image, QPointF centre, double degrees) {
  p.save();
  p.translate(centre);
  p.rotate(degrees);
  const QSizeF size = image.deviceIndependentSize();
  p.drawImage(QPointF(-size.width() / 2.0, -size.height() / 2.0), image);
  p.restore();
}

QPainterPath TitlePath(const QRectF& box, const QString& text, double px) {
  return TextPath(box, text, SerifFont(px));
}

// The game's name in gold with a dark outline.
void DrawTitle(QPainter& p, const QRectF& box, const QString& text, double px, const QColor& outline) {
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

// The splash picture, 460 x 106, white meaning transparent.
QImage Splash() {
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

  DrawTitle(p, QRectF(100, 16, 260, 56), QString::fromUtf8("霁岚连连看"), 44, Rgb(0x5a2a08));
  DrawText(p, QRectF(100, 68, 260, 18), QString::fromUtf8("找 相 同 · 连 一 连 · 消 光 光"), SansFont(12, true),
           Rgb(0xeafff6));

  // Two tiles on each end of the banner, the same picture: a pair.
  DrawRotated(p, MiniTile(QSize(48, 54), QString::fromUtf8("🐼"), Rgb(0xc8372d)), QPointF(40, 54), -12);
  DrawRotated(p, MiniTile(QSize(48, 54), QString::fromUtf8("🐼"), Rgb(0xc8372d)), QPointF(420, 54), 12);
  p.end();
  return FlattenOnKey(img, Qt::white, Rgb(0x0e4a3e));
}

// Where the mode chooser's labels lie (pixels): five entries 120 x 29 at
// x 112 and these tops; the description 257 x 25 at (48, 328).
constexpr int kEntryTops[] = {96, 140, 184, 228, 272};

// The mode chooser picture, 360 x 365, black meaning transparent.
QImage Chooser() {
  const QSize size(360, 365);
  QImage img = ArtCanvas(size);
  QPainter p(&img);
  Smooth(p);

  // The scroll that carries the description, hung below the panel.
  const QRectF scroll(34, 318, 292, 44);
  p.setPen(QPen(Rgb(0x7a5a2a), 2));
  for (const double x : {84.0, 276.0})
    p.drawLine(QPointF(x, 300), QPointF(x, 320));

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
    if (QRectF(70, 86, 220, 222).contains(c))
      continue;
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

  DrawTitle(p, QRectF(20, 16, 320, 48), QString::fromUtf8("霁岚连连看"), 36, Rgb(0x3a1a08));
  DrawText(p, QRectF(20, 62, 320, 20), QString::fromUtf8("— 请选择游戏模式 —"), SansFont(13, true), Rgb(0xc9cdf5));

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

// --- Level tools -------------------------------------------------------

using toolwindow::Rect;

QRectF ToF(const Rect& r) { return QRectF(r.x, r.y, r.width, r.height); }

// A sunken frame just outside a control's rectangle.
void Well(QPainter& p, const Rect& r) {
  const QRectF box = ToF(r).adjusted(-2.5, -2.5, 2.5, 2.5);
  p.setPen(QPen(Rgb(0xa9b9c8), 1));
  p.setBrush(Rgb(0xffffff));
  p.drawPath(RoundedRect(box, 4));
  p.setPen(QPen(QColor(0, 30, 60, 40), 1));
  p.drawLine(QPointF(box.left() + 3, box.top() + 1.5), QPointF(box.right() - 3, box.top() + 1.5));
}

void Caption(QPainter& p, const Rect& field, const QString& text, double right = -1) {
  const double r = right < 0 ? field.x - 10 : right;
  DrawText(p, QRectF(r - 100, field.y - 2, 100, field.height + 4), text, SansFont(13, true), kInk, Qt::transparent,
           0, Qt::AlignRight | Qt::AlignVCenter);
}

void Note(QPainter& p, const QRectF& box, const QString& text) {
  DrawText(p, box, text, SansFont(11), Rgb(0x7a8796), Qt::transparent, 0, Qt::AlignLeft | Qt::AlignVCenter);
}

QImage ToolBackground(int width, int height, int buttonsTop, const QString& title, const QString& subtitle,
                      const QString& emoji) {
  QImage img = ArtCanvas(QSize(width, height));
  QPainter p(&img);
  Smooth(p);
  const QRectF all(0, 0, width, height);
  p.fillRect(all, Vertical(all, Rgb(0xfbfdff), Rgb(0xe5eef6)));
  // A quiet lattice of dots.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 150, 180, 28));
  for (int y = 76; y < height; y += 16)
    for (int x = (y / 16) % 2 ? 8 : 16; x < width; x += 16)
      p.drawEllipse(QPointF(x, y), 1.1, 1.1);

  // The header band.
  const QRectF band(0, 0, width, 64);
  QLinearGradient header(band.topLeft(), band.bottomLeft());
  header.setColorAt(0, Rgb(0x3cc3a2));
  header.setColorAt(1, Rgb(0x17806a));
  p.fillRect(band, header);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 28));
  p.drawPath(CloudPath(QRectF(width - 150, 6, 110, 44)));
  p.drawPath(CloudPath(QRectF(width - 250, 26, 80, 34)));
  p.fillRect(QRectF(0, 62, width, 2), kGold);
  p.fillRect(QRectF(0, 64, width, 1), QColor(0, 0, 0, 40));

  // An emblem tile and the title.
  const QImage tile = MiniTile(QSize(40, 44), emoji, Rgb(0xc8372d));
  DrawRotated(p, tile, QPointF(40, 32), -8);
  DrawText(p, QRectF(72, 8, width - 80, 30), title, SansFont(21, true), Qt::white, QColor(10, 70, 58, 200), 1.6,
           Qt::AlignLeft | Qt::AlignVCenter);
  DrawText(p, QRectF(73, 37, width - 80, 18), subtitle, SansFont(12), Rgb(0xe4fff7), Qt::transparent, 0,
           Qt::AlignLeft | Qt::AlignVCenter);

  // Footer line above the buttons.
  p.fillRect(QRectF(20, buttonsTop - 10, width - 40, 1), QColor(150, 175, 200, 120));
  p.end();
  return img;
}

QImage EditorBackground() {
  namespace e = toolwindow::editor;
  QImage img = ToolBackground(e::kWidth, e::kHeight, e::ComOK.y, QString::fromUtf8("霁岚关卡编辑器"),
                              QString::fromUtf8("用你准备好的图片，做一个全新的关卡"), QString::fromUtf8("🎨"));
  QPainter p(&img);
  Smooth(p);
  for (const Rect& r : {e::txtGName, e::txtGPath, e::txtGPhotoSum, e::txtGMaxX, e::txtGMaxY, e::picGBackColor,
                        e::txtGGameBack, e::txtGMedia, e::CobList, e::txtQM})
    Well(p, r);
  Caption(p, e::txtGName, QString::fromUtf8("关卡名称"));
  Caption(p, e::txtGPath, QString::fromUtf8("图片目录"));
  Caption(p, e::txtGPhotoSum, QString::fromUtf8("图片张数"));
  Caption(p, e::txtGMaxX, QString::fromUtf8("横向列数"));
  Caption(p, e::txtGMaxY, QString::fromUtf8("纵向行数"));
  Caption(p, e::picGBackColor, QString::fromUtf8("背景颜色"));
  Caption(p, e::txtGGameBack, QString::fromUtf8("背景图片"));
  Caption(p, e::txtGMedia, QString::fromUtf8("背景音乐"));
  Caption(p, e::CobList, QString::fromUtf8("飘动效果"));
  Caption(p, e::txtQM, QString::fromUtf8("制 作 者"));
  Note(p, QRectF(e::txtGPhotoSum.x + e::txtGPhotoSum.width + 10, e::txtGPhotoSum.y, 240, e::txtGPhotoSum.height),
       QString::fromUtf8("张，不含 mb1.gif 和 mb2.gif，至少 10 张"));
  Note(p, QRectF(e::txtGMaxX.x, e::txtGMaxX.y + e::txtGMaxX.height + 4, 280, 16),
       QString::fromUtf8("列数、行数为 1～19，至少一个是偶数"));
  Note(p, QRectF(e::picGBackColor.x + e::picGBackColor.width + 10, e::picGBackColor.y, 240, e::picGBackColor.height),
       QString::fromUtf8("点色块选择颜色；有背景图片时用图片"));
  Note(p, QRectF(e::txtQM.x + e::txtQM.width + 10, e::txtQM.y, 120, e::txtQM.height), QString::fromUtf8("可以不填"));
  p.end();
  return img.convertToFormat(QImage::Format_RGB32);
}

QImage ModifierBackground() {
  namespace m = toolwindow::modifier;
  QImage img = ToolBackground(m::kWidth, m::kHeight, m::ComOK.y, QString::fromUtf8("霁岚关卡修改器"),
                              QString::fromUtf8("调整关卡的大小、背景、音乐和飘动效果"), QString::fromUtf8("🔧"));
  QPainter p(&img);
  Smooth(p);
  for (const Rect& r : {m::cobGKName, m::txtMaxX, m::txtMaxY, m::picGBackColor, m::txtGGameBack, m::txtGMedia, m::CobList})
    Well(p, r);
  Caption(p, m::cobGKName, QString::fromUtf8("选择关卡"));
  Caption(p, m::txtMaxX, QString::fromUtf8("横向列数"));
  Caption(p, m::txtMaxY, QString::fromUtf8("纵向行数"));
  Caption(p, m::picGBackColor, QString::fromUtf8("背景颜色"));
  Caption(p, m::txtGGameBack, QString::fromUtf8("背景图片"));
  Caption(p, m::txtGMedia, QString::fromUtf8("背景音乐"));
  Caption(p, m::CobList, QString::fromUtf8("飘动效果"));
  Note(p, QRectF(m::txtMaxX.x, m::txtMaxX.y + m::txtMaxX.height + 4, 280, 16),
       QString::fromUtf8("列数、行数为 1～19，至少一个是偶数"));
  Note(p, QRectF(m::picGBackColor.x + m::picGBackColor.width + 10, m::picGBackColor.y, 240, m::picGBackColor.height),
       QString::fromUtf8("点色块选择颜色；有背景图片时用图片"));
  p.end();
  return img.convertToFormat(QImage::Format_RGB32);
}

QImage OpenButton(bool hover) {
  const QSize size(toolwindow::kOpenButtonWidth, toolwindow::kOpenButtonHeight);
  QImage img = hover ? GlossyButton(size, QString(), Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 12)
                     : GlossyButton(size, QString(), Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 12);
  QPainter p(&img);
  Smooth(p);
  // A folder.
  const QRectF folder(7.5, 7, 15, 11);
  p.setPen(QPen(Rgb(0x8a5a10), 1));
  p.setBrush(Rgb(0xffd666));
  QPainterPath tab;
  tab.moveTo(folder.left(), folder.top() + 2);
  tab.lineTo(folder.left(), folder.top() - 1);
  tab.lineTo(folder.left() + 5, folder.top() - 1);
  tab.lineTo(folder.left() + 6.5, folder.top() + 1);
  tab.lineTo(folder.right(), folder.top() + 1);
  tab.lineTo(folder.right(), folder.top() + 3);
  p.drawPath(tab);
  p.setBrush(Vertical(folder, Rgb(0xffe89a), Rgb(0xf5b83a)));
  QPainterPath front;
  front.moveTo(folder.left(), folder.bottom());
  front.lineTo(folder.left() + 1.5, folder.top() + 3);
  front.lineTo(folder.right() + 1.5, folder.top() + 3);
  front.lineTo(folder.right(), folder.bottom());
  front.closeSubpath();
  p.drawPath(front);
  p.end();
  return img;
}

QImage WideButton(const QString& text, bool primary, bool hover) {
  const QSize size(toolwindow::kWideButtonWidth, toolwindow::kWideButtonHeight);
  if (hover)
    return GlossyButton(size, text, Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 15);
  if (primary)
    return GlossyButton(size, text, Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 15);
  return GlossyButton(size, text, Rgb(0x9fb3c6), Rgb(0x5f7890), Rgb(0x44596c), 15);
}

QImage AppIcon(int size) {
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
  q.drawImage(QRectF(0, 0, size, size), size == 256 ? big : big.scaled(size, size, Qt::IgnoreAspectRatio,
                                                                         Qt::SmoothTransformation));
  q.end();
  return img;
}

// --- Previews ----------------------------------------------------------

QImage PreviewToolbar(const QImage& strip, const std::vector<QImage>& digits, const QImage& mainButton,
                      const QImage& modeHover, const QImage& timeBar) {
  QImage img = strip.copy();
  QPainter p(&img);
  Smooth(p);
  p.drawImage(13, 5, mainButton);
  p.drawImage(89, 5, modeHover);
  const auto label = [&](double x, double y, const QString& text, const QColor& c) {
    p.setFont(SansFont(12));
    p.setPen(c);
    p.drawText(QPointF(x, y + 11), text);
  };
  const QColor grey = Rgb(0x404040), orange = Rgb(0xff8000), blue = Rgb(0x0000ff), red = Rgb(0xff0000);
  label(208, 8, QString::fromUtf8("■重新开始"), grey);
  label(328, 8, QString::fromUtf8("◆暂停"), grey);
  label(376, 8, QString::fromUtf8("←撤消*6"), orange);
  label(436, 8, QString::fromUtf8("◎提示*6"), grey);
  label(496, 8, QString::fromUtf8("※重排*6"), grey);
  for (const int x : {576, 672}) {
    const QRectF toggle(x, 1.5, 73, 25);
    p.setPen(QPen(Rgb(0x004000), 1));
    p.setBrush(Rgb(0x008000));
    p.drawRect(toggle);
    p.setFont(SansFont(12));
    p.setPen(Rgb(0xffffc0));
    p.drawText(toggle, Qt::AlignCenter, x == 576 ? QString::fromUtf8("背景音乐") : QString::fromUtf8("鼠标音效"));
  }
  label(40, 40, QString::fromUtf8("玩家姓名："), blue);
  label(112, 40, QString::fromUtf8("player"), red);
  label(184, 40, QString::fromUtf8("积分："), blue);
  const int score[] = {0, 0, 0, 0, 1, 2, 3, 4};
  for (int i = 0; i < 8; ++i)
    p.drawImage(224 + i * 16, 40, digits[size_t(score[i])]);
  label(376, 40, QString::fromUtf8("等级："), blue);
  label(416, 40, QString::fromUtf8("６．金牛座"), red);
  label(520, 40, QString::fromUtf8("生命："), blue);
  p.drawImage(QRectF(560, 37.5, 140, 17), timeBar);
  label(832, 40, QString::fromUtf8("霁岚工作室 出品"), grey);
  label(888, 8, QString::fromUtf8("版权所有"), grey);
  p.end();
  return img;
}

QImage PreviewChooser(const QImage& chooser) {
  QImage img = NewCanvas(400, 400, Rgb(0x6b8cae)); // a desktop
  QPainter p(&img);
  Smooth(p);
  QImage keyed = chooser.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x)
      if ((keyed.pixel(x, y) & 0xffffff) == 0)
        keyed.setPixel(x, y, 0);
  p.drawImage(20, 18, keyed);
  const char* const names[] = {"简单模式", "正常模式", "挑战模式", "极限模式", "退出游戏"};
  p.setFont(SansFont(16, true));
  for (int i = 0; i < 5; ++i) {
    p.setPen(i == 2 ? Rgb(0xff8000) : Rgb(0x8080ff));
    p.drawText(QRectF(20 + 112, 18 + kEntryTops[i], 120, 29), Qt::AlignCenter, QString::fromUtf8(names[i]));
  }
  p.setFont(SansFont(12));
  p.setPen(Rgb(0xff0000));
  p.drawText(QRectF(20 + 48, 18 + 328, 257, 25), Qt::AlignCenter | Qt::TextWordWrap,
             QString::fromUtf8("作者最新开发设计，对经典的连连看作了最新的修改，游戏的可玩性增强了。消除后牌会下落！"));
  p.end();
  return img;
}

QImage PreviewSplash(const QImage& splash, const QImage& bar) {
  QImage img = NewCanvas(500, 200, Rgb(0x6b8cae));
  QPainter p(&img);
  Smooth(p);
  QImage keyed = splash.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y)
    for (int x = 0; x < keyed.width(); ++x)
      if ((keyed.pixel(x, y) & 0xffffff) == 0xffffff)
        keyed.setPixel(x, y, 0);
  p.drawImage(20, 20, keyed);
  p.setFont(SansFont(12));
  p.setPen(Rgb(0xff8000));
  p.drawText(QPointF(20 + 72, 20 + 136 + 11), QString::fromUtf8("程序加载中："));
  p.drawImage(QRectF(20 + 152, 20 + 136, 180, 12), bar);
  p.end();
  return img;
}

QImage PreviewTool(const QImage& background, const std::vector<Rect>& fields, const std::vector<Rect>& opens,
                   const Rect& ok, const Rect& esc, const QImage& open, const QImage& okImage, const QImage& escImage) {
  QImage img = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  for (const Rect& r : fields) {
    p.setPen(QPen(Rgb(0x7a8a9a), 1));
    p.setBrush(Qt::white);
    p.drawRect(ToF(r).adjusted(0, 0, -1, -1));
  }
  for (const Rect& r : opens)
    p.drawImage(r.x, r.y, open);
  p.drawImage(ok.x, ok.y, okImage);
  p.drawImage(esc.x, esc.y, escImage);
  p.end();
  return img;
}

} // namespace

void WriteWindowArt(const QDir& resourceDir, const QDir& previewDir) {
  QStringList files;
  const auto save = [&](const QImage& image, const QString& name) {
    SavePng(image, resourceDir.filePath(name));
    files << name;
  };

  // Every picture twice: "name.png" as designed and "name@2x.png" at twice
  // the resolution. The previews show the first.
  std::vector<QImage> digits;
  QImage mainButton, modeHover, paused, timedOut, cleared, strip, timeBar, splash, loading, chooser, editor, modifier;
  for (const double scale : {1.0, 2.0}) {
    gArtScale = scale;
    const bool plain = scale == 1;
    const QString suffix = plain ? QStringLiteral(".png") : QStringLiteral("@2x.png");
    const auto keep = [&](QImage& kept, const QImage& image, const QString& name) {
      if (plain)
        kept = image;
      save(image, name + suffix);
    };

    for (int d = 0; d <= 9; ++d) {
      const QImage digit = Digit(d);
      if (plain)
        digits.push_back(digit);
      save(digit, QStringLiteral("digit%1").arg(d) + suffix);
    }
    keep(mainButton,
         GlossyButton(QSize(70, 20), QString::fromUtf8("主菜单"), Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 12, true),
         QStringLiteral("main-button"));
    save(GlossyButton(QSize(70, 20), QString::fromUtf8("主菜单"), Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 12, true),
         QStringLiteral("main-button-hover") + suffix);
    save(GlossyButton(QSize(83, 20), QString::fromUtf8("游戏模式"), Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 12, true),
         QStringLiteral("mode-button") + suffix);
    keep(modeHover,
         GlossyButton(QSize(83, 20), QString::fromUtf8("游戏模式"), Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 12, true),
         QStringLiteral("mode-button-hover"));
    keep(paused, StatePicture(State::Paused), QStringLiteral("paused"));
    keep(timedOut, StatePicture(State::TimedOut), QStringLiteral("timed-out"));
    keep(cleared, StatePicture(State::Cleared), QStringLiteral("cleared"));

    const QImage stripHere = Toolbar();
    if (plain)
      strip = stripHere;
    save(stripHere.convertToFormat(QImage::Format_RGB32), QStringLiteral("toolbar") + suffix);
    keep(timeBar, TimeBar(), QStringLiteral("timebar"));

    keep(splash, Splash(), QStringLiteral("splash"));
    keep(loading, LoadingBar(), QStringLiteral("loading-bar"));
    keep(chooser, Chooser(), QStringLiteral("chooser"));

    keep(editor, EditorBackground(), QStringLiteral("editor-background"));
    keep(modifier, ModifierBackground(), QStringLiteral("modifier-background"));
    save(OpenButton(false), QStringLiteral("open") + suffix);
    save(OpenButton(true), QStringLiteral("open-hover") + suffix);
    save(WideButton(QString::fromUtf8("确定"), true, false), QStringLiteral("ok") + suffix);
    save(WideButton(QString::fromUtf8("确定"), true, true), QStringLiteral("ok-hover") + suffix);
    save(WideButton(QString::fromUtf8("关闭"), false, false), QStringLiteral("esc") + suffix);
    save(WideButton(QString::fromUtf8("关闭"), false, true), QStringLiteral("esc-hover") + suffix);
  }
  // The pointer keeps one size: cursors are not scaled with the screen.
  gArtScale = 1;
  save(Pointer(), QStringLiteral("pointer.png"));
  const QImage icon = AppIcon(256);
  const QImage smallIcon = AppIcon(32);
  save(icon, QStringLiteral("app-icon.png"));
  save(smallIcon, QStringLiteral("app-icon-32.png"));

  QStringList qrc{QStringLiteral("<!DOCTYPE RCC>"), QStringLiteral("<RCC version=\"1.0\">"),
                  QStringLiteral("<qresource prefix=\"/\">")};
  for (const QString& f : files)
    qrc << QStringLiteral("    <file>%1</file>").arg(f);
  qrc << QStringLiteral("</qresource>") << QStringLiteral("</RCC>");
  WriteLines(resourceDir.filePath(QStringLiteral("resources.qrc")), qrc, "\n");

  // Previews with the windows' texts in place.
  SavePng(PreviewToolbar(strip, digits, mainButton, modeHover, timeBar), previewDir.filePath(QStringLiteral("toolbar.png")));
  SavePng(PreviewChooser(chooser), previewDir.filePath(QStringLiteral("chooser.png")));
  SavePng(PreviewSplash(splash, loading), previewDir.filePath(QStringLiteral("splash.png")));
  namespace e = toolwindow::editor;
  namespace m = toolwindow::modifier;
  SavePng(PreviewTool(editor,
                      {e::txtGName, e::txtGPath, e::txtGPhotoSum, e::txtGMaxX, e::txtGMaxY, e::txtGGameBack,
                       e::txtGMedia, e::CobList, e::txtQM},
                      {e::ComtGPath, e::ComGGameBack, e::ComGMedia}, e::ComOK, e::ComESC, OpenButton(false),
                      WideButton(QString::fromUtf8("确定"), true, false), WideButton(QString::fromUtf8("关闭"), false, true)),
          previewDir.filePath(QStringLiteral("editor.png")));
  SavePng(PreviewTool(modifier, {m::cobGKName, m::txtMaxX, m::txtMaxY, m::txtGGameBack, m::txtGMedia, m::CobList},
                      {m::ComGGameBack, m::ComGMedia}, m::ComOK, m::ComESC, OpenButton(true),
                      WideButton(QString::fromUtf8("确定"), true, true), WideButton(QString::fromUtf8("关闭"), false, false)),
          previewDir.filePath(QStringLiteral("modifier.png")));
  QImage states = NewCanvas(980, 220, Rgb(0xd4d0c8));
  {
    QPainter p(&states);
    p.drawImage(0, 10, paused);
    p.drawImage(330, 10, timedOut);
    p.drawImage(660, 10, cleared);
  }
  SavePng(states, previewDir.filePath(QStringLiteral("states.png")));
  QImage icons = NewCanvas(420, 280, Rgb(0xd4d0c8));
  {
    QPainter p(&icons);
    p.drawImage(10, 10, icon);
    p.drawImage(280, 10, smallIcon);
    p.drawImage(QRectF(280, 60, 128, 128), smallIcon);
    p.drawImage(QRectF(330, 10, 64, 64), Pointer().scaled(64, 64));
  }
  SavePng(icons, previewDir.filePath(QStringLiteral("icons.png")));
}

} // namespace daz::datagen
