#pragma once

#include "audio_dsp.h"

#include <vector>

namespace daz::datagen::audio {

// The nine sound effects of the game, one clip per event, named as the
// game looks them up in its sound folder.
std::vector<Clip> RenderSoundEffects();

} // namespace daz::datagen::audio
