#include "BoardView.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "game/GameFlow.h"
#include "presentation/Accessibility.h"
#include "presentation/BoardCaption.h"
#include "presentation/BoardMotion.h"
#include "presentation/GameTexts.h"
#include "presentation/HaloLabel.h"
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

// The caption's letters at the board's own size, in pixels.
constexpr int kCaptionPixels = 14;

} // namespace

BoardView::BoardView(BoardParts parts, QWidget* parent)
    : QWidget(parent), parts_(parts), round_(parts.round), caption_(new HaloLabel(this))
{
    InstallAccessibility(); // before a client asks for the view
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
    connect(&parts_.caption, &BoardCaption::changed, this, &BoardView::CaptionChanged);
    connect(&parts_.motion.caption, &CaptionColour::changed, this, &BoardView::CaptionChanged);
    connect(&parts_.particles, &Particles::moved, this, &BoardView::ParticlesMoved);
    // A screen reader hears the cells change as the player sees them.
    connect(&round_, &Round::boardChanged, this, [this](const std::vector<TileChange>& changes) {
        for (const TileChange& change : changes) {
            TellCellChanged(*this, change.cell);
        }
    });
    connect(&round_, &Round::handChanged, this, [this](const Hand& before, const Hand& after) {
        if (before.selection != after.selection) {
            if (before.selection) {
                TellSelection(*this, *before.selection, false);
            }
            if (after.selection) {
                TellSelection(*this, *after.selection, true);
            }
        }
        if (after.cursor && before.cursor != after.cursor) {
            TellCursor(*this, *after.cursor);
        }
    });
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
    if (const Level* level = parts_.flow.CurrentLevel(); level && round_.GetPhase() != Phase::NoLevel) {
        backColour_ = FromBgr(static_cast<unsigned>(level->settings.gBackColor));
        for (const QImage& image : level->pictures.tiles) {
            largestTile_ = largestTile_.expandedTo(image.size());
        }
    } else {
        backColour_ = QColor(0x20, 0x20, 0x20);
    }
    CaptionChanged();
    update();
    TellTableReset(*this);
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

int BoardView::OutlineThickness() const
{
    return std::max(2, static_cast<int>(std::lround(3 * kTwipsPerPixel * geometry_.Scale())));
}

bool BoardView::ShowsTile(Cell cell) const
{
    const Board& board = round_.GetBoard();
    return board.InField(cell) && board.At(cell) != 0 && !parts_.motion.hint.Hides(cell);
}

void BoardView::changeEvent(QEvent* event)
{
    // The caption is made in the language installed when it is asked for.
    if (event->type() == QEvent::LanguageChange) {
        CaptionChanged();
    }
    // High contrast comes and goes with the application's palette.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange) {
        update();
    }
    QWidget::changeEvent(event);
}

void BoardView::CaptionChanged()
{
    caption_->setText(parts_.caption.Text());
    caption_->SetColour(PaletteColour(parts_.motion.caption.Index()));
    PlaceCaption();
}

void BoardView::PlaceCaption()
{
    caption_->resize(caption_->sizeHint());
    // Centred over the board's width, near the top.
    caption_->move((width() - caption_->width()) / 2, 1);
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
    Round& round = parts_.round;
    if (round.GetPhase() != Phase::Playing) {
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
        round.Hover(std::nullopt);
    }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    Round& round = parts_.round;
    if (round.GetPhase() != Phase::Playing) {
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

void BoardView::keyPressEvent(QKeyEvent* event)
{
    if (PressKey(*event)) {
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

QString BoardView::PictureName(TileCode code) const
{
    const Level* level = parts_.flow.CurrentLevel();
    return daz::PictureName(level ? level->names : PictureNames{}, code);
}

QString BoardView::PlaceName(Cell cell) const
{
    return tr("第%1行第%2列").arg(cell.y).arg(cell.x);
}

QString BoardView::CellName(Cell cell) const
{
    const TileCode code = round_.GetBoard().At(cell);
    //: A cell of the board as a screen reader reads it: row, column, and what lies there.
    return tr("第%1行第%2列：%3").arg(cell.y).arg(cell.x).arg(code != 0 ? PictureName(code) : tr("空"));
}

QString BoardView::AccessibleName() const
{
    return tr("棋盘");
}

bool BoardView::HasKeys() const
{
    const QWidget* focus = QApplication::focusWidget();
    return isActiveWindow() && isVisible() && (focus == this || focus == window());
}

void BoardView::TellCursorFocus()
{
    if (round_.CursorShown()) {
        TellCursor(*this, round_.CursorCell());
    }
}

bool BoardView::PressKey(const QKeyEvent& event)
{
    Round& round = parts_.round;
    if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
        return false;
    }
    const auto click = [&](MouseButton button) {
        // The picture that hides the board takes a left click.
        if (!BoardHidden(round.GetPhase())) {
            round.PressCursor(button);
        } else if (button == MouseButton::Left) {
            parts_.flow.ClickOverlay();
        }
    };
    switch (event.key()) {
    case Qt::Key_Left: round.MoveCursor(Direction::Left); break;
    case Qt::Key_Right: round.MoveCursor(Direction::Right); break;
    case Qt::Key_Up: round.MoveCursor(Direction::Up); break;
    case Qt::Key_Down: round.MoveCursor(Direction::Down); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: click(MouseButton::Left); break;
    case Qt::Key_Backspace: click(MouseButton::Right); break;
    case Qt::Key_Escape: round.ClickBoard(MouseButton::Right); break;
    default: return false;
    }
    return true;
}

} // namespace daz
