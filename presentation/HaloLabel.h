#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QLabel>
#include <QPixmap>

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

} // namespace daz
