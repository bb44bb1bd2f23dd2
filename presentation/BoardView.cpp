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
}

void BoardView::LevelStarted()
{
    tiles_.clear();
    mb1_ = mb2_ = background_ = QPixmap();
    backColour_ = FromBgr(static_cast<unsigned>(game_.State().GBackColor));
    if (const Level* level = game_.CurrentLevel()) {
        for (const QImage& image : level->pictures.tiles) {
            tiles_.push_back(QPixmap::fromImage(image));
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
    const auto& sprites = particles_.All();
    for (int i = 1; i <= Particles::kCount; ++i) {
        const auto& sprite = sprites[static_cast<std::size_t>(i)];
        QRect& painted = paintedParticles_[static_cast<std::size_t>(i)];
        const QRect now = sprite.visible ? ParticleRect(sprite) : QRect();
        if (now != painted) {
            update(painted);
            update(now);
            painted = now;
        }
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
    QPainter p(this);
    const QRect dirty = event->rect();
    if (background_.isNull()) {
        p.fillRect(dirty, backColour_);
    } else {
        p.drawPixmap(dirty, background_, dirty);
    }

    const Board& board = game_.GetBoard();
    for (int n = 1; n <= board.CellCount(); ++n) {
        const TileView& view = board.View(n);
        if (!view.visible || view.picture < 1 || static_cast<std::size_t>(view.picture) >= tiles_.size()) {
            continue;
        }
        const QRect r = TileRect(n);
        if (r.intersects(dirty)) {
            p.drawPixmap(r.topLeft(), tiles_[static_cast<std::size_t>(view.picture)]);
        }
    }

    if (const MaskState& mb2 = game_.HoverMask(); mb2.visible) {
        p.drawPixmap(Px(mb2.left), Px(mb2.top), mb2_);
    }
    if (const MaskState& mb1 = game_.SelectionMask(); mb1.visible) {
        p.drawPixmap(Px(mb1.left), Px(mb1.top), mb1_);
    }

    p.setRenderHint(QPainter::Antialiasing);
    for (const LinkLine& line : game_.Lines()) {
        if (line.visible) {
            p.setPen(QPen(kLinkColour, line.width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(line.from.x / kTwipsPerPixel, line.from.y / kTwipsPerPixel),
                       QPointF(line.to.x / kTwipsPerPixel, line.to.y / kTwipsPerPixel));
        }
    }

    if (!particle_.isNull()) {
        for (int i = 1; i <= Particles::kCount; ++i) {
            const auto& sprite = particles_.All()[static_cast<std::size_t>(i)];
            if (sprite.visible) {
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
