#include "ResultKeeper.h"

namespace daz {

ResultKeeper::ResultKeeper(Round& round) : round_(round), clock_([] { return QDateTime::currentDateTime(); })
{
    connect(&round_, &Round::ended, this, &ResultKeeper::RoundEnded);
    // A level that turns untimed counts as started in untimed play: its
    // timed start stays counted as a level left unfinished.
    connect(&round_, &Round::turnedUntimed, this, [this] {
        if (store_ && inPlay_) {
            store_->LevelStarted(levelPath_, mode_, clock_(), true);
        }
        Settle();
    });
}

ResultKeeper::~ResultKeeper() = default;

RecordsNotes ResultKeeper::Open(const QString& file)
{
    store_ = Records::Open(file, clock_());
    return store_->Problem();
}

void ResultKeeper::LevelDealt(const QString& levelPath, int mode, const QString& player, bool started)
{
    levelPath_ = levelPath;
    mode_ = mode;
    player_ = player;
    inPlay_ = true;
    if (store_ && started) {
        store_->LevelStarted(levelPath_, mode_, clock_(), round_.Untimed());
    }
    Settle();
}

bool ResultKeeper::Clear()
{
    if (!store_ || !store_->Clear()) {
        return false;
    }
    if (inPlay_) {
        store_->LevelStarted(levelPath_, mode_, clock_(), round_.Untimed());
    }
    return true;
}

void ResultKeeper::Settle()
{
    if (RecordsNotes told = store_ ? store_->Settle(false) : RecordsNotes(); !told.empty()) {
        emit problem(told);
    }
}

void ResultKeeper::RoundEnded(RoundEnd how)
{
    const RoundState state = round_.State();
    const int seconds = state.secondsPlayed;
    inPlay_ = false;
    if (how == RoundEnd::TimedOut) {
        if (store_) {
            store_->LevelTimedOut(levelPath_, mode_, seconds, clock_());
        }
        Settle();
        return;
    }
    std::optional<int> place;
    if (store_) {
        place = store_->AddResult(Result{levelPath_, mode_, round_.Score() - state.scoreAtStart, seconds,
                                         state.undoUsed, state.hintUsed, state.shuffleUsed, clock_(), player_,
                                         state.random ? std::optional(state.random->seed) : std::nullopt,
                                         state.untimed});
    }
    emit cleared(ClearResult{seconds, store_ != nullptr, place});
    Settle();
}

} // namespace daz
