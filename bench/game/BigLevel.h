#pragma once

#include "GameHarness.h"

namespace daz::testing {

// A game started in mode 2 on a 19 × 18 level with 99 pictures sized for
// its cells (37 × 27 pixels), a background and particles: the largest kind
// of level. Each call makes a game of its own, kept for the whole run.
inline GameHarness* NewBigLevel()
{
    auto* h = new GameHarness;
    TestProgramFolder::LevelSpec spec(QStringLiteral("大"), QStringLiteral("big"), 19, 18, 99, 1);
    spec.tilePixels = 27;
    spec.background = true;
    h->folder.WriteGame({spec});
    h->folder.WriteParticle(1);
    h->Start(2);
    return h;
}

} // namespace daz::testing
