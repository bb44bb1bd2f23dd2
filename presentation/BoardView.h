#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QPixmap>
#include <QWidget>

#include "engine/LinkTest.h"
#include "game/GameFlow.h"
#include "presentation/BoardGeometry.h"
#include "presentation/GameParts.h"
#include "presentation/ScaledPictures.h"

class QLabel;

namespace daz {

class HaloLabel;

// The board area: the level's background, the tiles, the hover and
// selection masks, the drawn link path and the particles, painted in that
// order, with the level's caption above them. The round speaks cells; the
// view places them with its geometry at the scale the window sets, maps
// the pointer back to cells, draws the pictures smoothly scaled once per
// scale and screen, and repaints only what changed.
class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(GameParts& parts, QWidget* parent = nullptr);
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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

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
    bool ShowsTile(Cell cell) const;

    GameParts& parts_;
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
