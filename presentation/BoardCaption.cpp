#include "BoardCaption.h"

#include "game/GameFlow.h"
#include "game/GameState.h"
#include "game/ResultKeeper.h"
#include "game/Round.h"
#include "presentation/GameTexts.h"
#include "presentation/LevelNames.h"

namespace daz {

BoardCaption::BoardCaption(const GameFlow& flow, const Round& round, const ResultKeeper& results,
                           platform::TimerFactory& timers)
    : flow_(flow), round_(round), keptTimer_(timers.Create(QStringLiteral("KeptCaption"), kKeptWordsTime))
{
    connect(&flow_, &GameFlow::levelChanged, this, [this] {
        levelShown_ = true;
        kept_ = keptWaits_ = false;
        keptTimer_->Stop();
        cleared_.reset();
        emit changed();
    });
    connect(&flow_, &GameFlow::keptRoundResumed, this, [this](bool paused) {
        kept_ = true;
        // A round kept while paused comes back behind the pause picture:
        // the words' time runs once the board shows.
        keptWaits_ = paused;
        if (!paused) {
            keptTimer_->Start();
        }
        emit changed();
    });
    connect(&round_, &Round::phaseChanged, this, [this](Phase phase) {
        if (keptWaits_ && !BoardHidden(phase)) {
            keptWaits_ = false;
            keptTimer_->Start();
        }
    });
    keptTimer_->onTick = [this] {
        keptTimer_->Stop();
        if (kept_) {
            kept_ = false;
            emit changed();
        }
    };
    // A level dealt untimed, or turning untimed, says so.
    connect(&round_, &Round::dealt, this, &BoardCaption::changed);
    connect(&round_, &Round::turnedUntimed, this, &BoardCaption::changed);
    // A clear's time and place join the caption until the next level.
    connect(&results, &ResultKeeper::cleared, this, [this](const ClearResult& result) {
        cleared_ = result;
        emit changed();
    });
}

BoardCaption::~BoardCaption() = default;

QString BoardCaption::ClearNote() const
{
    return cleared_ ? ClearNoteText(*cleared_) : QString();
}

QString BoardCaption::Text() const
{
    if (!levelShown_) {
        return {};
    }
    const LevelPlace place = flow_.Place();
    QString name = place.name;
    for (const CatalogueEntry& entry : flow_.ListedLevels()) {
        if (entry.number == place.level) {
            name = LevelName(entry);
        }
    }
    //: the mode's caption, of a level played untimed
    const QString mode = round_.Untimed() ? tr("%1（不限时）").arg(ModeCaption(place.mode)) : ModeCaption(place.mode);
    QString text = tr("%1======>当前游戏关卡：%2．%3").arg(mode, QString::number(place.level), name);
    if (kept_) {
        text.prepend(tr("继续上次的棋局 — "));
    }
    if (const QString note = ClearNote(); !note.isEmpty()) {
        text += tr("　　%1").arg(note);
    }
    return text;
}

} // namespace daz
