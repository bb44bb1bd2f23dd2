#pragma once
// How far apart two tile pictures of one level look to a player. Shared by
// the generator, which refuses to write a level with a pair too much
// alike, and by the test of the shipped folder, which holds every level
// to the same measure. Header-only, Qt Gui only.
//
// Both pictures are laid over the same mid grey (transparent corners
// count as board) and shrunk by area averaging, the way a glance at a
// small tile loses detail:
//  - grey: the mean absolute difference of 16 x 16 greyscale thumbnails,
//    0 … 255; it sees outlines and light and dark parts;
//  - colour: the mean distance of the two chroma planes (Cb, Cr) of
//    8 x 8 thumbnails, 0 … 255; it sees hues, whatever their lightness.
// A person tells two tiles apart by their outline or by their colour, so a
// pair passes on a clear grey difference, or on a clear colour difference
// with at least some grey difference (a copy shifted or retouched stays
// alike, whatever its tint). The thresholds were set from pairs of the
// generated levels looked at on the smallest cells (docs/levels.md).

#include <QColor>
#include <QImage>
#include <QString>

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace daz::likeness {

inline constexpr double kClearGrey = 10.0;  // outline and light alone tell them apart
inline constexpr double kClearColour = 8.0; // hue tells them apart …
inline constexpr double kLeastGrey = 4.0;   // … given at least this much outline

struct Likeness {
    double grey = 0;
    double colour = 0;
    bool TooClose() const { return grey < kClearGrey && (colour < kClearColour || grey < kLeastGrey); }
};

inline QImage Thumbnail(const QImage& picture, int side)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(QColor(128, 128, 128));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            const int a = qAlpha(p);
            const auto over = [a](int c) { return (c * a + 128 * (255 - a)) / 255; };
            flat.setPixel(x, y, qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p))));
        }
    }
    // Halve in steps, then a last smooth step: area averaging without the
    // aliasing of one large bilinear jump.
    while (flat.width() >= side * 2 && flat.height() >= side * 2) {
        flat = flat.scaled(flat.width() / 2, flat.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return flat.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The two thumbnails of one picture, made once and compared many times.
struct Print {
    std::array<double, 256> grey{};
    std::array<double, 64> cb{};
    std::array<double, 64> cr{};
};

inline Print Fingerprint(const QImage& picture)
{
    Print print;
    const QImage grey = Thumbnail(picture, 16);
    for (int i = 0; i < 256; ++i) {
        print.grey[size_t(i)] = qGray(grey.pixel(i % 16, i / 16));
    }
    const QImage colour = Thumbnail(picture, 8);
    for (int i = 0; i < 64; ++i) {
        const QRgb p = colour.pixel(i % 8, i / 8);
        const double y = 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
        print.cb[size_t(i)] = 0.564 * (qBlue(p) - y);
        print.cr[size_t(i)] = 0.713 * (qRed(p) - y);
    }
    return print;
}

inline Likeness Compare(const Print& a, const Print& b)
{
    Likeness result;
    for (size_t i = 0; i < 256; ++i) {
        result.grey += std::abs(a.grey[i] - b.grey[i]);
    }
    result.grey /= 256.0;
    for (size_t i = 0; i < 64; ++i) {
        result.colour += std::hypot(a.cb[i] - b.cb[i], a.cr[i] - b.cr[i]);
    }
    result.colour /= 64.0;
    return result;
}

inline Likeness Compare(const QImage& a, const QImage& b)
{
    return Compare(Fingerprint(a), Fingerprint(b));
}

// A pair of pictures (0-based indexes) too much alike, and how alike.
struct Clash {
    int first = -1;
    int second = -1;
    Likeness likeness;
};

inline std::vector<Clash> Clashes(const std::vector<QImage>& pictures)
{
    std::vector<Clash> clashes;
    std::vector<Print> prints;
    for (const QImage& picture : pictures) {
        prints.push_back(Fingerprint(picture));
    }
    for (size_t i = 0; i < prints.size(); ++i) {
        for (size_t j = i + 1; j < prints.size(); ++j) {
            const Likeness l = Compare(prints[i], prints[j]);
            if (l.TooClose()) {
                clashes.push_back({int(i), int(j), l});
            }
        }
    }
    return clashes;
}

inline QString Describe(const Clash& clash)
{
    return QStringLiteral("pictures %1 and %2 look alike: grey difference %3, colour difference %4 "
                          "(needs grey %5, or colour %6 with grey %7)")
        .arg(clash.first + 1)
        .arg(clash.second + 1)
        .arg(clash.likeness.grey, 0, 'f', 1)
        .arg(clash.likeness.colour, 0, 'f', 1)
        .arg(kClearGrey, 0, 'f', 0)
        .arg(kClearColour, 0, 'f', 0)
        .arg(kLeastGrey, 0, 'f', 0);
}

} // namespace daz::likeness
