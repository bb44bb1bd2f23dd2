#include "BoardView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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

} // namespace

BoardView::BoardView(Game& game, Particles& particles, QWidget* parent)
    : QWidget(parent), game_(game), particles_(particles), caption_(new QLabel(this))
{
    setFixedSize(Px(Game::kBoardWidth), Px(Game::kBoardHeight));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font = caption_->font();
    font.setPixelSize(14);
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

void BoardView::LevelStarted()
{
    tiles_.clear();
    largestTile_ = QSize(0, 0);
    mb1_ = mb2_ = background_ = QPixmap();
    backColour_ = FromBgr(static_cast<unsigned>(game_.State().GBackColor));
    if (const Level* level = game_.CurrentLevel()) {
        for (const QImage& image : level->pictures.tiles) {
            tiles_.push_back(QPixmap::fromImage(image));
            largestTile_ = largestTile_.expandedTo(image.size());
        }
        mb1_ = QPixmap::fromImage(level->pictures.mb1);
        mb2_ = QPixmap::fromImage(level->pictures.mb2);
        if (!level->pictures.background.isNull()) {
            // Stretched to the whole board area once, not on every paint.
            background_ = QPixmap::fromImage(level->pictures.background.scaled(
                size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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
    return {Px(r.left), Px(r.top), Px(r.width), Px(r.height)};
}

QRect BoardView::MaskRect(const MaskState& mask, const QPixmap& picture) const
{
    return QRect(QPoint(Px(mask.left), Px(mask.top)), picture.size());
}

QRect BoardView::LineRect(const LinkLine& line)
{
    const QPointF a(line.from.x / kTwipsPerPixel, line.from.y / kTwipsPerPixel);
    const QPointF b(line.to.x / kTwipsPerPixel, line.to.y / kTwipsPerPixel);
    const int margin = line.width / 2 + 2;
    return QRectF(a, b).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

QRect BoardView::ParticleRect(const Particles::Sprite& sprite) const
{
    return QRect(QPoint(Px(sprite.left), Px(sprite.top)), particle_.size());
}

void BoardView::TilesChanged()
{
    for (const int n : game_.TakeChangedCells()) {
        update(TileRect(n));
    }
}

void BoardView::MasksChanged()
{
    const MaskState& mb1 = game_.SelectionMask();
    const MaskState& mb2 = game_.HoverMask();
    for (const auto& [painted, now, picture] : {std::tuple{&paintedMb1_, &mb1, &mb1_}, std::tuple{&paintedMb2_, &mb2, &mb2_}}) {
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
    if (particles_.Picture().cacheKey() != particleKey_) {
        particleKey_ = particles_.Picture().cacheKey();
        particle_ = QPixmap::fromImage(particles_.Picture());
    }
    // Each particle's old and new place, nothing in between; one rectangle
    // for both when they overlap, as they do for all but the stars.
    QRegion dirty;
    const auto& sprites = particles_.All();
    for (int i = 1; i <= Particles::kCount; ++i) {
        const auto& sprite = sprites[static_cast<std::size_t>(i)];
        QRect& painted = paintedParticles_[static_cast<std::size_t>(i)];
        const QRect now = sprite.visible ? ParticleRect(sprite) : QRect();
        if (now != painted) {
            if (now.intersects(painted)) {
                dirty += now.united(painted);
            } else {
                dirty += painted;
                dirty += now;
            }
            painted = now;
        }
    }
    if (!dirty.isEmpty()) {
        update(dirty);
    }
}

void BoardView::CaptionChanged()
{
    caption_->setText(game_.Caption());
    QPalette palette = caption_->palette();
    palette.setColor(QPalette::WindowText, PaletteColour(game_.CaptionColour()));
    caption_->setPalette(palette);
    caption_->adjustSize();
    // Centred over the board's width, 10 twips from the top.
    caption_->move((width() - caption_->width()) / 2, 1);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    // A tick of the particles exposes up to twenty small rectangles far
    // apart: each is painted on its own, clipped to itself, so that nothing
    // between them is drawn.
    QPainter p(this);
    for (const QRect& dirty : event->region()) {
        p.setClipRect(dirty);
        PaintArea(p, dirty);
    }
}

// The cells x (or y) = 1 … count whose tiles may reach into the pixels
// from … to, for cells box twips wide whose pictures are up to reach
// pixels wide.
std::pair<int, int> BoardView::CellSpan(int from, int to, int box, int reach, int count)
{
    if (box <= 0) {
        return {1, 0};
    }
    const int first = std::max(1, (from - reach) * kTwipsPerPixel / box);
    const int last = std::min(count, (to + 1) * kTwipsPerPixel / box + 1);
    return {first, last};
}

void BoardView::PaintArea(QPainter& p, const QRect& dirty)
{
    if (background_.isNull()) {
        p.fillRect(dirty, backColour_);
    } else {
        p.drawPixmap(dirty, background_, dirty);
    }

    // Only the cells around the rectangle, in the order of their numbers:
    // a larger picture lies over its right and lower neighbours.
    const Board& board = game_.GetBoard();
    const CellGeometry& geometry = game_.Geometry();
    const auto [y0, y1] = CellSpan(dirty.top(), dirty.bottom(), geometry.boxH, largestTile_.height(), board.MaxY());
    const auto [x0, x1] = CellSpan(dirty.left(), dirty.right(), geometry.boxW, largestTile_.width(), board.MaxX());
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const int n = board.CellNumber(Cell{x, y});
            const TileView& view = board.View(n);
            if (!view.visible || view.picture < 1 || static_cast<std::size_t>(view.picture) >= tiles_.size()) {
                continue;
            }
            const QRect r = TileRect(n);
            if (r.intersects(dirty)) {
                p.drawPixmap(r.topLeft(), tiles_[static_cast<std::size_t>(view.picture)]);
            }
        }
    }

    if (const MaskState& mb2 = game_.HoverMask(); mb2.visible && MaskRect(mb2, mb2_).intersects(dirty)) {
        p.drawPixmap(Px(mb2.left), Px(mb2.top), mb2_);
    }
    if (const MaskState& mb1 = game_.SelectionMask(); mb1.visible && MaskRect(mb1, mb1_).intersects(dirty)) {
        p.drawPixmap(Px(mb1.left), Px(mb1.top), mb1_);
    }

    for (const LinkLine& line : game_.Lines()) {
        if (line.visible && LineRect(line).intersects(dirty)) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(kLinkColour, line.width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(line.from.x / kTwipsPerPixel, line.from.y / kTwipsPerPixel),
                       QPointF(line.to.x / kTwipsPerPixel, line.to.y / kTwipsPerPixel));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    if (!particle_.isNull()) {
        for (int i = 1; i <= Particles::kCount; ++i) {
            const auto& sprite = particles_.All()[static_cast<std::size_t>(i)];
            if (sprite.visible && ParticleRect(sprite).intersects(dirty)) {
                p.drawPixmap(Px(sprite.left), Px(sprite.top), particle_);
            }
        }
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    game_.MouseMove(at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel);
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    game_.MousePress(at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel, ToGame(event->button()));
}

} // namespace daz
