#include "GameParts.h"

#include "game/CellGeometry.h"

namespace daz {

GameParts::GameParts(GameFlow& flow, platform::TimerFactory& timers, Random& random)
    : flow(flow),
      toolbar(flow.GetRound(), [&flow] { flow.Restart(); }),
      particles(random, timers, kBoardAreaWidth, kBoardAreaHeight),
      motion(flow.GetRound(), timers, random),
      cues(flow.GetRound(), motion.hint, flow.Audio())
{
    // Every level load hides the particles; a level that has them sets
    // them going once it is dealt.
    QObject::connect(&flow.GetRound(), &Round::left, &particles, &Particles::HideAll);
    QObject::connect(&flow, &GameFlow::levelStarted, &particles, [this] {
        const Level* level = this->flow.CurrentLevel();
        if (level && level->settings.particle != 0 && !level->pictures.particle.isNull()) {
            particles.Start(level->settings.particle, level->pictures.particle);
        }
    });
}

} // namespace daz
