#pragma once

#include "presentation/HintFlash.h"
#include "presentation/LinkPathFade.h"
#include "presentation/OverlayJitter.h"

namespace daz {

// What moves on the board without the player: the path of a removed pair,
// the hint's blinking, the overlay's jitter and the caption's colour. Each
// follows the round's signals and keeps its own timer; the board view
// paints what they hold.
struct BoardMotion {
    BoardMotion(const Round& round, platform::TimerFactory& timers, Random& random)
        : path(round, timers), hint(round, timers), jitter(round, timers, random), caption(round, random)
    {
    }

    // Less motion: the path keeps its width, the hint is marked instead of
    // blinking, the overlay stands still and the caption keeps its colour.
    void SetLessMotion(bool on)
    {
        path.SetSteady(on);
        hint.SetSteady(on);
        jitter.SetStill(on);
        caption.SetSteady(on);
    }

    LinkPathFade path;
    HintFlash hint;
    OverlayJitter jitter;
    CaptionColour caption;
};

} // namespace daz
