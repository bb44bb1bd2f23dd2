#pragma once

#include "game/GameFlow.h"
#include "presentation/BoardMotion.h"
#include "presentation/Particles.h"
#include "presentation/SoundCues.h"
#include "presentation/Toolbar.h"

namespace daz {

// What the main window shows of the game beside the flow itself: the
// toolbar's labels, the particles over the board, the board's motion and
// the sounds of what happens. They follow the flow's and the round's signals; the windows paint them.
class GameParts {
public:
    GameParts(GameFlow& flow, platform::TimerFactory& timers, Random& random);

    GameFlow& flow;
    Toolbar toolbar;
    Particles particles;
    BoardMotion motion;
    SoundCues cues;
};

} // namespace daz
