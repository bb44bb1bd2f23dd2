#include "HaloLabel.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "presentation/Contrast.h"

namespace daz {

HaloLabel::HaloLabel(QWidget* parent) : QLabel(parent) {}

QColor HaloLabel::HaloFor(QColor colour)
{
    // A colour reads best against whichever of black and white lies
    // farther from it.
    return ContrastRatio(colour, Qt::black) >= ContrastRatio(colour, Qt::white) ? Qt::black : Qt::white;
}

void HaloLabel::SetColour(QColor colour)
{
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

int HaloLabel::HaloWidth() const
{
    return std::max(2, (font().pixelSize() + 3) / 5);
}

QSize HaloLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int halo = HaloWidth();
    return {metrics.horizontalAdvance(text()) + 2 * halo + 2, metrics.height() + 2 * halo};
}

void HaloLabel::paintEvent(QPaintEvent*)
{
    // The ring is the text itself in the contrasting colour, drawn around
    // its place in sixteen directions: much cheaper than stroking the
    // letters' outlines, and as even at these widths. Text and ring are
    // drawn once per colour into a picture, laid down whole from then on.
    const qreal dpr = devicePixelRatioF();
    const QSize device(std::max(1, static_cast<int>(std::lround(width() * dpr))),
                       std::max(1, static_cast<int>(std::lround(height() * dpr))));
    if (drawnText_ != text() || drawnFont_ != font()) {
        drawn_.clear();
        drawnText_ = text();
        drawnFont_ = font();
    }
    QPixmap& picture = drawn_[colour_.rgb()];
    if (picture.size() != device || picture.devicePixelRatio() != dpr) {
        picture = QPixmap(device);
        picture.setDevicePixelRatio(dpr);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setFont(font());
        const QFontMetrics metrics(font());
        const int halo = HaloWidth();
        const QPointF at(halo + 1, halo + metrics.ascent());
        p.setPen(HaloFor(colour_));
        for (const double radius : {halo / 2.0, static_cast<double>(halo)}) {
            for (int step = 0; step < 16; ++step) {
                const double angle = step * 3.14159265358979 / 8;
                p.drawText(at + QPointF(radius * std::cos(angle), radius * std::sin(angle)), text());
            }
        }
        p.setPen(colour_);
        p.drawText(at, text());
    }
    QPainter(this).drawPixmap(0, 0, picture);
}

} // namespace daz
