#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "platform/Timer.h"

namespace daz {

class GameFlow;
class ResultKeeper;
class Round;

// The caption over the board: the mode and the level on the board; for a
// few seconds after a start that goes on with the round kept at the last
// quit, "继续上次的棋局" before them; after a clear, the clear's time and
// place after them (which the cleared picture also shows, as its note).
class BoardCaption : public QObject {
    Q_OBJECT

public:
    // How long the kept round's words stay once the board shows, in ms.
    static constexpr int kKeptWordsTime = 4000;

    BoardCaption(const GameFlow& flow, const Round& round, const ResultKeeper& results, platform::TimerFactory& timers);
    ~BoardCaption() override;

    QString Text() const;
    // What the last clear of the level on the board tells: its time and
    // place ("用时 1分23秒 · 新纪录！"); empty before it is cleared.
    const QString& ClearNote() const { return clearNote_; }

signals:
    void changed();

private:
    const GameFlow& flow_;
    const Round& round_;
    QString level_;          // the mode and the level
    bool kept_ = false;      // the kept round's words show
    bool keptWaits_ = false; // … and their time starts when the paused board shows
    QString clearNote_;
    std::unique_ptr<platform::Timer> keptTimer_; // "KeptCaption": the usual caption comes back
};

} // namespace daz
