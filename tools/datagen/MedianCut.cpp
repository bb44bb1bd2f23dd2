#include "MedianCut.h"

#include <algorithm>
#include <array>
#include <utility>

namespace daz::datagen {
namespace {

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

} // namespace

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

} // namespace daz::datagen
