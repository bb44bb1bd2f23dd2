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

// What a clear tells the player: its time, and where the result stands.
struct ClearResult {
    int seconds = 0;
    // Whether results are saved at all; when they are, place is the
    // result's place among the level's results in its mode (1 for a new
    // record), or nothing when the store did not keep it.
    bool storing = true;
    std::optional<int> place;

    bool operator==(const ClearResult&) const = default;
};

// Keeps the results of the levels played: each level dealt, timed out or
// cleared goes to the results store, and a clear is told with its time
// and its place among the level's results in its mode. An untimed level
// goes to the results and statistics of untimed play.
class ResultKeeper : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit ResultKeeper(Round& round);
    ~ResultKeeper() override;

    // The time results are dated with (the local time unless a test says).
    void SetClock(Clock clock) { clock_ = std::move(clock); }
    // Opens the store of this file; what the player is to be told once
    // about it, or nothing.
    RecordsNotes Open(const QString& file);
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

signals:
    // A level was cleared, in this time and with this place.
    void cleared(const daz::ClearResult& result);
    // What the player is to be told of the store after it was opened (the
    // check beside the game found it damaged), once.
    void problem(const daz::RecordsNotes& notes);

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
