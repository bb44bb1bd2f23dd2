// The main window's pictures: score digits, the pictures shown over the
// board when it is paused, timed out or cleared, the toolbar strip, the
// pointer and the time bar.
#include "WindowArtKit.h"
#include "WindowPictures.h"

#include <QRadialGradient>

namespace daz::datagen::windowart {

QImage Digit(int digit)
{
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

QImage MenuButton(const QString& text, bool hover, bool mode)
{
    const QSize size(mode ? 83 : 70, 20);
    return hover ? GlossyButton(size, text, Rgb(0xffc46b), kOrangeDeep, Rgb(0xb8520e), 12, true)
                 : GlossyButton(size, text, Rgb(0x52cdb0), kJadeDeep, Rgb(0x12584a), 12, true);
}

QImage StatePicture(State state, Words words)
{
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
        emoji = QString::fromUtf8("🫖"), heading = QString::fromUtf8("暂停"),
        line = QString::fromUtf8("喝口茶，歇一歇 — 点击继续");
        break;
    case State::TimedOut:
        top = Rgb(0xfff4ef), bottom = Rgb(0xffd6c7), rim = Rgb(0xe0826a), title = Rgb(0xc0392b);
        emoji = QString::fromUtf8("⌛"), heading = QString::fromUtf8("时间到！"),
        line = QString::fromUtf8("点“重新开始”再来一次");
        break;
    case State::Cleared:
        top = Rgb(0xfffbe8), bottom = Rgb(0xffe39a), rim = Rgb(0xdca234), title = Rgb(0xd0541a);
        emoji = QString::fromUtf8("🏆"), heading = QString::fromUtf8("过关！"),
        line = QString::fromUtf8("点击进入下一关");
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
            if (QRectF(128, 40, 170, 110).contains(c)) {
                continue;
            }
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
        for (int y = 18; y < 190; y += 14) {
            for (int x = (y / 14) % 2 ? 17 : 24; x < 312; x += 14) {
                p.drawEllipse(QPointF(x, y), 1.6, 1.6);
            }
        }
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

    if (words == Words::Drawn) {
        const QRectF text(138, 40, 164, 70);
        DrawText(p, text, heading, SansFont(heading.size() > 2 ? 36 : 42, true), title, WithAlpha(Qt::white, 230), 3);
        DrawText(p, QRectF(130, 116, 178, 26), line, SansFont(line.size() > 10 ? 13 : 16, true), Mix(title, kInk, 0.4));
    }
    if (state == State::Paused) {
        // A small pause sign under the text.
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(title, 200));
        p.drawRoundedRect(QRectF(211, 148, 6, 18), 2, 2);
        p.drawRoundedRect(QRectF(223, 148, 6, 18), 2, 2);
    } else if (state == State::Cleared) {
        p.setPen(QPen(kGoldDeep, 1));
        p.setBrush(kGold);
        for (int i = 0; i < 3; ++i) {
            p.drawPath(StarPath(QPointF(196 + i * 24, 158), i == 1 ? 11 : 8.5, i == 1 ? 4.6 : 3.6));
        }
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
QImage Toolbar()
{
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
    for (const double x : {190.5, 563.5, 760.5, 822.5}) {
        p.drawLine(QPointF(x, x > 800 ? 34 : 6), QPointF(x, x > 800 ? 55 : 24));
    }
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

// The pointer's hot spot, the tip of the index finger, lies at (9, 1).
QImage Pointer()
{
    QImage img = NewCanvas(32, 32);
    QPainter p(&img);
    Smooth(p);
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(6.8, 1, 5.4, 17), 2.7, 2.7);    // index finger
    hand.addRoundedRect(QRectF(11.6, 9.5, 5, 10), 2.5, 2.5);   // middle finger
    hand.addRoundedRect(QRectF(16, 11, 4.8, 9), 2.4, 2.4);     // ring finger
    hand.addRoundedRect(QRectF(20.2, 12.5, 4.6, 8), 2.3, 2.3); // little finger
    hand.addRoundedRect(QRectF(6.8, 15, 18, 11.5), 4, 4);      // palm
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

QImage TimeBar()
{
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

} // namespace daz::datagen::windowart
