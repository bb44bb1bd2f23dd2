#pragma once

#include <vector>

namespace daz::datagen {

// A colour of a picture, with how many pixels have it.
struct Colour {
    int r = 0, g = 0, b = 0;
    long long count = 0;
};

// Weighted so that green differences count most, blue least, roughly as
// the eye sees them.
inline long long Distance(const Colour& a, const Colour& b)
{
    const long long dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// A palette of at most `wanted` colours for these (weighted) colours: a
// median cut refined with a few rounds of k-means.
std::vector<Colour> MedianCut(std::vector<Colour> colours, int wanted);

} // namespace daz::datagen
