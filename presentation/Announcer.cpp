#include "Announcer.h"

#include <QAccessible>

#include "game/Round.h"
#include "presentation/Accessibility.h"
#include "presentation/BoardCaption.h"
#include "presentation/BoardView.h"
#include "presentation/GameActions.h"

namespace daz {

Announcer::Announcer(const Round& round, const BoardView& board, const BoardCaption& caption,
                     const GameActions& actions, QWidget* parent)
    : QWidget(parent), round_(round), board_(board), caption_(caption)
{
    InstallAccessibility(); // before a client asks for the announcer
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);

    // The pair's pictures are gone from the board when it is told: the
    // places say which two went.
    connect(&round, &Round::pairRemoved, this, [this](Cell first, Cell second) {
        Say(tr("消去：%1").arg(Pair(board_.PlaceName(first), board_.PlaceName(second))));
    });
    connect(&round, &Round::hintFound, this, [this](Cell first, Cell second) {
        Say(tr("提示：%1").arg(Pair(board_.CellName(first), board_.CellName(second))));
    });
    connect(&round, &Round::shuffled, this, [this] { Say(tr("已重排")); });
    connect(&round, &Round::phaseChanged, this, &Announcer::PhaseChanged);
    connect(&actions, &GameActions::refused, this, [this](const QString&, const QString& why) { Say(why); });
}

QString Announcer::Pair(const QString& first, const QString& second) const
{
    return tr("%1 与 %2").arg(first, second);
}

void Announcer::PhaseChanged()
{
    const Phase phase = round_.GetPhase();
    switch (phase) {
    case Phase::Paused: Say(tr("已暂停")); break;
    case Phase::Playing:
        if (paused_) {
            Say(tr("继续"));
        }
        break;
    case Phase::TimedOut: Say(tr("时间到")); break;
    case Phase::Cleared:
        // The clear's time and place are kept after the round says it
        // ended, in the same turn of the event loop: they are read after it.
        QMetaObject::invokeMethod(
            this,
            [this] {
                const QString note = caption_.ClearNote();
                Say(note.isEmpty() ? tr("过关！") : tr("过关！%1").arg(note));
            },
            Qt::QueuedConnection);
        break;
    case Phase::NoLevel: break;
    }
    paused_ = phase == Phase::Paused;
}

void Announcer::Say(const QString& text)
{
    text_ = text;
    setAccessibleName(text);
    // Shown anew, a notification is spoken even when the words repeat.
    if (QAccessible::isActive()) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    emit said(text);
}

} // namespace daz
