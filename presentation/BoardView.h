#pragma once

#include <array>
#include <utility>
#include <vector>

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "game/Game.h"
#include "presentation/Particles.h"

class QPainter;

namespace daz {

// The board area: the level's background, the tiles, the hover and
// selection masks, the drawn link path and the particles, painted in that
// order, pictures at their own size. Only what changed is repainted.
class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(Game& game, Particles& particles, QWidget* parent = nullptr);

    // The level caption above the tiles (LabShowGK).
    QLabel* Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void LevelStarted();
    void TilesChanged();
    void MasksChanged();
    void LinesChanged();
    void ParticlesMoved();
    void CaptionChanged();

    QRect TileRect(int cellNumber) const;
    QRect MaskRect(const MaskState& mask, const QPixmap& picture) const;
    static QRect LineRect(const LinkLine& line);
    QRect ParticleRect(const Particles::Sprite& sprite) const;
    static std::pair<int, int> CellSpan(int from, int to, int box, int reach, int count);
    void PaintArea(QPainter& p, const QRect& dirty);

    Game& game_;
    Particles& particles_;
    QLabel* caption_;

    // The level's pictures, made ready for painting once per level.
    std::vector<QPixmap> tiles_;
    QSize largestTile_;
    QPixmap mb1_;
    QPixmap mb2_;
    QPixmap background_;
    QColor backColour_;
    QPixmap particle_;
    qint64 particleKey_ = 0;

    // What was painted last, so that a change repaints old and new places.
    MaskState paintedMb1_;
    MaskState paintedMb2_;
    std::array<LinkLine, 3> paintedLines_{};
    std::array<QRect, Particles::kCount + 1> paintedParticles_{};
};

} // namespace daz
