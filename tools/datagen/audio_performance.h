#pragma once

#include "audio_sketch.h"

#include <vector>

namespace daz::datagen::audio::music {

// Plays the parts into one buffer through a shared hall, each part
// brought to its level in the mix, every pitched note moved into the key
// of its section. The piece plays once per level, so it ends as a piece
// does: its last notes and their echo die away over a few seconds.
Samples Perform(const Sketch& sketch, const std::vector<Part>& parts, Rng& rng);

} // namespace daz::datagen::audio::music
