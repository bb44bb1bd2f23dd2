#pragma once

#include <vector>

#include <QImage>
#include <QPixmap>
#include <QSize>

#include "game/Level.h"
#include "presentation/BoardGeometry.h"

namespace daz {

// The level's pictures as the board view draws them: smoothly scaled once
// per scale and device pixel ratio, never while painting. The last few
// scales are kept, so going back to a recent size (a window maximised and
// restored) costs no scaling.
class ScaledPictures {
public:
    struct Set {
        double scale = 0;
        qreal dpr = 0;
        qint64 particleKey = 0;
        std::vector<QPixmap> tiles; // by code
        std::vector<QSize> tileSizes;
        QPixmap mb1;
        QPixmap mb2;
        QPixmap background; // stretched over the whole board area
        QPixmap particle;
    };

    // A new level: nothing scaled is kept.
    void Clear() { sets_.clear(); }
    // The pictures of level (null for none) at the geometry's scale and the
    // ratio, with the particles' sprite.
    const Set& At(const Level* level, const BoardGeometry& geometry, QSize area, qreal dpr, const QImage& particle);

private:
    static QPixmap Scale(const QImage& image, QSize size, qreal dpr);

    std::vector<Set> sets_; // the newest first
};

} // namespace daz
