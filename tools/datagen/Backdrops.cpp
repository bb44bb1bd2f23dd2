#include "Backdrops.h"

#include "BackdropScenes.h"
#include "Paint.h"

#include <QRadialGradient>

#include <stdexcept>

namespace daz::datagen {
namespace backdrop {

void Vignette(QPainter& p, double strength)
{
    QRadialGradient g(kBoard.center(), kBoardWidth * 0.72);
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, int(255 * strength)));
    p.fillRect(kBoard, g);
}

void DrawSoft(QPainter& p, const QImage& layer, int radius)
{
    p.drawImage(0, 0, Blurred(layer, radius));
}

} // namespace backdrop

QImage PaintBackdrop(Backdrop backdrop)
{
    using namespace backdrop;
    switch (backdrop) {
    case Backdrop::RedPaper: return RedPaper();
    case Backdrop::Ocean: return Ocean();
    case Backdrop::Sky: return Sky();
    case Backdrop::InkMountains: return InkMountains();
    case Backdrop::Fireworks: return Fireworks();
    case Backdrop::Velvet: return Velvet();
    case Backdrop::Plain: break;
    }
    throw std::logic_error("a plain board has no picture");
}

QColor MeanColour(const QImage& image)
{
    const QImage src = image.convertToFormat(QImage::Format_RGB32);
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = src.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    }
    const double n = double(src.width()) * src.height();
    return QColor(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
}

} // namespace daz::datagen
