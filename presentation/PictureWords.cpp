#include "PictureWords.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/MessageBoxes.h"
#include "presentation/Contrast.h"

namespace daz {
namespace {

// The context of the pictures' words for translators: "daz::PictureWords".
class PictureWords {
    Q_DECLARE_TR_FUNCTIONS(daz::PictureWords)
};

QColor Mix(const QColor& a, const QColor& b, double t)
{
    const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QFont FontAt(const WordStyle& style, int pixels)
{
    QFont font;
    if (style.face == WordStyle::Face::Serif) {
        font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                          QStringLiteral("WenQuanYi Micro Hei")});
        font.setStyleHint(QFont::Serif);
    } else {
        font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    }
    font.setPixelSize(std::max(1, pixels));
    font.setWeight(style.bold || style.face == WordStyle::Face::Serif ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The words as a path in box: placed sideways by their ink, upright by the
// font's box, so that lines with and without descenders share a baseline.
QPainterPath WordsPath(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    const QFontMetricsF metrics(font);
    double dx = box.center().x() - ink.center().x();
    if (align & Qt::AlignLeft) {
        dx = box.left() - ink.left();
    } else if (align & Qt::AlignRight) {
        dx = box.right() - ink.right();
    }
    const double dy = box.center().y() + (metrics.ascent() - metrics.descent()) / 2 - metrics.ascent() * 0.06;
    return path.translated(dx, dy);
}

// One word of a picture: where it lies in the picture's units and how, and
// the room it may take where it is longer (none: the box).
struct PlacedWords {
    QRectF box;
    QString text;
    WordStyle style;
    QRectF room = {};
};

// The glossy buttons' words: white, with a soft shadow in the rim's colour.
std::vector<PlacedWords> ButtonWords(const QRectF& box, const QString& text, const QColor& rim, int pixels,
                                     const QRectF& room = {})
{
    WordStyle style{.pixels = pixels, .bold = true, .fill = Qt::white};
    style.shadow = WithAlpha(rim.darker(140), 150);
    style.shadowDrop = 0.8;
    return {{box, text, style, room}};
}

// The pictures over the board: a heading and a line beside the medallion.
std::vector<PlacedWords> StateWords(const QString& heading, const QString& line, const QColor& title)
{
    const WordStyle headingStyle{.pixels = heading.size() > 2 ? 36 : 42,
                                 .bold = true,
                                 .fill = title,
                                 .outline = WithAlpha(Qt::white, 230),
                                 .outlineWidth = 3};
    const WordStyle lineStyle{
        .pixels = line.size() > 10 ? 13 : 16, .bold = true, .fill = Mix(title, QColor(0x33, 0x40, 0x4f), 0.4)};
    return {{QRectF(138, 40, 164, 70), heading, headingStyle}, {QRectF(130, 116, 178, 26), line, lineStyle}};
}

std::vector<PlacedWords> WordsOf(const QString& name)
{
    const QColor jade(0x12, 0x58, 0x4a), orange(0xb8, 0x52, 0x0e), slate(0x44, 0x59, 0x6c);
    // The menu buttons' words are centred a little left of the middle and
    // keep clear of the arrow at their right.
    const QRectF mainBox(0.5, 0.5, 60, 19), modeBox(0.5, 0.5, 73, 19), wideBox(0.5, 0.5, 87, 29);
    const QRectF mainRoom(3, 0.5, 52, 19), modeRoom(3, 0.5, 65, 19);
    // Each button in its rest and hover pictures ("ok.png", "ok-hover.png"):
    // the same words, their shadow in the rest colour or in orange.
    struct Button {
        const char* picture;
        QString words;
        QColor rest;
        int pixels;
        QRectF box;
        QRectF room = {};
    };
    const Button buttons[] = {
        {"main-button", PictureWords::tr("主菜单"), jade, 12, mainBox, mainRoom},
        {"mode-button", PictureWords::tr("游戏模式"), jade, 12, modeBox, modeRoom},
        {"ok", PictureWords::tr("确定"), jade, 15, wideBox},
        {"esc", PictureWords::tr("关闭"), slate, 15, wideBox},
        {"names", PictureWords::tr("图案名称"), slate, 15, wideBox},
    };
    for (const Button& button : buttons) {
        const QString picture = QLatin1String(button.picture);
        if (name == picture + QStringLiteral(".png")) {
            return ButtonWords(button.box, button.words, button.rest, button.pixels, button.room);
        }
        if (name == picture + QStringLiteral("-hover.png")) {
            return ButtonWords(button.box, button.words, orange, button.pixels, button.room);
        }
    }
    if (name == QLatin1String("paused.png")) {
        return StateWords(PictureWords::tr("暂停"), PictureWords::tr("喝口茶，歇一歇 — 点击继续"),
                          QColor(0x24, 0x5a, 0x9e));
    }
    if (name == QLatin1String("timed-out.png")) {
        return StateWords(PictureWords::tr("时间到！"), PictureWords::tr("点“重新开始”再来一次"),
                          QColor(0xc0, 0x39, 0x2b));
    }
    if (name == QLatin1String("cleared.png")) {
        return StateWords(PictureWords::tr("过关！"), PictureWords::tr("点击进入下一关"), QColor(0xd0, 0x54, 0x1a));
    }
    if (name == QLatin1String("splash.png")) {
        const WordStyle title{
            .face = WordStyle::Face::Serif, .pixels = 44, .outline = QColor(0x5a, 0x2a, 0x08), .gilded = true};
        const WordStyle line{.pixels = 12, .bold = true, .fill = QColor(0xea, 0xff, 0xf6)};
        return {{QRectF(100, 16, 260, 56), platform::ApplicationTitle(), title},
                {QRectF(100, 68, 260, 18), PictureWords::tr("找 相 同 · 连 一 连 · 消 光 光"), line}};
    }
    if (name == QLatin1String("chooser.png")) {
        const WordStyle title{
            .face = WordStyle::Face::Serif, .pixels = 36, .outline = QColor(0x3a, 0x1a, 0x08), .gilded = true};
        const WordStyle line{.pixels = 13, .bold = true, .fill = QColor(0xc9, 0xcd, 0xf5)};
        return {{QRectF(20, 16, 320, 48), platform::ApplicationTitle(), title},
                {QRectF(20, 62, 320, 20), PictureWords::tr("— 请选择游戏模式 —"), line}};
    }
    return {};
}

} // namespace

QFont WordFont(const WordStyle& style)
{
    return FontAt(style, style.pixels);
}

QFont FittedFont(const WordStyle& style, const QString& text, double width)
{
    int pixels = style.pixels;
    QFont font = FontAt(style, pixels);
    // The ring around the strokes takes room at both ends.
    const double ring = style.gilded ? pixels * 0.16 : 2 * style.outlineWidth;
    while (pixels > 1 && QFontMetricsF(font).horizontalAdvance(text) + ring > width) {
        font = FontAt(style, --pixels);
    }
    return font;
}

void DrawWords(QPainter& painter, const QRectF& box, const QString& text, const WordStyle& style, QRectF room)
{
    if (room.isEmpty()) {
        room = box;
    }
    const QFont font = FittedFont(style, text, room.width());
    QPainterPath path = WordsPath(box, text, font, style.align);
    // Words longer than the box keep to the room.
    const QRectF ink = path.boundingRect();
    if (ink.right() > room.right()) {
        path.translate(room.right() - ink.right(), 0);
    } else if (ink.left() < room.left()) {
        path.translate(room.left() - ink.left(), 0);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (style.gilded) {
        const double px = font.pixelSize();
        painter.setPen(QPen(style.outline, px * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path.translated(0, px * 0.05));
        painter.drawPath(path);
        QLinearGradient gold(box.topLeft(), box.bottomLeft());
        gold.setColorAt(0.2, QColor(0xff, 0xf2, 0xb8));
        gold.setColorAt(0.55, QColor(0xff, 0xd0, 0x4a));
        gold.setColorAt(0.9, QColor(0xe0, 0x8a, 0x12));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gold);
        painter.drawPath(path);
        painter.restore();
        return;
    }
    if (style.shadow.alpha() > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.shadow);
        painter.drawPath(path.translated(0, style.shadowDrop));
    }
    if (style.outlineWidth > 0 && style.outline.alpha() > 0) {
        painter.setPen(QPen(style.outline, style.outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.fill);
    painter.drawPath(path);
    painter.restore();
}

QPixmap WithWords(const QString& name, const QPixmap& plain)
{
    const std::vector<PlacedWords> words = WordsOf(name);
    if (words.empty() || plain.isNull()) {
        return plain;
    }
    QString key =
        QStringLiteral("%1 %2x%3 %4").arg(name).arg(plain.width()).arg(plain.height()).arg(plain.devicePixelRatio());
    for (const PlacedWords& placed : words) {
        key += u'\n' + placed.text;
    }
    static QHash<QString, QPixmap> made;
    if (const auto it = made.constFind(key); it != made.constEnd()) {
        return *it;
    }
    // Drawn in the picture's own units, at its resolution.
    QImage image = plain.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(plain.devicePixelRatio());
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        for (const PlacedWords& placed : words) {
            DrawWords(painter, placed.box, placed.text, placed.style, placed.room);
        }
    }
    const QPixmap worded = QPixmap::fromImage(image);
    made.insert(key, worded);
    return worded;
}

WordsLabel::WordsLabel(const WordStyle& style, QWidget* parent) : QLabel(parent), style_(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(style.align);
    setFont(WordFont(style));
}

void WordsLabel::SetWords(const QString& text)
{
    setText(text);
    Fit();
}

void WordsLabel::Fit()
{
    setFont(FittedFont(style_, text(), contentsRect().width()));
}

void WordsLabel::resizeEvent(QResizeEvent* event)
{
    Fit();
    QLabel::resizeEvent(event);
}

void WordsLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (HighContrastInUse()) {
        // White on black, without the design's outline and shadow.
        painter.fillRect(rect(), Qt::black);
        WordStyle plain = style_;
        plain.fill = Qt::white;
        plain.outline = Qt::transparent;
        plain.shadow = Qt::transparent;
        DrawWords(painter, QRectF(contentsRect()), text(), plain);
        return;
    }
    DrawWords(painter, QRectF(contentsRect()), text(), style_);
}

} // namespace daz
