#pragma once

#include <algorithm>
#include <array>
#include <utility>

#include <QRect>
#include <QRegion>
#include <QVarLengthArray>

namespace daz {

// The union of a few rectangles, made the way QRegion holds one: bands
// from top to bottom, each band's rectangles of one height, from left to
// right, apart. Uniting them one by one costs a new region each time.
template <std::size_t N>
inline QRegion UnionOf(const std::array<QRect, N>& rects, std::size_t count)
{
    std::array<int, 2 * N> edges{};
    std::size_t edgeCount = 0;
    for (std::size_t i = 0; i < count; ++i) {
        edges[edgeCount++] = rects[i].top();
        edges[edgeCount++] = rects[i].bottom() + 1;
    }
    std::sort(edges.begin(), edges.begin() + static_cast<std::ptrdiff_t>(edgeCount));
    edgeCount = static_cast<std::size_t>(
        std::unique(edges.begin(), edges.begin() + static_cast<std::ptrdiff_t>(edgeCount)) - edges.begin());

    QVarLengthArray<QRect, 4 * N> out;
    std::size_t lastBand = 0; // where the band above starts in out
    int lastBottom = 0;       // and the first row below it
    for (std::size_t e = 0; e + 1 < edgeCount; ++e) {
        const int top = edges[e];
        const int bottom = edges[e + 1];
        // The rectangles across this band, left to right, joined where they
        // overlap or touch.
        std::array<std::pair<int, int>, N> spans{};
        std::size_t spanCount = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (rects[i].top() <= top && rects[i].bottom() + 1 >= bottom) {
                spans[spanCount++] = {rects[i].left(), rects[i].right() + 1};
            }
        }
        if (spanCount == 0) {
            continue;
        }
        std::sort(spans.begin(), spans.begin() + static_cast<std::ptrdiff_t>(spanCount));
        std::size_t joined = 0;
        for (std::size_t i = 1; i < spanCount; ++i) {
            if (spans[i].first <= spans[joined].second) {
                spans[joined].second = std::max(spans[joined].second, spans[i].second);
            } else {
                spans[++joined] = spans[i];
            }
        }
        spanCount = joined + 1;
        // A band just like the one right above it makes that one taller.
        bool same = lastBottom == top && static_cast<std::size_t>(out.size()) - lastBand == spanCount;
        for (std::size_t i = 0; same && i < spanCount; ++i) {
            const QRect& above = out[static_cast<qsizetype>(lastBand + i)];
            same = above.left() == spans[i].first && above.right() + 1 == spans[i].second;
        }
        if (same) {
            for (std::size_t i = lastBand; i < static_cast<std::size_t>(out.size()); ++i) {
                out[static_cast<qsizetype>(i)].setBottom(bottom - 1);
            }
        } else {
            lastBand = static_cast<std::size_t>(out.size());
            for (std::size_t i = 0; i < spanCount; ++i) {
                out.append(QRect(QPoint(spans[i].first, top), QPoint(spans[i].second - 1, bottom - 1)));
            }
        }
        lastBottom = bottom;
    }
    QRegion region;
    region.setRects(out.constData(), static_cast<int>(out.size()));
    return region;
}

} // namespace daz
