#pragma once

#include <QString>
#include <QWidget>

namespace daz {

class BoardCaption;
class BoardView;
class GameActions;
class Round;

// Says aloud, through a screen reader, what happens without the focus
// moving: a pair gone, a hint shown, a shuffle, a pause and the going on,
// a level cleared (with its time and place) or timed out, a tool refused.
// Qt 6.4 has no announcement event for AT-SPI: the announcer is a small
// notification in the window whose name is the last thing said; each
// announcement changes the name and shows it anew, which a screen reader
// speaks. It draws nothing and takes no clicks.
class Announcer : public QWidget {
    Q_OBJECT

public:
    Announcer(const Round& round, const BoardView& board, const BoardCaption& caption, const GameActions& actions,
              QWidget* parent);

    // The last thing said.
    QString Text() const { return text_; }
    void Say(const QString& text);

signals:
    void said(const QString& text);

private:
    void PhaseChanged();
    QString Pair(const QString& first, const QString& second) const;

    const Round& round_;
    const BoardView& board_;
    const BoardCaption& caption_;
    QString text_;
    bool paused_ = false;
};

} // namespace daz
