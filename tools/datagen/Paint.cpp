#include "Paint.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace daz::datagen {
namespace {

const char* const kSans = "Noto Sans CJK SC";
const char* const kSerif = "Noto Serif CJK SC";
const char* const kEmoji = "Noto Color Emoji";

QFont Family(const char* family, double pixelSize)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

QImage Crop(const QImage& image)
{
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    return image.copy(left, top, right - left + 1, bottom - top + 1);
}

void Require(bool ok, const QString& what)
{
    if (!ok) {
        throw std::runtime_error(what.toStdString());
    }
}

} // namespace

std::uint64_t Rng::NextBits()
{
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

double Rng::Next()
{
    return double(NextBits() >> 11) / double(1ull << 53);
}

int Rng::Int(int lo, int hi)
{
    return lo + int(NextBits() % std::uint64_t(hi - lo + 1));
}

void RequireFonts()
{
    const QStringList families = QFontDatabase::families();
    for (const char* family : {kSans, kSerif, kEmoji}) {
        const QString name = QString::fromLatin1(family);
        if (!families.contains(name)) {
            throw std::runtime_error("font family \"" + name.toStdString()
                                     + "\" is missing; run scripts/install-deps --tools");
        }
    }
    for (const char* family : {kSans, kSerif}) {
        if (!QFontDatabase::styles(QString::fromLatin1(family)).contains(QStringLiteral("Bold"))) {
            throw std::runtime_error(std::string("font family \"") + family
                                     + "\" has no bold face; run scripts/install-deps --tools");
        }
    }
    // Make sure a font asked for is the one Qt really uses.
    for (const QFont& f : {SansFont(20), SansFont(20, true), SerifFont(20), EmojiFont(20)}) {
        if (QFontInfo(f).family() != f.family()) {
            throw std::runtime_error("Qt substitutes \"" + QFontInfo(f).family().toStdString() + "\" for \""
                                     + f.family().toStdString() + "\"");
        }
    }
}

QFont SansFont(double pixelSize, bool bold)
{
    QFont f = Family(kSans, pixelSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

QFont SerifFont(double pixelSize)
{
    QFont f = Family(kSerif, pixelSize);
    f.setWeight(QFont::Bold);
    return f;
}

QFont EmojiFont(double pixelSize)
{
    return Family(kEmoji, pixelSize);
}

QImage RenderGlyph(const QString& text, const QFont& font, const QColor& colour)
{
    const QFontMetricsF metrics(font);
    for (const char32_t ucs : text.toUcs4()) {
        if (ucs != 0xfe0f && ucs != 0x200d) {
            Require(metrics.inFontUcs4(ucs), "no glyph for \"" + text + "\" in " + font.family());
        }
    }
    const int side = int(font.pixelSize() * 2.2);
    QImage canvas = NewCanvas(side, side);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, text);
    }
    QImage cropped = Crop(canvas);
    Require(!cropped.isNull(), "nothing drawn for \"" + text + "\"");
    return cropped;
}

QImage RenderEmoji(const QString& emoji)
{
    return RenderGlyph(emoji, EmojiFont(109), Qt::black);
}

QImage FitInto(const QImage& image, QSizeF box)
{
    const double scale = std::min({box.width() / image.width(), box.height() / image.height(), 1.5});
    const QSize size(std::max(1, int(std::lround(image.width() * scale))),
                     std::max(1, int(std::lround(image.height() * scale))));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    const auto lerp = [t](double x, double y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor WithAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QColor Rgb(std::uint32_t rgb)
{
    return QColor(int((rgb >> 16) & 0xff), int((rgb >> 8) & 0xff), int(rgb & 0xff));
}

std::int32_t WindowsColour(const QColor& c)
{
    return std::int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}

QImage NewCanvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780); // 96 dpi
    image.setDotsPerMeterY(3780);
    image.fill(fill);
    return image;
}

QImage NewCanvas(QSize size, const QColor& fill)
{
    return NewCanvas(size.width(), size.height(), fill);
}

QImage FlattenForGif(const QImage& image, const QColor& behind)
{
    QImage src = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(src.size(), QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                line[x] = 0;
                continue;
            }
            const auto over = [a](int premultiplied, int back) {
                return std::clamp(premultiplied + (255 - a) * back / 255, 0, 255);
            };
            line[x] = qRgb(over(qRed(in[x]), behind.red()), over(qGreen(in[x]), behind.green()),
                           over(qBlue(in[x]), behind.blue()));
        }
    }
    return out;
}

QImage FlattenOnKey(const QImage& image, const QColor& key, const QColor& edge)
{
    QImage out = FlattenForGif(image, edge);
    const QRgb keyRgb = key.rgb() | 0xff000000u;
    const QRgb nudged = key.lightness() > 127 ? qRgb(250, 250, 250) : qRgb(6, 6, 6);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                line[x] = keyRgb;
            } else if ((line[x] | 0xff000000u) == keyRgb) {
                line[x] = nudged;
            }
        }
    }
    return out.convertToFormat(QImage::Format_RGB32);
}

QImage Blurred(const QImage& image, int radius)
{
    QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width(), h = img.height();
    std::vector<int> buffer(size_t(std::max(w, h)) * 4);
    auto pass = [&](bool horizontal) {
        const int lines = horizontal ? h : w, length = horizontal ? w : h;
        for (int l = 0; l < lines; ++l) {
            auto at = [&](int i) -> QRgb& {
                return horizontal ? reinterpret_cast<QRgb*>(img.scanLine(l))[i]
                                  : reinterpret_cast<QRgb*>(img.scanLine(i))[l];
            };
            for (int i = 0; i < length; ++i) {
                const QRgb c = at(i);
                buffer[size_t(i) * 4 + 0] = qRed(c);
                buffer[size_t(i) * 4 + 1] = qGreen(c);
                buffer[size_t(i) * 4 + 2] = qBlue(c);
                buffer[size_t(i) * 4 + 3] = qAlpha(c);
            }
            for (int i = 0; i < length; ++i) {
                int sum[4] = {0, 0, 0, 0};
                for (int k = i - radius; k <= i + radius; ++k) {
                    if (k < 0 || k >= length) {
                        continue;
                    }
                    for (int c = 0; c < 4; ++c) {
                        sum[c] += buffer[size_t(k) * 4 + size_t(c)];
                    }
                }
                const int n = 2 * radius + 1;
                at(i) = qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n);
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(true);
        pass(false);
    }
    return img;
}

void SavePng(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "png");
    writer.setCompression(100); // Qt counts PNG compression from 0 to 100
    if (!writer.write(image)) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
    }
}

void SaveJpeg(const QImage& image, const QString& path, int quality)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
    }
}

QPainterPath TextPath(const QRectF& rect, const QString& text, const QFont& font, int flags)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const QFontMetricsF metrics(font);
    double dx = rect.center().x() - box.center().x();
    if (flags & Qt::AlignLeft) {
        dx = rect.left() - box.left();
    } else if (flags & Qt::AlignRight) {
        dx = rect.right() - box.right();
    }
    // Centre on the font's box rather than the ink, so that lines of text
    // with and without descenders sit on the same baseline.
    const double dy = rect.center().y() + (metrics.ascent() - metrics.descent()) / 2 - metrics.ascent() * 0.06;
    path.translate(dx, dy);
    return path;
}

void DrawText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font, const QColor& fill,
              const QColor& outline, double outlineWidth, int flags)
{
    const QPainterPath path = TextPath(rect, text, font, flags);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0 && outline.alpha() > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = -std::numbers::pi / 2 + turn + i * std::numbers::pi / points;
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF pt(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0) {
            path.moveTo(pt);
        } else {
            path.lineTo(pt);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath CloudPath(QRectF box)
{
    const double w = box.width(), h = box.height();
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRoundedRect(QRectF(box.left() + w * 0.08, box.top() + h * 0.5, w * 0.84, h * 0.5), h * 0.25, h * 0.25);
    path.addEllipse(QRectF(box.left() + w * 0.02, box.top() + h * 0.38, w * 0.36, h * 0.62));
    path.addEllipse(QRectF(box.left() + w * 0.22, box.top() + h * 0.05, w * 0.4, h * 0.8));
    path.addEllipse(QRectF(box.left() + w * 0.48, box.top() + h * 0.22, w * 0.34, h * 0.66));
    path.addEllipse(QRectF(box.left() + w * 0.66, box.top() + h * 0.45, w * 0.32, h * 0.55));
    return path.simplified();
}

QPainterPath RoundedRect(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace daz::datagen
