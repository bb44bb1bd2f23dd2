#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QPainter;

namespace daz {

// How a word of the windows' pictures looks: the pictures are made without
// their words, and these draw them over the pictures at run time, in the
// language installed, with the look the pictures were designed with.
struct WordStyle {
    enum class Face { Sans, Serif };
    Face face = Face::Sans;
    int pixels = 12; // the size as designed; a longer text is drawn smaller
    bool bold = false;
    QColor fill = Qt::black;
    // A ring of outlineWidth around every stroke, drawn first.
    QColor outline = Qt::transparent;
    double outlineWidth = 0;
    // The words again, shadowDrop lower, under the words.
    QColor shadow = Qt::transparent;
    double shadowDrop = 0;
    // The game's name: in gold, its ring a little heavier below.
    bool gilded = false;
    Qt::Alignment align = Qt::AlignCenter;
};

// The style's font at its size, in the pictures' own family where it is
// installed.
QFont WordFont(const WordStyle& style);
// The style's font, a pixel smaller at a time until text fits width.
QFont FittedFont(const WordStyle& style, const QString& text, double width);
// Draws text in box as the style says, in the font that fits the room it
// may take (none: the box); a text wider than the box moves into the room.
void DrawWords(QPainter& painter, const QRectF& box, const QString& text, const WordStyle& style, QRectF room = {});

// The picture of the resources called name ("paused.png", "ok-hover.png"),
// given as plain (either resolution), with the words it carries drawn on in
// the language installed now; a picture without words comes as it is. Each
// language's picture is made once and shared (one cacheKey()), so asking
// again after a language change gives the new words.
QPixmap WithWords(const QString& name, const QPixmap& plain);

// A label over a window's picture that draws its text the way the picture
// would, in its contents rectangle (the margins leave room for an outline):
// the font shrinks until the text fits that width.
class WordsLabel : public QLabel {
public:
    WordsLabel(const WordStyle& style, QWidget* parent);
    void SetWords(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    WordStyle style_;
};

} // namespace daz
