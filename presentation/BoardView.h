#pragma once

#include <array>
#include <utility>
#include <vector>

#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "game/Game.h"
#include "presentation/Particles.h"

class QPainter;

namespace daz {

// A line of text in one colour, drawn with a ring of a contrasting colour
// around every stroke, so that it reads over any picture.
class HaloLabel : public QLabel {
public:
    explicit HaloLabel(QWidget* parent = nullptr);

    void SetColour(QColor colour);
    QColor Colour() const { return colour_; }
    // Black around light colours, white around dark ones.
    static QColor HaloFor(QColor colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int HaloWidth() const;

    QColor colour_ = Qt::black;
    // The caption as drawn in each colour it took, kept while the text,
    // font and size stay: the ring is dear to draw, and the caption changes
    // colour every second and repaints whenever something moves under it.
    QHash<QRgb, QPixmap> drawn_;
    QString drawnText_;
    QFont drawnFont_;
};

// The board area: the level's background, the tiles, the hover and
// selection masks, the drawn link path and the particles, painted in that
// order. The game places everything in twips; the view draws it at one
// scale (pixels per twip) that the window sets, pictures smoothly scaled
// once per scale and screen, and repaints only what changed.
class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(Game& game, Particles& particles, QWidget* parent = nullptr);

    // The level caption above the tiles (LabShowGK).
    QLabel* Caption() const { return caption_; }

    // Pixels per twip; at 1/15 everything shows at its own size. The view
    // takes the size of the board area at that scale.
    void SetScale(double pixelsPerTwip);
    double Scale() const { return scale_; }
    static QSize SizeAt(double pixelsPerTwip);

    // Board-area twips to the view's pixels and back.
    int ToPixels(double twips) const;
    QPoint ToPixels(double x, double y) const { return {ToPixels(x), ToPixels(y)}; }
    QPoint ToTwips(QPointF pixels) const;
    // A picture of this many pixels at its own size, as the view draws it.
    QSize ScaledSize(QSize picture) const;
    // Where the particle i (1 … 10) is drawn now.
    QRect ParticleRect(int i) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The level's pictures at one scale and device pixel ratio.
    struct Scaled {
        double scale = 0;
        qreal dpr = 0;
        qint64 particleKey = 0;
        std::vector<QPixmap> tiles;
        QPixmap mb1;
        QPixmap mb2;
        QPixmap background;
        QPixmap particle;
        // Where the tiles go at this scale: each column's left and each
        // row's top (indexed by x and y), and each picture's size.
        std::vector<int> columns;
        std::vector<int> rows;
        std::vector<QSize> tileSizes;
    };

    void LevelStarted();
    void TilesChanged();
    void MasksChanged();
    void LinesChanged();
    void ParticlesMoved();
    void CaptionChanged();
    void PlaceCaption();

    const Scaled& Pictures();
    QPixmap ScalePicture(const QImage& image, qreal dpr) const;
    QRect TileRect(int cellNumber) const;
    QRect MaskRect(const MaskState& mask, const QImage& picture) const;
    QRect LineRect(const LinkLine& line) const;
    double LineWidth(const LinkLine& line) const;
    QRect SpriteRect(const Particles::Sprite& sprite) const;
    std::pair<int, int> CellSpan(int from, int to, int box, int reach, int count) const;
    QRect TileRect(const Scaled& pictures, int cellNumber) const;

    Game& game_;
    Particles& particles_;
    HaloLabel* caption_;
    double scale_ = 1.0 / kTwipsPerPixel;

    // The few scales the level's pictures were last drawn at, the newest
    // first: going back to a recent size (a window maximised and restored)
    // costs no scaling.
    QSize largestTile_;
    QColor backColour_;
    std::vector<Scaled> scaled_;

    // What was painted last, so that a change repaints old and new places.
    MaskState paintedMb1_;
    MaskState paintedMb2_;
    std::array<LinkLine, 3> paintedLines_{};
    std::array<QRect, Particles::kCount + 1> paintedParticles_{};
    // The cells a paint draws, marked by number; kept between paints.
    std::vector<char> cellsToPaint_;
};

} // namespace daz
