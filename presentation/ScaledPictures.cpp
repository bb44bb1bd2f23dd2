#include "ScaledPictures.h"

#include <algorithm>
#include <cmath>

namespace daz {
namespace {

constexpr std::size_t kScalesKept = 3;

} // namespace

QPixmap ScaledPictures::Scale(const QImage& image, QSize size, qreal dpr)
{
    if (image.isNull()) {
        return {};
    }
    const QSize device(std::max(1, static_cast<int>(std::lround(size.width() * dpr))),
                       std::max(1, static_cast<int>(std::lround(size.height() * dpr))));
    QPixmap pixmap = QPixmap::fromImage(
        device == image.size() ? image : image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

const ScaledPictures::Set& ScaledPictures::At(const Level* level, const BoardGeometry& geometry, QSize area,
                                              qreal dpr, const QImage& particle)
{
    const double scale = geometry.Scale();
    auto found =
        std::find_if(sets_.begin(), sets_.end(), [&](const Set& s) { return s.scale == scale && s.dpr == dpr; });
    if (found == sets_.end()) {
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
        if (sets_.size() >= kScalesKept) {
            sets_.pop_back();
        }
        found = sets_.insert(sets_.begin(), std::move(s));
    } else if (found != sets_.begin()) {
        std::rotate(sets_.begin(), found, found + 1);
        found = sets_.begin();
    }
    if (found->particleKey != particle.cacheKey()) {
        found->particleKey = particle.cacheKey();
        found->particle = Scale(particle, geometry.ScaledSize(particle.size()), dpr);
    }
    return *found;
}

} // namespace daz
