#include "Gif.h"

#include "MedianCut.h"

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

struct Quantized {
    int width = 0;
    int height = 0;
    std::vector<Colour> palette; // opaque colours only
    std::vector<int> pixels;     // palette index, or -1 for transparent
    bool hasTransparency = false;
};

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
