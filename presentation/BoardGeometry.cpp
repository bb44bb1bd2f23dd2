#include "BoardGeometry.h"

#include <algorithm>
#include <cmath>

namespace daz {
namespace {

// The last of the edges at or before a pixel, as a cell index.
int IndexUnder(const std::vector<int>& edges, int pixel)
{
    if (edges.empty()) {
        return 0;
    }
    const auto after = std::upper_bound(edges.begin(), edges.end(), pixel);
    return std::max(0, static_cast<int>(after - edges.begin()) - 1);
}

std::pair<int, int> Span(const std::vector<int>& edges, int count, int from, int to, int reach)
{
    if (count <= 0 || edges.size() < 2 || edges[1] <= edges[0]) {
        return {1, 0};
    }
    // A picture starting up to reach pixels before from still covers it.
    return {std::max(1, IndexUnder(edges, from - reach)), std::min(count, IndexUnder(edges, to))};
}

} // namespace

QSize BoardGeometry::AreaAt(double pixelsPerTwip)
{
    return {static_cast<int>(std::lround(kBoardAreaWidth * pixelsPerTwip)),
            static_cast<int>(std::lround(kBoardAreaHeight * pixelsPerTwip))};
}

void BoardGeometry::SetBoard(int maxX, int maxY)
{
    maxX_ = maxX;
    maxY_ = maxY;
    cells_ = maxX > 0 && maxY > 0 ? CellGeometry::For(kBoardAreaWidth, kBoardAreaHeight, maxX, maxY) : CellGeometry{};
    Convert();
}

void BoardGeometry::SetScale(double pixelsPerTwip)
{
    if (pixelsPerTwip > 0 && pixelsPerTwip != scale_) {
        scale_ = pixelsPerTwip;
        Convert();
    }
}

void BoardGeometry::Convert()
{
    columns_.resize(static_cast<std::size_t>(maxX_ > 0 ? maxX_ + 2 : 0));
    for (std::size_t x = 0; x < columns_.size(); ++x) {
        columns_[x] = ToPixels(cells_.Left(static_cast<int>(x)));
    }
    rows_.resize(static_cast<std::size_t>(maxY_ > 0 ? maxY_ + 2 : 0));
    for (std::size_t y = 0; y < rows_.size(); ++y) {
        rows_[y] = ToPixels(cells_.Top(static_cast<int>(y)));
    }
}

int BoardGeometry::ToPixels(double twips) const
{
    return static_cast<int>(std::lround(twips * scale_));
}

QSize BoardGeometry::ScaledSize(QSize picture) const
{
    return {ToPixels(picture.width() * kTwipsPerPixel), ToPixels(picture.height() * kTwipsPerPixel)};
}

QRect BoardGeometry::PictureRect(int leftTwips, int topTwips, QSize picture) const
{
    return {QPoint(ToPixels(leftTwips), ToPixels(topTwips)), ScaledSize(picture)};
}

QPoint BoardGeometry::Corner(Cell cell) const
{
    const auto x = static_cast<std::size_t>(cell.x);
    const auto y = static_cast<std::size_t>(cell.y);
    if (cell.x >= 0 && cell.y >= 0 && x < columns_.size() && y < rows_.size()) {
        return {columns_[x], rows_[y]};
    }
    return {ToPixels(cells_.Left(cell.x)), ToPixels(cells_.Top(cell.y))};
}

QPointF BoardGeometry::Centre(Cell cell) const
{
    const PointF centre = cells_.Centre(cell);
    return {centre.x * scale_, centre.y * scale_};
}

Cell BoardGeometry::CellUnder(QPoint point) const
{
    return {IndexUnder(columns_, point.x()), IndexUnder(rows_, point.y())};
}

std::pair<int, int> BoardGeometry::ColumnSpan(int from, int to, int reach) const
{
    return Span(columns_, maxX_, from, to, reach);
}

std::pair<int, int> BoardGeometry::RowSpan(int from, int to, int reach) const
{
    return Span(rows_, maxY_, from, to, reach);
}

} // namespace daz
