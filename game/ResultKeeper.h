#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QDateTime>
#include <QObject>
#include <QString>

#include "game/Round.h"
#include "leveldata/Records.h"

namespace daz {

// Keeps the results of the levels played: each level dealt, timed out or
// cleared goes to the results store, and a clear is told with its time
// and its place among the level's results in its mode.
class ResultKeeper : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit ResultKeeper(Round& round);
    ~ResultKeeper() override;

    // The time results are dated with (the local time unless a test says).
    void SetClock(Clock clock) { clock_ = std::move(clock); }
    // Opens the store of this file; what the player is to be told once
    // about it, or empty.
    QString Open(const QString& file);
    // The store, or null before it is opened (when nothing is saved).
    Records* Store() { return store_.get(); }

    // A level was dealt: its catalogue path, the mode, and the player's
    // name as the strip shows it, for its end. A round kept from the last
    // run goes on (started is false): its start was counted then.
    void LevelDealt(const QString& levelPath, int mode, const QString& player, bool started = true);

    // Empties the results and the statistics; the level in play, already
    // dealt, counts as started again, so that its clear never counts
    // without its start. False when the store could not be cleared.
    bool Clear();

    // What a clear tells: "用时 1分23秒 · 本关第2名", "用时 0分41秒 · 新纪录！",
    // "用时 7秒 · 成绩未能保存" when the store did not keep it, or the time
    // alone when results are not saved at all (storing is false).
    static QString ClearText(int seconds, std::optional<int> place, bool storing = true);

signals:
    // A level was cleared; the text tells its time and place.
    void cleared(const QString& text);
    // What the player is to be told of the store after it was opened (the
    // check beside the game found it damaged), once.
    void problem(const QString& text);

private:
    void RoundEnded(RoundEnd how);
    void Settle();

    Round& round_;
    Clock clock_;
    std::unique_ptr<Records> store_;
    QString levelPath_;
    int mode_ = 0;
    QString player_;
    bool inPlay_ = false; // dealt, not yet ended
};

} // namespace daz
