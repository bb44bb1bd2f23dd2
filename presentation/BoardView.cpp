#include "BoardView.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVarLengthArray>

#include "presentation/Pictures.h"

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

// How many scales of the level's pictures are kept.
constexpr std::size_t kScalesKept = 3;

// The union of a few rectangles, made the way QRegion holds one: bands
// from top to bottom, each band's rectangles of one height, from left to
// right, apart. Uniting them one by one costs a new region each time.
template <std::size_t N>
QRegion UnionOf(const std::array<QRect, N>& rects, std::size_t count)
{
    std::array<int, 2 * N> edges{};
    std::size_t edgeCount = 0;
    for (std::size_t i = 0; i < count; ++i) {
        edges[edgeCount++] = rects[i].top();
        edges[edgeCount++] = rects[i].bottom() + 1;
    }
    std::sort(edges.begin(), edges.begin() + static_cast<std::ptrdiff_t>(edgeCount));
    edgeCount = static_cast<std::size_t>(std::unique(edges.begin(), edges.begin() + static_cast<std::ptrdiff_t>(edgeCount)) -
                                         edges.begin());

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

} // namespace

HaloLabel::HaloLabel(QWidget* parent) : QLabel(parent) {}

QColor HaloLabel::HaloFor(QColor colour)
{
    // Relative luminance, as contrast is usually judged: a colour reads
    // best against whichever of black and white lies farther from it.
    const auto channel = [](double c) {
        c /= 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double l = 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? Qt::black : Qt::white;
}

void HaloLabel::SetColour(QColor colour)
{
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

int HaloLabel::HaloWidth() const
{
    return std::max(2, (font().pixelSize() + 3) / 5);
}

QSize HaloLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int halo = HaloWidth();
    return {metrics.horizontalAdvance(text()) + 2 * halo + 2, metrics.height() + 2 * halo};
}

void HaloLabel::paintEvent(QPaintEvent*)
{
    // The ring is the text itself in the contrasting colour, drawn around
    // its place in sixteen directions: much cheaper than stroking the
    // letters' outlines, and as even at these widths. Text and ring are
    // drawn once per colour into a picture, laid down whole from then on.
    const qreal dpr = devicePixelRatioF();
    const QSize device(std::max(1, static_cast<int>(std::lround(width() * dpr))),
                       std::max(1, static_cast<int>(std::lround(height() * dpr))));
    if (drawnText_ != text() || drawnFont_ != font()) {
        drawn_.clear();
        drawnText_ = text();
        drawnFont_ = font();
    }
    QPixmap& picture = drawn_[colour_.rgb()];
    if (picture.size() != device || picture.devicePixelRatio() != dpr) {
        picture = QPixmap(device);
        picture.setDevicePixelRatio(dpr);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setFont(font());
        const QFontMetrics metrics(font());
        const int halo = HaloWidth();
        const QPointF at(halo + 1, halo + metrics.ascent());
        p.setPen(HaloFor(colour_));
        for (const double radius : {halo / 2.0, static_cast<double>(halo)}) {
            for (int step = 0; step < 16; ++step) {
                const double angle = step * 3.14159265358979 / 8;
                p.drawText(at + QPointF(radius * std::cos(angle), radius * std::sin(angle)), text());
            }
        }
        p.setPen(colour_);
        p.drawText(at, text());
    }
    QPainter(this).drawPixmap(0, 0, picture);
}

BoardView::BoardView(Game& game, Particles& particles, QWidget* parent)
    : QWidget(parent), game_(game), particles_(particles), caption_(new HaloLabel(this))
{
    setFixedSize(SizeAt(scale_));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font = caption_->font();
    font.setPixelSize(kCaptionPixels);
    font.setBold(true);
    caption_->setFont(font);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(&game_, &Game::levelStarted, this, &BoardView::LevelStarted);
    connect(&game_, &Game::tilesChanged, this, &BoardView::TilesChanged);
    connect(&game_, &Game::masksChanged, this, &BoardView::MasksChanged);
    connect(&game_, &Game::linesChanged, this, &BoardView::LinesChanged);
    connect(&game_, &Game::captionChanged, this, &BoardView::CaptionChanged);
    connect(&particles_, &Particles::moved, this, &BoardView::ParticlesMoved);
    LevelStarted();
    ParticlesMoved(); // they may have started before the view was made
}

QSize BoardView::SizeAt(double pixelsPerTwip)
{
    return {static_cast<int>(std::lround(Game::kBoardWidth * pixelsPerTwip)),
            static_cast<int>(std::lround(Game::kBoardHeight * pixelsPerTwip))};
}

void BoardView::SetScale(double pixelsPerTwip)
{
    if (pixelsPerTwip <= 0 || pixelsPerTwip == scale_) {
        return;
    }
    scale_ = pixelsPerTwip;
    setFixedSize(SizeAt(scale_));
    QFont font = caption_->font();
    font.setPixelSize(std::max(1, static_cast<int>(kCaptionPixels * kTwipsPerPixel * scale_)));
    caption_->setFont(font);
    PlaceCaption();
    // Everything that remembers where it was painted, at the new scale.
    for (int i = 1; i <= Particles::kCount; ++i) {
        paintedParticles_[static_cast<std::size_t>(i)] = ParticleRect(i);
    }
    update();
}

int BoardView::ToPixels(double twips) const
{
    return static_cast<int>(std::lround(twips * scale_));
}

QPoint BoardView::ToTwips(QPointF pixels) const
{
    // A hair over, so that whole pixels at the design scale land on whole
    // multiples of 15 twips.
    return {static_cast<int>(std::floor(pixels.x() / scale_ + 1e-6)),
            static_cast<int>(std::floor(pixels.y() / scale_ + 1e-6))};
}

QSize BoardView::ScaledSize(QSize picture) const
{
    return {ToPixels(picture.width() * kTwipsPerPixel), ToPixels(picture.height() * kTwipsPerPixel)};
}

QPixmap BoardView::ScalePicture(const QImage& image, qreal dpr) const
{
    if (image.isNull()) {
        return {};
    }
    const QSize size = ScaledSize(image.size());
    const QSize device(std::max(1, static_cast<int>(std::lround(size.width() * dpr))),
                       std::max(1, static_cast<int>(std::lround(size.height() * dpr))));
    QPixmap pixmap = QPixmap::fromImage(
        device == image.size() ? image : image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

const BoardView::Scaled& BoardView::Pictures()
{
    const qreal dpr = devicePixelRatioF();
    const qint64 particleKey = particles_.Picture().cacheKey();
    auto found = std::find_if(scaled_.begin(), scaled_.end(),
                              [&](const Scaled& s) { return s.scale == scale_ && s.dpr == dpr; });
    if (found == scaled_.end()) {
        Scaled s;
        s.scale = scale_;
        s.dpr = dpr;
        if (const Level* level = game_.CurrentLevel()) {
            for (const QImage& image : level->pictures.tiles) {
                s.tiles.push_back(ScalePicture(image, dpr));
            }
            s.mb1 = ScalePicture(level->pictures.mb1, dpr);
            s.mb2 = ScalePicture(level->pictures.mb2, dpr);
            if (!level->pictures.background.isNull()) {
                // Stretched to the whole board area.
                const QSize device = size() * dpr;
                s.background = QPixmap::fromImage(level->pictures.background.scaled(
                    device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                s.background.setDevicePixelRatio(dpr);
            }
            for (const QImage& image : level->pictures.tiles) {
                s.tileSizes.push_back(ScaledSize(image.size()));
            }
        }
        const Board& board = game_.GetBoard();
        const CellGeometry& geometry = game_.Geometry();
        s.columns.resize(static_cast<std::size_t>(board.MaxX()) + 1);
        for (int x = 1; x <= board.MaxX(); ++x) {
            s.columns[static_cast<std::size_t>(x)] = ToPixels(geometry.Left(x));
        }
        s.rows.resize(static_cast<std::size_t>(board.MaxY()) + 1);
        for (int y = 1; y <= board.MaxY(); ++y) {
            s.rows[static_cast<std::size_t>(y)] = ToPixels(geometry.Top(y));
        }
        if (scaled_.size() >= kScalesKept) {
            scaled_.pop_back();
        }
        found = scaled_.insert(scaled_.begin(), std::move(s));
    } else if (found != scaled_.begin()) {
        std::rotate(scaled_.begin(), found, found + 1);
        found = scaled_.begin();
    }
    if (found->particleKey != particleKey) {
        found->particleKey = particleKey;
        found->particle = ScalePicture(particles_.Picture(), dpr);
    }
    return *found;
}

void BoardView::LevelStarted()
{
    scaled_.clear();
    largestTile_ = QSize(0, 0);
    backColour_ = FromBgr(static_cast<unsigned>(game_.State().GBackColor));
    if (const Level* level = game_.CurrentLevel()) {
        for (const QImage& image : level->pictures.tiles) {
            largestTile_ = largestTile_.expandedTo(image.size());
        }
    } else {
        backColour_ = QColor(0x20, 0x20, 0x20);
    }
    game_.TakeChangedCells();
    paintedMb1_ = game_.SelectionMask();
    paintedMb2_ = game_.HoverMask();
    paintedLines_ = game_.Lines();
    CaptionChanged();
    update();
}

QRect BoardView::TileRect(int cellNumber) const
{
    const Game::Rect r = game_.TileRect(cellNumber);
    return {ToPixels(r.left, r.top), ScaledSize(QSize(r.width / kTwipsPerPixel, r.height / kTwipsPerPixel))};
}

QRect BoardView::TileRect(const Scaled& pictures, int cellNumber) const
{
    const Cell c = game_.GetBoard().CellOf(cellNumber);
    const auto picture = static_cast<std::size_t>(game_.GetBoard().View(cellNumber).picture);
    if (static_cast<std::size_t>(c.x) >= pictures.columns.size() || static_cast<std::size_t>(c.y) >= pictures.rows.size() ||
        picture >= pictures.tileSizes.size()) {
        return TileRect(cellNumber);
    }
    return {QPoint(pictures.columns[static_cast<std::size_t>(c.x)], pictures.rows[static_cast<std::size_t>(c.y)]),
            pictures.tileSizes[picture]};
}

QRect BoardView::MaskRect(const MaskState& mask, const QImage& picture) const
{
    return {ToPixels(mask.left, mask.top), ScaledSize(picture.size())};
}

double BoardView::LineWidth(const LinkLine& line) const
{
    return std::max(1.0, line.width * kTwipsPerPixel * scale_);
}

QRect BoardView::LineRect(const LinkLine& line) const
{
    const QPointF a(line.from.x * scale_, line.from.y * scale_);
    const QPointF b(line.to.x * scale_, line.to.y * scale_);
    const int margin = static_cast<int>(std::ceil(LineWidth(line) / 2)) + 2;
    return QRectF(a, b).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

QRect BoardView::SpriteRect(const Particles::Sprite& sprite) const
{
    return {ToPixels(sprite.left, sprite.top), ScaledSize(particles_.Picture().size())};
}

QRect BoardView::ParticleRect(int i) const
{
    const auto& sprite = particles_.All()[static_cast<std::size_t>(i)];
    return sprite.visible ? SpriteRect(sprite) : QRect();
}

void BoardView::TilesChanged()
{
    for (const int n : game_.TakeChangedCells()) {
        update(TileRect(n));
    }
}

void BoardView::MasksChanged()
{
    const Level* level = game_.CurrentLevel();
    const QImage none;
    const QImage& mb1Picture = level ? level->pictures.mb1 : none;
    const QImage& mb2Picture = level ? level->pictures.mb2 : none;
    const MaskState& mb1 = game_.SelectionMask();
    const MaskState& mb2 = game_.HoverMask();
    for (const auto& [painted, now, picture] :
         {std::tuple{&paintedMb1_, &mb1, &mb1Picture}, std::tuple{&paintedMb2_, &mb2, &mb2Picture}}) {
        if (painted->visible != now->visible || painted->left != now->left || painted->top != now->top) {
            if (painted->visible) {
                update(MaskRect(*painted, *picture));
            }
            if (now->visible) {
                update(MaskRect(*now, *picture));
            }
            *painted = *now;
        }
    }
}

void BoardView::LinesChanged()
{
    const auto& lines = game_.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (paintedLines_[i].visible) {
            update(LineRect(paintedLines_[i]));
        }
        if (lines[i].visible) {
            update(LineRect(lines[i]));
        }
    }
    paintedLines_ = lines;
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
    caption_->setText(game_.Caption());
    caption_->SetColour(PaletteColour(game_.CaptionColour()));
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
    const Scaled& pictures = Pictures();
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

    const Board& board = game_.GetBoard();
    const CellGeometry& geometry = game_.Geometry();
    const QSize reach = ScaledSize(largestTile_);
    cellsToPaint_.assign(static_cast<std::size_t>(board.CellCount()) + 1, 0);
    int firstCell = board.CellCount() + 1;
    int lastCell = 0;
    for (const QRect& dirty : region) {
        const auto [y0, y1] = CellSpan(dirty.top(), dirty.bottom(), geometry.boxH, reach.height(), board.MaxY());
        const auto [x0, x1] = CellSpan(dirty.left(), dirty.right(), geometry.boxW, reach.width(), board.MaxX());
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
        const TileView& view = board.View(n);
        if (!view.visible || view.picture < 1 || static_cast<std::size_t>(view.picture) >= pictures.tiles.size()) {
            continue;
        }
        const QRect r = TileRect(pictures, n);
        if (region.intersects(r)) {
            p.drawPixmap(r, pictures.tiles[static_cast<std::size_t>(view.picture)]);
        }
    }

    if (const Level* level = game_.CurrentLevel()) {
        if (const MaskState& mb2 = game_.HoverMask(); mb2.visible) {
            const QRect r = MaskRect(mb2, level->pictures.mb2);
            if (region.intersects(r)) {
                p.drawPixmap(r, pictures.mb2);
            }
        }
        if (const MaskState& mb1 = game_.SelectionMask(); mb1.visible) {
            const QRect r = MaskRect(mb1, level->pictures.mb1);
            if (region.intersects(r)) {
                p.drawPixmap(r, pictures.mb1);
            }
        }
    }

    for (const LinkLine& line : game_.Lines()) {
        if (line.visible && region.intersects(LineRect(line))) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(kLinkColour, LineWidth(line), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(line.from.x * scale_, line.from.y * scale_),
                       QPointF(line.to.x * scale_, line.to.y * scale_));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    if (!pictures.particle.isNull()) {
        for (int i = 1; i <= Particles::kCount; ++i) {
            const auto& sprite = particles_.All()[static_cast<std::size_t>(i)];
            if (sprite.visible) {
                const QRect r = SpriteRect(sprite);
                if (region.intersects(r)) {
                    p.drawPixmap(r, pictures.particle);
                }
            }
        }
    }
}

// The cells x (or y) = 1 … count whose tiles may reach into the pixels
// from … to, for cells box twips wide whose pictures are up to reach
// pixels wide at the view's scale.
std::pair<int, int> BoardView::CellSpan(int from, int to, int box, int reach, int count) const
{
    if (box <= 0) {
        return {1, 0};
    }
    const int first = std::max(1, static_cast<int>(std::floor((from - reach) / scale_ / box)));
    const int last = std::min(count, static_cast<int>(std::floor((to + 1) / scale_ / box)) + 1);
    return {first, last};
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = ToTwips(event->position());
    game_.MouseMove(at.x(), at.y());
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = ToTwips(event->position());
    game_.MousePress(at.x(), at.y(), ToGame(event->button()));
}

} // namespace daz
