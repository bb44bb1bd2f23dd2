#pragma once

#include <QObject>

#include "presentation/BoardView.h"

class QLabel;
class QWidget;

namespace daz {

class HaloLabel;

// The picture that takes the board's place while it is hidden (paused,
// timed out, cleared), hopping about the window's centre as the jitter
// says, and under the cleared picture the clear's time and place. A left
// click on the picture goes to the flow.
class OverlayBox : public QObject {
    Q_OBJECT

public:
    OverlayBox(BoardParts parts, const BoardView& board, QWidget* window);

    QLabel* Picture() const { return picture_; }
    // "用时 1分23秒 · 新纪录！" under the cleared picture.
    QLabel* Note() const;
    // Shows, hides and places the picture (and the note) as the round
    // stands, at the board's scale.
    void Show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BoardParts parts_;
    const BoardView& board_;
    QWidget* window_;
    QLabel* picture_;
    HaloLabel* note_;
};

} // namespace daz
