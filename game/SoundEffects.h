#pragma once

#include <QString>

namespace daz {

// The game's sound effects, each a wave file of the program's sound folder.
enum class SoundEffect {
    Select,   // a first tile is selected; a mode is hovered in the chooser
    Cancel,   // a selection is cancelled or a pair refused
    Link,     // a pair is linked and removed
    Win,      // the board is cleared
    GameOver, // the time ran out
    HintTick, // each flash of a hint
    Shuffle,
    Undo,
    Pause,
};

// The file of an effect, relative to the program folder: "\sound\lianjie.wav".
QString SoundFile(SoundEffect effect);

// Where the game's effects go; the implementation decides whether the
// player wants to hear them.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void PlaySoundEffect(SoundEffect effect) = 0;
};

} // namespace daz
