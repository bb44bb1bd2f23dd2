#pragma once

#include <memory>
#include <optional>

#include <QObject>
#include <QString>

#include "game/ResultKeeper.h"
#include "platform/Timer.h"

namespace daz {

class GameFlow;
class Round;

// The caption over the board: the mode (and 不限时 for a level played
// untimed) and the level on the board; for a
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

    // Both in the language installed now: they are made when asked for.
    QString Text() const;
    // What the last clear of the level on the board tells: its time and
    // place ("用时 1分23秒 · 新纪录！"); empty before it is cleared.
    QString ClearNote() const;

signals:
    void changed();

private:
    const GameFlow& flow_;
    const Round& round_;
    bool levelShown_ = false; // the mode and the level show, once a level is on the board
    bool kept_ = false;       // the kept round's words show
    bool keptWaits_ = false;  // … and their time starts when the paused board shows
    std::optional<ClearResult> cleared_;
    std::unique_ptr<platform::Timer> keptTimer_; // "KeptCaption": the usual caption comes back
};

} // namespace daz
