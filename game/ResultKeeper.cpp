#include "ResultKeeper.h"

#include "game/DurationText.h"

namespace daz {

ResultKeeper::ResultKeeper(Round& round) : round_(round), clock_([] { return QDateTime::currentDateTime(); })
{
    connect(&round_, &Round::ended, this, &ResultKeeper::RoundEnded);
}

ResultKeeper::~ResultKeeper() = default;

QString ResultKeeper::Open(const QString& file)
{
    store_ = Records::Open(file, clock_());
    return store_->Problem();
}

void ResultKeeper::LevelDealt(const QString& levelPath, int mode, const QString& player, bool started)
{
    levelPath_ = levelPath;
    mode_ = mode;
    player_ = player;
    if (store_ && started)
        store_->LevelStarted(levelPath_, mode_, clock_());
}

QString ResultKeeper::ClearText(int seconds, std::optional<int> place)
{
    const QString time = QStringLiteral("用时 ") + DurationText(seconds);
    if (!place)
        return time;
    if (*place == 1)
        return time + QStringLiteral(" · 新纪录！");
    return time + QStringLiteral(" · 本关第%1名").arg(*place);
}

void ResultKeeper::RoundEnded(RoundEnd how)
{
    const int seconds = round_.SecondsPlayed();
    if (how == RoundEnd::TimedOut) {
        if (store_)
            store_->LevelTimedOut(levelPath_, mode_, seconds, clock_());
        return;
    }
    std::optional<int> place;
    if (store_) {
        const Round::ToolUses& uses = round_.Uses();
        place = store_->AddResult(Result{levelPath_, mode_, round_.Score() - round_.ScoreAtStart(), seconds, uses.undo,
                                         uses.hint, uses.shuffle, clock_(), player_});
    }
    emit cleared(ClearText(seconds, place));
}

} // namespace daz
