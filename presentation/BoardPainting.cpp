// The board view's painting: what a change of the round (the signals tell
// what was there before), the motion or the particles exposes, and the
// paint of the exposed region.
#include "BoardView.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>

#include "game/GameFlow.h"
#include "presentation/BoardMotion.h"
#include "presentation/Contrast.h"
#include "presentation/RegionUnion.h"

namespace daz {
namespace {

// Link paths are yellow (&H0000FFFF).
const QColor kLinkColour(255, 255, 0);
// The light rings of the outlines: the selection's yellow, the cursor's
// white and the steady hint's cyan, each within a black one.
const QColor kSelectionRing(255, 255, 0);
const QColor kCursorRing(255, 255, 255);
const QColor kHintRing(0, 255, 255);

} // namespace

void BoardView::BoardChanged(const std::vector<TileChange>& changes)
{
    for (const TileChange& change : changes) {
        update(TileRect(change.cell, change.before));
        update(TileRect(change.cell, change.after));
    }
}

void BoardView::CellsChanged(Cell first, Cell second)
{
    for (const Cell cell : {first, second}) {
        if (round_.GetBoard().InField(cell)) {
            update(TileRect(cell));
        }
    }
}

void BoardView::HandChanged(const Hand& before, const Hand& after)
{
    if (before.selection != after.selection) {
        for (const auto& cell : {before.selection, after.selection}) {
            if (cell) {
                update(SelectionRect(*cell));
            }
        }
    }
    if (before.cursor != after.cursor) {
        for (const auto& cell : {before.cursor, after.cursor}) {
            if (cell) {
                update(CursorRect(*cell));
            }
        }
    }
}

void BoardView::PathChanged(const LinkPath& before, int widthBefore)
{
    const LinkPathFade& fade = parts_.motion.path;
    update(PathRect(before, widthBefore));
    update(PathRect(fade.Path(), fade.Width()));
}

void BoardView::ParticlesMoved()
{
    // Each particle's old and new place, nothing in between; one rectangle
    // for both when they overlap, as they do for all but the stars. A
    // particle that lands on the same pixels costs nothing.
    std::array<QRect, 2 * Particles::kCount> rects;
    std::size_t count = 0;
    const QRect area = rect();
    const auto add = [&](const QRect& r) {
        if (const QRect inside = r & area; !inside.isEmpty()) {
            rects[count++] = inside;
        }
    };
    for (int i = 1; i <= Particles::kCount; ++i) {
        QRect& painted = paintedParticles_[static_cast<std::size_t>(i)];
        const QRect now = ParticleRect(i);
        if (now != painted) {
            if (now.intersects(painted)) {
                add(now.united(painted));
            } else {
                add(painted);
                add(now);
            }
            painted = now;
        }
    }
    if (count == 1) {
        update(rects[0]);
    } else if (count > 1) {
        update(UnionOf(rects, count));
    }
}

void BoardView::paintEvent(QPaintEvent* event)
{
    const ScaledPictures::Set& pictures = scaled_.At(parts_.flow.CurrentLevel(), geometry_, size(), devicePixelRatioF(),
                                                     parts_.particles.Picture());
    const QRegion& region = event->region();
    // A tick of the particles exposes up to twenty small rectangles far
    // apart. They are painted in one pass, clipped to all of them, so that
    // nothing between them is drawn: the background under each, then every
    // tile that reaches into any of them in the order of the tiles' numbers
    // (a larger picture lies over its right and lower neighbours), then the
    // masks, the link path and the particles over them.
    QPainter p(this);
    p.setClipRegion(region);
    for (const QRect& dirty : region) {
        if (pictures.background.isNull()) {
            p.fillRect(dirty, backColour_);
        } else {
            p.drawPixmap(
                dirty, pictures.background,
                QRectF(QPointF(dirty.topLeft()) * pictures.dpr, QSizeF(dirty.size()) * pictures.dpr).toAlignedRect());
        }
    }

    const Board& board = round_.GetBoard();
    const QSize reach = geometry_.ScaledSize(largestTile_);
    cellsToPaint_.assign(static_cast<std::size_t>(board.CellCount()) + 1, 0);
    int firstCell = board.CellCount() + 1;
    int lastCell = 0;
    for (const QRect& dirty : region) {
        const auto [y0, y1] = geometry_.RowSpan(dirty.top(), dirty.bottom(), reach.height());
        const auto [x0, x1] = geometry_.ColumnSpan(dirty.left(), dirty.right(), reach.width());
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const int n = board.CellNumber(Cell{x, y});
                cellsToPaint_[static_cast<std::size_t>(n)] = 1;
                firstCell = std::min(firstCell, n);
                lastCell = std::max(lastCell, n);
            }
        }
    }
    for (int n = firstCell; n <= lastCell; ++n) {
        if (!cellsToPaint_[static_cast<std::size_t>(n)]) {
            continue;
        }
        const Cell cell = board.CellOf(n);
        const auto code = static_cast<std::size_t>(board.At(cell));
        if (code < 1 || code >= pictures.tiles.size() || parts_.motion.hint.Hides(cell)) {
            continue;
        }
        const QRect r(geometry_.Corner(cell), pictures.tileSizes[code]);
        if (region.intersects(r)) {
            p.drawPixmap(r, pictures.tiles[code]);
        }
    }

    // Under high contrast the masks are outlines that show on any tile.
    const bool outlines = HighContrastInUse();
    const int ring = OutlineThickness();
    if (const HintFlash& hint = parts_.motion.hint; hint.Marks(hint.First()) || hint.Marks(hint.Second())) {
        for (const Cell cell : {hint.First(), hint.Second()}) {
            if (const QRect r = TileRect(cell); hint.Marks(cell) && region.intersects(r)) {
                DrawTwoToneOutline(p, r, ring, kHintRing);
            }
        }
    }
    if (round_.GetPhase() != Phase::NoLevel) {
        if (round_.CursorShown()) {
            if (const QRect r = CursorRect(round_.CursorCell()); region.intersects(r)) {
                if (outlines) {
                    DrawTwoToneOutline(p, r, ring, kCursorRing);
                } else {
                    p.drawPixmap(r, pictures.mb2);
                }
            }
        }
        if (const auto selection = round_.Selection()) {
            if (const QRect r = SelectionRect(*selection); region.intersects(r)) {
                if (outlines) {
                    DrawTwoToneOutline(p, r, ring, kSelectionRing);
                } else {
                    p.drawPixmap(r, pictures.mb1);
                }
            }
        }
    }

    if (const LinkPathFade& fade = parts_.motion.path; fade.Visible()) {
        const double width = LineWidth(fade.Width());
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kLinkColour, width, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < fade.Path().segments; ++i) {
            const QPointF from = geometry_.Centre(fade.Path().points[static_cast<std::size_t>(i)]);
            const QPointF to = geometry_.Centre(fade.Path().points[static_cast<std::size_t>(i + 1)]);
            if (region.intersects(LineRect(from, to, width))) {
                p.drawLine(from, to);
            }
        }
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    if (!pictures.particle.isNull()) {
        for (int i = 1; i <= Particles::kCount; ++i) {
            if (const QRect r = ParticleRect(i); !r.isNull() && region.intersects(r)) {
                p.drawPixmap(r, pictures.particle);
            }
        }
    }
}

} // namespace daz
