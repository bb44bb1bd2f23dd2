#include "ScaledPictures.h"

#include "presentation/PictureCache.h"

namespace daz {
namespace {

// A level's picture in the picture cache: its pixels name it.
QPixmap Scale(const QImage& image, QSize size, qreal dpr)
{
    if (image.isNull()) {
        return {};
    }
    return PictureCache::Scaled(QStringLiteral("board:") + QString::number(image.cacheKey()), image, size, dpr);
}

} // namespace

const ScaledPictures::Set& ScaledPictures::At(const Level* level, const BoardGeometry& geometry, QSize area, qreal dpr,
                                              const QImage& particle)
{
    const double scale = geometry.Scale();
    if (!filled_ || set_.scale != scale || set_.dpr != dpr) {
        Set s;
        s.scale = scale;
        s.dpr = dpr;
        if (level) {
            for (const QImage& image : level->pictures.tiles) {
                s.tileSizes.push_back(geometry.ScaledSize(image.size()));
                s.tiles.push_back(Scale(image, s.tileSizes.back(), dpr));
            }
            s.mb1 = Scale(level->pictures.mb1, geometry.ScaledSize(level->pictures.mb1.size()), dpr);
            s.mb2 = Scale(level->pictures.mb2, geometry.ScaledSize(level->pictures.mb2.size()), dpr);
            s.background = Scale(level->pictures.background, area, dpr);
        }
        set_ = std::move(s);
        filled_ = true;
    }
    if (set_.particleKey != particle.cacheKey()) {
        set_.particleKey = particle.cacheKey();
        set_.particle = Scale(particle, geometry.ScaledSize(particle.size()), dpr);
    }
    return set_;
}

} // namespace daz
