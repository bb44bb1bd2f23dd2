#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <numbers>

class QPainter;

namespace daz::datagen {

inline constexpr double kPi = std::numbers::pi;

// A small, fully reproducible random generator (SplitMix64): the pictures
// must come out byte for byte the same on every run.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t NextBits();
    double Next(); // uniform in [0, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }
    int Int(int lo, int hi); // uniform in lo..hi, both included

private:
    std::uint64_t state_;
};

// Fonts. RequireFonts() stops the generator with a clear message when a
// font family it paints with is missing, instead of letting Qt fall back
// to some other font silently.
void RequireFonts();
QFont SansFont(double pixelSize, bool bold = false); // Noto Sans CJK SC
QFont SerifFont(double pixelSize);                   // Noto Serif CJK SC, bold
QFont EmojiFont(double pixelSize);                   // Noto Color Emoji

// Renders one symbol (an emoji or a character) large, cropped to its
// visible pixels. Throws when the font has no glyph for it.
QImage RenderEmoji(const QString& emoji);
QImage RenderGlyph(const QString& text, const QFont& font, const QColor& colour);

// Scales a picture down (never up beyond 1.5x) to fit box, keeping its
// proportions, with area averaging.
QImage FitInto(const QImage& image, QSizeF box);

// Colour helpers.
QColor Mix(const QColor& a, const QColor& b, double t); // t = 0 gives a
QColor WithAlpha(QColor c, int alpha);
QColor Rgb(std::uint32_t rgb); // 0xRRGGBB
// The Windows colour value stored in setme.ini: red in the low byte.
std::int32_t WindowsColour(const QColor& c);

// Picture helpers.
QImage NewCanvas(int width, int height, const QColor& fill = Qt::transparent);
QImage NewCanvas(QSize size, const QColor& fill = Qt::transparent);
// For GIF: pixels at least half covered become opaque, blended over behind;
// the rest become transparent.
QImage FlattenForGif(const QImage& image, const QColor& behind);
// For the colour-keyed windows: uncovered pixels become key, the rest are
// blended over edge; no covered pixel keeps the exact key colour.
QImage FlattenOnKey(const QImage& image, const QColor& key, const QColor& edge);
// Softens a mask by blurring its alpha (for glows and shadows).
QImage Blurred(const QImage& image, int radius);

void SavePng(const QImage& image, const QString& path);
void SaveJpeg(const QImage& image, const QString& path, int quality);

// Text drawn centred in rect, with an optional outline for legibility.
void DrawText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font, const QColor& fill,
              const QColor& outline = Qt::transparent, double outlineWidth = 0, int flags = Qt::AlignCenter);
// The path of text centred in rect, for gradient fills and strokes.
QPainterPath TextPath(const QRectF& rect, const QString& text, const QFont& font, int flags = Qt::AlignCenter);

// A five-pointed star, a flower and an auspicious-cloud motif, used by
// several pictures.
QPainterPath StarPath(QPointF centre, double outer, double inner, int points = 5, double turn = 0);
QPainterPath CloudPath(QRectF box);
QPainterPath RoundedRect(const QRectF& rect, double radius);

} // namespace daz::datagen
