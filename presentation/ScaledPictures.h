#pragma once

#include <vector>

#include <QImage>
#include <QPixmap>
#include <QSize>

#include "game/Level.h"
#include "presentation/BoardGeometry.h"

namespace daz {

// The level's pictures as the board view draws them at its scale and
// device pixel ratio, taken from the picture cache when either changes and
// never scaled while painting: going back to a recent size (a window
// maximised and restored) costs no scaling.
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

    // A new level: its pictures are looked up again.
    void Clear() { filled_ = false; }
    // The pictures of level (null for none) at the geometry's scale and the
    // ratio, with the particles' sprite.
    const Set& At(const Level* level, const BoardGeometry& geometry, QSize area, qreal dpr, const QImage& particle);

private:
    Set set_;
    bool filled_ = false;
};

} // namespace daz
