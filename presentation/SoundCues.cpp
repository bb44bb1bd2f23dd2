#include "SoundCues.h"

#include "game/Round.h"
#include "presentation/HintFlash.h"

namespace daz {

SoundCues::SoundCues(const Round& round, const HintFlash& hint, SoundSink& sound)
{
    const auto play = [&sound](SoundEffect effect) { return [&sound, effect] { sound.PlaySoundEffect(effect); }; };
    connect(&round, &Round::tileSelected, this, play(SoundEffect::Select));
    connect(&round, &Round::selectionDropped, this, play(SoundEffect::Cancel));
    connect(&round, &Round::toolRefused, this, play(SoundEffect::Cancel));
    connect(&round, &Round::pairRemoved, this, play(SoundEffect::Link));
    connect(&round, &Round::shuffled, this, play(SoundEffect::Shuffle));
    connect(&hint, &HintFlash::blinked, this, play(SoundEffect::HintTick));
    // A shuffle sounds as the tiles move, whatever moved them; a hint
    // sounds as it blinks.
    connect(&round, &Round::toolUsed, this, [&sound](Tool tool) {
        if (tool == Tool::Undo) {
            sound.PlaySoundEffect(SoundEffect::Undo);
        } else if (tool == Tool::Pause) {
            sound.PlaySoundEffect(SoundEffect::Pause);
        }
    });
    connect(&round, &Round::phaseChanged, this, [&sound](Phase phase) {
        if (phase == Phase::Cleared) {
            sound.PlaySoundEffect(SoundEffect::Win);
        } else if (phase == Phase::TimedOut) {
            sound.PlaySoundEffect(SoundEffect::GameOver);
        }
    });
}

} // namespace daz
