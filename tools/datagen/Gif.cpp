#include "Gif.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

namespace daz::datagen {
namespace {

constexpr int kMaxOpaqueColours = 255; // one entry stays free for transparency

struct Colour {
    int r = 0, g = 0, b = 0;
    long long count = 0;
};

// Weighted so that green differences count most, blue least, roughly as
// the eye sees them.
long long Distance(const Colour& a, const Colour& b)
{
    const long long dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Quantized {
    int width = 0;
    int height = 0;
    std::vector<Colour> palette; // opaque colours only
    std::vector<int> pixels;     // palette index, or -1 for transparent
    bool hasTransparency = false;
};

int Channel(const Colour& c, int axis)
{
    return axis == 0 ? c.r : axis == 1 ? c.g : c.b;
}

struct Box {
    int begin = 0, end = 0; // range of the colour list
    double error = 0;       // weighted squared spread around the mean

    Colour Mean(const std::vector<Colour>& colours) const
    {
        double r = 0, g = 0, b = 0, n = 0;
        for (int i = begin; i < end; ++i) {
            r += double(colours[i].r) * colours[i].count;
            g += double(colours[i].g) * colours[i].count;
            b += double(colours[i].b) * colours[i].count;
            n += double(colours[i].count);
        }
        return {int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5), 0};
    }
};

void MeasureBox(Box& box, const std::vector<Colour>& colours)
{
    const Colour m = box.Mean(colours);
    box.error = 0;
    for (int i = box.begin; i < box.end; ++i) {
        box.error += double(Distance(colours[i], m)) * double(colours[i].count);
    }
}

// Median cut: split the box with the largest spread at the weighted median
// of its widest channel until there are enough boxes.
std::vector<Colour> MedianCut(std::vector<Colour> colours, int wanted)
{
    std::vector<Box> boxes{{0, int(colours.size()), 0}};
    MeasureBox(boxes[0], colours);
    while (int(boxes.size()) < wanted) {
        int pick = -1;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin > 1 && (pick < 0 || boxes[i].error > boxes[pick].error)) {
                pick = i;
            }
        }
        if (pick < 0) {
            break;
        }
        Box& box = boxes[pick];
        int axis = 0, widest = -1;
        for (int a = 0; a < 3; ++a) {
            int lo = 255, hi = 0;
            for (int i = box.begin; i < box.end; ++i) {
                lo = std::min(lo, Channel(colours[i], a));
                hi = std::max(hi, Channel(colours[i], a));
            }
            if (hi - lo > widest) {
                widest = hi - lo;
                axis = a;
            }
        }
        std::sort(colours.begin() + box.begin, colours.begin() + box.end, [axis](const Colour& x, const Colour& y) {
            const auto key = [axis](const Colour& c) {
                return std::pair(Channel(c, axis), c.r * 65536 + c.g * 256 + c.b);
            };
            return key(x) < key(y);
        });
        long long total = 0;
        for (int i = box.begin; i < box.end; ++i) {
            total += colours[i].count;
        }
        long long running = 0;
        int split = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (2 * running >= total) {
                break;
            }
        }
        Box upper{split, box.end, 0};
        box.end = split;
        MeasureBox(box, colours);
        MeasureBox(upper, colours);
        boxes.push_back(upper);
    }

    std::vector<Colour> palette;
    for (const Box& box : boxes) {
        palette.push_back(box.Mean(colours));
    }

    // A few rounds of k-means pull the box means onto the real clusters.
    for (int round = 0; round < 4; ++round) {
        std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const Colour& c : colours) {
            int best = 0;
            long long bestDistance = Distance(c, palette[0]);
            for (int p = 1; p < int(palette.size()); ++p) {
                const long long d = Distance(c, palette[p]);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = p;
                }
            }
            sums[best][0] += double(c.r) * c.count;
            sums[best][1] += double(c.g) * c.count;
            sums[best][2] += double(c.b) * c.count;
            sums[best][3] += double(c.count);
        }
        for (int p = 0; p < int(palette.size()); ++p) {
            if (sums[p][3] > 0) {
                palette[p] = {int(sums[p][0] / sums[p][3] + 0.5), int(sums[p][1] / sums[p][3] + 0.5),
                              int(sums[p][2] / sums[p][3] + 0.5), 0};
            }
        }
    }
    return palette;
}

Quantized Quantize(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    Quantized q;
    q.width = src.width();
    q.height = src.height();

    std::map<QRgb, long long> counts; // ordered, so the result never depends on hashing
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            if (qAlpha(line[x]) < 128) {
                q.hasTransparency = true;
            } else {
                ++counts[line[x] | 0xff000000u];
            }
        }
    }
    std::vector<Colour> colours;
    for (const auto& [rgb, n] : counts) {
        colours.push_back({qRed(rgb), qGreen(rgb), qBlue(rgb), n});
    }

    if (colours.empty()) {
        q.palette.push_back({0, 0, 0, 0});
    } else if (int(colours.size()) <= kMaxOpaqueColours) {
        q.palette = colours;
    } else {
        q.palette = MedianCut(colours, kMaxOpaqueColours);
    }

    std::map<QRgb, int> nearest;
    for (const Colour& c : colours) {
        int best = 0;
        long long bestDistance = Distance(c, q.palette[0]);
        for (int p = 1; p < int(q.palette.size()); ++p) {
            const long long d = Distance(c, q.palette[p]);
            if (d < bestDistance) {
                bestDistance = d;
                best = p;
            }
        }
        nearest[qRgb(c.r, c.g, c.b)] = best;
    }

    q.pixels.reserve(size_t(q.width) * size_t(q.height));
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            q.pixels.push_back(qAlpha(line[x]) < 128 ? -1 : nearest.at(line[x] | 0xff000000u));
        }
    }
    return q;
}

// Packs variable-length codes least significant bit first into the
// 255-byte sub-blocks of GIF image data.
class CodeWriter {
public:
    explicit CodeWriter(QByteArray& out) : out_(out) {}

    void Write(int code, int size)
    {
        bits_ |= std::uint32_t(code) << bitCount_;
        bitCount_ += size;
        while (bitCount_ >= 8) {
            Byte(char(bits_ & 0xff));
            bits_ >>= 8;
            bitCount_ -= 8;
        }
    }

    void Finish()
    {
        if (bitCount_ > 0) {
            Byte(char(bits_ & 0xff));
        }
        Flush();
        out_.append('\0');
    }

private:
    void Byte(char b)
    {
        block_.append(b);
        if (block_.size() == 255) {
            Flush();
        }
    }
    void Flush()
    {
        if (block_.isEmpty()) {
            return;
        }
        out_.append(char(block_.size()));
        out_.append(block_);
        block_.clear();
    }

    QByteArray& out_;
    QByteArray block_;
    std::uint32_t bits_ = 0;
    int bitCount_ = 0;
};

void WriteLzw(QByteArray& out, const std::vector<int>& indices, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    constexpr int kMaxCode = 4095;
    // next[prefix * 256 + symbol] is the code of that string, 0 when unknown.
    std::vector<std::uint16_t> next(size_t(kMaxCode + 1) * 256, 0);

    out.append(char(minCodeSize));
    CodeWriter writer(out);
    int codeSize = minCodeSize + 1;
    int lastCode = endCode;
    writer.Write(clearCode, codeSize);

    int current = indices.front();
    for (size_t i = 1; i < indices.size(); ++i) {
        const int symbol = indices[i];
        const size_t key = size_t(current) * 256 + size_t(symbol);
        if (next[key] != 0) {
            current = next[key];
            continue;
        }
        writer.Write(current, codeSize);
        next[key] = std::uint16_t(++lastCode);
        if (lastCode >= (1 << codeSize)) {
            ++codeSize;
        }
        if (lastCode == kMaxCode) {
            writer.Write(clearCode, codeSize);
            std::fill(next.begin(), next.end(), 0);
            codeSize = minCodeSize + 1;
            lastCode = endCode;
        }
        current = symbol;
    }
    writer.Write(current, codeSize);
    writer.Write(clearCode, codeSize);
    writer.Write(endCode, minCodeSize + 1);
    writer.Finish();
}

void AppendWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

QImage ToImage(const Quantized& q)
{
    QImage image(q.width, q.height, QImage::Format_ARGB32);
    for (int y = 0; y < q.height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < q.width; ++x) {
            const int index = q.pixels[size_t(y) * size_t(q.width) + size_t(x)];
            if (index < 0) {
                line[x] = 0;
            } else {
                const Colour& c = q.palette[size_t(index)];
                line[x] = qRgb(c.r, c.g, c.b);
            }
        }
    }
    return image;
}

} // namespace

QByteArray EncodeGif(const QImage& image)
{
    if (image.isNull() || image.width() > 65535 || image.height() > 65535) {
        throw std::runtime_error("EncodeGif: unusable picture size");
    }
    Quantized q = Quantize(image);
    const int transparentIndex = int(q.palette.size());
    const int entries = int(q.palette.size()) + (q.hasTransparency ? 1 : 0);
    int tableBits = 1;
    while ((1 << tableBits) < entries) {
        ++tableBits;
    }

    QByteArray out("GIF89a");
    AppendWord(out, q.width);
    AppendWord(out, q.height);
    out.append(char(0x80 | 0x70 | (tableBits - 1))); // global table, 8-bit colour resolution
    out.append('\0');                                // background colour index
    out.append('\0');                                // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const Colour c = i < int(q.palette.size()) ? q.palette[size_t(i)] : Colour{};
        out.append(char(c.r));
        out.append(char(c.g));
        out.append(char(c.b));
    }
    if (q.hasTransparency) {
        out.append("\x21\xf9\x04\x01", 4); // graphic control: transparent colour given
        AppendWord(out, 0);                // no delay
        out.append(char(transparentIndex));
        out.append('\0');
    }
    out.append(char(0x2c)); // image descriptor
    AppendWord(out, 0);
    AppendWord(out, 0);
    AppendWord(out, q.width);
    AppendWord(out, q.height);
    out.append('\0');

    std::vector<int> indices = q.pixels;
    for (int& i : indices) {
        if (i < 0) {
            i = transparentIndex;
        }
    }
    WriteLzw(out, indices, std::max(2, tableBits));
    out.append(char(0x3b));
    return out;
}

QImage GifLook(const QImage& image)
{
    return ToImage(Quantize(image));
}

void WriteGif(const QImage& image, const QString& path)
{
    const QByteArray bytes = EncodeGif(image);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    file.close();

    const QImage back = QImage(path).convertToFormat(QImage::Format_ARGB32);
    const QImage expected = GifLook(image);
    if (back.size() != expected.size()) {
        throw std::runtime_error("GIF read back with a wrong size: " + path.toStdString());
    }
    for (int y = 0; y < back.height(); ++y) {
        for (int x = 0; x < back.width(); ++x) {
            const QRgb a = back.pixel(x, y), b = expected.pixel(x, y);
            const bool same = qAlpha(a) == 0 ? qAlpha(b) == 0
                                             : (a | 0xff000000u) == (b | 0xff000000u) && qAlpha(b) != 0;
            if (!same) {
                throw std::runtime_error("GIF read back differs: " + path.toStdString());
            }
        }
    }
}

} // namespace daz::datagen
