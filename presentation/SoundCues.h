#pragma once

#include <QObject>

#include "game/SoundEffects.h"

namespace daz {

class HintFlash;
class Round;

// The sounds of the game: each effect follows what the round (or the
// hint's flash) says happened, and goes to the sink, which plays it when
// the player wants effects.
class SoundCues : public QObject {
    Q_OBJECT

public:
    SoundCues(const Round& round, const HintFlash& hint, SoundSink& sound);
};

} // namespace daz
