#include "BoardView.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "presentation/HaloLabel.h"
#include "presentation/Pictures.h"
#include "presentation/RegionUnion.h"

namespace daz {
namespace {

MouseButton ToGame(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    default: return MouseButton::Middle;
    }
}

// Link paths are yellow (&H0000FFFF).
const QColor kLinkColour(255, 255, 0);

// The caption's letters at the board's own size, in pixels.
constexpr int kCaptionPixels = 14;

} // namespace

BoardView::BoardView(GameParts& parts, QWidget* parent)
    : QWidget(parent), parts_(parts), round_(parts.flow.GetRound()), caption_(new HaloLabel(this))
{
    setFixedSize(BoardGeometry::AreaAt(geometry_.Scale()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font = caption_->font();
    font.setPixelSize(kCaptionPixels);
    font.setBold(true);
    caption_->setFont(font);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(&round_, &Round::dealt, this, &BoardView::LevelStarted);
    connect(&round_, &Round::boardChanged, this, &BoardView::BoardChanged);
    connect(&round_, &Round::handChanged, this, &BoardView::HandChanged);
    connect(&parts_.motion.hint, &HintFlash::changed, this, &BoardView::CellsChanged);
    connect(&parts_.motion.path, &LinkPathFade::changed, this, &BoardView::PathChanged);
    connect(&parts_.flow, &GameFlow::captionChanged, this, &BoardView::CaptionChanged);
    connect(&parts_.motion.caption, &CaptionColour::changed, this, &BoardView::CaptionChanged);
    connect(&parts_.particles, &Particles::moved, this, &BoardView::ParticlesMoved);
    LevelStarted();
    ParticlesMoved(); // they may have started before the view was made
}

BoardView::~BoardView() = default;

QLabel* BoardView::Caption() const
{
    return caption_;
}

void BoardView::SetScale(double pixelsPerTwip)
{
    if (pixelsPerTwip <= 0 || pixelsPerTwip == geometry_.Scale()) {
        return;
    }
    geometry_.SetScale(pixelsPerTwip);
    setFixedSize(BoardGeometry::AreaAt(pixelsPerTwip));
    QFont font = caption_->font();
    font.setPixelSize(std::max(1, static_cast<int>(kCaptionPixels * kTwipsPerPixel * pixelsPerTwip)));
    caption_->setFont(font);
    PlaceCaption();
    // Everything that remembers where it was painted, at the new scale.
    for (int i = 1; i <= Particles::kCount; ++i) {
        paintedParticles_[static_cast<std::size_t>(i)] = ParticleRect(i);
    }
    update();
}

void BoardView::LevelStarted()
{
    scaled_.Clear();
    largestTile_ = QSize(0, 0);
    const Board& board = round_.GetBoard();
    geometry_.SetBoard(board.MaxX(), board.MaxY());
    if (const Level* level = parts_.flow.CurrentLevel(); level && round_.HasLevel()) {
        backColour_ = FromBgr(static_cast<unsigned>(level->settings.gBackColor));
        for (const QImage& image : level->pictures.tiles) {
            largestTile_ = largestTile_.expandedTo(image.size());
        }
    } else {
        backColour_ = QColor(0x20, 0x20, 0x20);
    }
    paintedCodes_.assign(static_cast<std::size_t>(board.CellCount()) + 1, 0);
    for (int n = 1; n <= board.CellCount(); ++n) {
        paintedCodes_[static_cast<std::size_t>(n)] = board.At(board.CellOf(n));
    }
    paintedSelection_.reset();
    paintedCursor_.reset();
    paintedPath_ = parts_.motion.path.Path();
    paintedWidth_ = parts_.motion.path.Width();
    CaptionChanged();
    update();
}

QSize BoardView::TilePicture(TileCode code) const
{
    const Level* level = parts_.flow.CurrentLevel();
    return level ? level->pictures.Tile(code).size() : QSize();
}

QRect BoardView::TileRect(Cell cell, TileCode code) const
{
    return geometry_.PictureRect(cell, TilePicture(code));
}

QRect BoardView::TileRect(Cell cell) const
{
    return TileRect(cell, round_.GetBoard().At(cell));
}

QRect BoardView::SelectionRect(Cell cell) const
{
    const Level* level = parts_.flow.CurrentLevel();
    return geometry_.PictureRect(cell, level ? level->pictures.mb1.size() : QSize());
}

QRect BoardView::CursorRect(Cell cell) const
{
    const Level* level = parts_.flow.CurrentLevel();
    return geometry_.PictureRect(cell, level ? level->pictures.mb2.size() : QSize());
}

double BoardView::LineWidth(int width) const
{
    return std::max(1.0, width * kTwipsPerPixel * geometry_.Scale());
}

QRect BoardView::LineRect(QPointF from, QPointF to, double width) const
{
    const int margin = static_cast<int>(std::ceil(width / 2)) + 2;
    return QRectF(from, to).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

QRect BoardView::PathRect(const LinkPath& path, int width) const
{
    QRect rect;
    for (int i = 0; i < path.segments; ++i) {
        rect |= LineRect(geometry_.Centre(path.points[static_cast<std::size_t>(i)]),
                         geometry_.Centre(path.points[static_cast<std::size_t>(i + 1)]), LineWidth(width));
    }
    return rect;
}

QRect BoardView::ParticleRect(int i) const
{
    const auto& sprite = parts_.particles.All()[static_cast<std::size_t>(i)];
    return sprite.visible ? geometry_.PictureRect(sprite.left, sprite.top, parts_.particles.Picture().size()) : QRect();
}

bool BoardView::ShowsTile(Cell cell) const
{
    const Board& board = round_.GetBoard();
    return board.InField(cell) && board.At(cell) != 0 && !parts_.motion.hint.Hides(cell);
}

void BoardView::BoardChanged()
{
    const Board& board = round_.GetBoard();
    if (paintedCodes_.size() != static_cast<std::size_t>(board.CellCount()) + 1) {
        LevelStarted();
        return;
    }
    for (int n = 1; n <= board.CellCount(); ++n) {
        const Cell cell = board.CellOf(n);
        TileCode& painted = paintedCodes_[static_cast<std::size_t>(n)];
        if (const TileCode now = board.At(cell); now != painted) {
            update(TileRect(cell, painted));
            update(TileRect(cell, now));
            painted = now;
        }
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

void BoardView::HandChanged()
{
    const std::optional<Cell> selection = round_.Selection();
    const std::optional<Cell> cursor =
        round_.CursorShown() ? std::optional<Cell>(round_.CursorCell()) : std::nullopt;
    if (selection != paintedSelection_) {
        if (paintedSelection_) {
            update(SelectionRect(*paintedSelection_));
        }
        if (selection) {
            update(SelectionRect(*selection));
        }
        paintedSelection_ = selection;
    }
    if (cursor != paintedCursor_) {
        if (paintedCursor_) {
            update(CursorRect(*paintedCursor_));
        }
        if (cursor) {
            update(CursorRect(*cursor));
        }
        paintedCursor_ = cursor;
    }
}

void BoardView::PathChanged()
{
    const LinkPathFade& fade = parts_.motion.path;
    update(PathRect(paintedPath_, paintedWidth_));
    update(PathRect(fade.Path(), fade.Width()));
    paintedPath_ = fade.Path();
    paintedWidth_ = fade.Width();
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

void BoardView::CaptionChanged()
{
    caption_->setText(parts_.flow.Caption());
    caption_->SetColour(PaletteColour(parts_.motion.caption.Index()));
    PlaceCaption();
}

void BoardView::PlaceCaption()
{
    caption_->resize(caption_->sizeHint());
    // Centred over the board's width, near the top.
    caption_->move((width() - caption_->width()) / 2, 1);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    const ScaledPictures::Set& pictures = scaled_.At(parts_.flow.CurrentLevel(), geometry_, size(),
                                                     devicePixelRatioF(), parts_.particles.Picture());
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
            p.drawPixmap(dirty, pictures.background, QRectF(QPointF(dirty.topLeft()) * pictures.dpr,
                                                            QSizeF(dirty.size()) * pictures.dpr).toAlignedRect());
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

    if (round_.HasLevel()) {
        if (round_.CursorShown()) {
            if (const QRect r = CursorRect(round_.CursorCell()); region.intersects(r)) {
                p.drawPixmap(r, pictures.mb2);
            }
        }
        if (const auto selection = round_.Selection()) {
            if (const QRect r = SelectionRect(*selection); region.intersects(r)) {
                p.drawPixmap(r, pictures.mb1);
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

std::optional<Cell> BoardView::TileAt(QPoint point) const
{
    const Board& board = round_.GetBoard();
    if (board.CellCount() == 0 || geometry_.Cells().boxW <= 0 || geometry_.Cells().boxH <= 0) {
        return std::nullopt;
    }
    // A picture may be larger than its cell and overlap its right and lower
    // neighbours; later tiles lie above earlier ones.
    const Cell under = geometry_.CellUnder(point);
    for (int dy = 0; dy <= 1; ++dy) {
        for (int dx = 0; dx <= 1; ++dx) {
            const Cell cell{under.x - dx, under.y - dy};
            if (ShowsTile(cell) && TileRect(cell).contains(point)) {
                return cell;
            }
        }
    }
    return std::nullopt;
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    Round& round = parts_.flow.GetRound();
    if (!round.BoardVisible() || !round.HasLevel()) {
        return;
    }
    const QPoint at = event->position().toPoint();
    // The masks lie above the tiles and take the pointer while over them.
    if (const auto selection = round.Selection(); selection && SelectionRect(*selection).contains(at)) {
        return;
    }
    if (round.CursorShown() && CursorRect(round.CursorCell()).contains(at)) {
        return;
    }
    if (const auto cell = TileAt(at)) {
        round.Hover(*cell);
    } else {
        round.HoverNothing();
    }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    Round& round = parts_.flow.GetRound();
    if (!round.BoardVisible() || !round.HasLevel()) {
        return;
    }
    const QPoint at = event->position().toPoint();
    const MouseButton button = ToGame(event->button());
    if (const auto selection = round.Selection(); selection && SelectionRect(*selection).contains(at)) {
        round.ClickSelected(button);
    } else if (round.CursorShown() && CursorRect(round.CursorCell()).contains(at)) {
        round.ClickTile(round.CursorCell(), button);
    } else if (const auto cell = TileAt(at)) {
        round.ClickTile(*cell, button);
    } else {
        round.ClickBoard(button);
    }
}

} // namespace daz
