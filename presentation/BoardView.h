#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include "engine/LinkTest.h"
#include "game/Round.h"
#include "presentation/BoardGeometry.h"
#include "presentation/Particles.h"
#include "presentation/ScaledPictures.h"

class QLabel;

namespace daz {

class BoardCaption;
class BoardMotion;
class GameFlow;
class HaloLabel;

// What the board view and the picture over it show and drive: the flow
// (the level's pictures, and the next level after a clear), the round,
// the board's motion, the particles and the caption.
struct BoardParts {
    GameFlow& flow;
    Round& round;
    BoardMotion& motion;
    Particles& particles;
    const BoardCaption& caption;
};

// The board area: the level's background, the tiles, the hover and
// selection masks, the drawn link path and the particles, painted in that
// order, with the level's caption above them. The round speaks cells; the
// view places them with its geometry at the scale the window sets, maps
// the pointer back to cells, draws the pictures smoothly scaled once per
// scale and screen, and repaints only what changed.
class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(BoardParts parts, QWidget* parent = nullptr);
    ~BoardView() override;

    // The level caption above the tiles (LabShowGK).
    QLabel* Caption() const;

    // Pixels per twip; at 1/15 everything shows at its own size. The view
    // takes the size of the board area at that scale.
    void SetScale(double pixelsPerTwip);
    double Scale() const { return geometry_.Scale(); }
    const BoardGeometry& Geometry() const { return geometry_; }

    // Where things are drawn now, in the view's pixels.
    QRect TileRect(Cell cell) const;
    // The selection (mb1) or the hover mask (mb2) at a cell.
    QRect SelectionRect(Cell cell) const;
    QRect CursorRect(Cell cell) const;
    // Where the particle i (1 … 10) is drawn now.
    QRect ParticleRect(int i) const;
    // The cell of the tile the pointer is on, if a shown tile is there.
    std::optional<Cell> TileAt(QPoint point) const;

    // The board's keys: the arrows move the round's cursor; Space and
    // Return click under it (or the picture that hides the board),
    // Backspace right-clicks and Escape drops the selection. The window
    // passes its keys on here, also while the board is hidden. False for
    // a key the board does not take.
    bool PressKey(const QKeyEvent& event);

    // --- What a screen reader reads (presentation/Accessibility) ----------
    // A picture's name in the player's language, as the level's
    // pictures.ini gives it, else "图案 n".
    QString PictureName(TileCode code) const;
    // A cell as a client reads it: its place (1-based row and column) and
    // what lies there, "第2行第5列：图案 7", or that it is empty.
    QString CellName(Cell cell) const;
    QString PlaceName(Cell cell) const;
    QString AccessibleName() const;
    // Whether the keys reach the board now: its window is active and the
    // focus is on the window itself or on the board.
    bool HasKeys() const;
    // The keys came back to the board (its window took the focus): a
    // screen reader is pointed at the cursor's cell again, when it shows.
    void TellCursorFocus();
    const Round& GetRound() const { return round_; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LevelStarted();
    void BoardChanged(const std::vector<TileChange>& changes);
    void CellsChanged(Cell first, Cell second);
    void HandChanged(const Hand& before, const Hand& after);
    void PathChanged(const LinkPath& before, int widthBefore);
    void ParticlesMoved();
    void CaptionChanged();
    void PlaceCaption();

    QSize TilePicture(TileCode code) const;
    QRect TileRect(Cell cell, TileCode code) const;
    QRect LineRect(QPointF from, QPointF to, double width) const;
    QRect PathRect(const LinkPath& path, int width) const;
    double LineWidth(int width) const;
    // Each ring of an outline, in pixels at the scale.
    int OutlineThickness() const;
    bool ShowsTile(Cell cell) const;

    BoardParts parts_;
    const Round& round_;
    HaloLabel* caption_;
    BoardGeometry geometry_;

    QSize largestTile_;
    QColor backColour_;
    ScaledPictures scaled_;

    std::array<QRect, Particles::kCount + 1> paintedParticles_{};
    // The cells a paint draws, marked by number; kept between paints.
    std::vector<char> cellsToPaint_;
};

} // namespace daz
