#pragma once

#include "audio_dsp.h"

#include <cstddef>

namespace daz::datagen::audio {

// The background pieces of the levels, 22.05 kHz mono, each 30 to 60
// seconds and built so that its end flows back into its start.
std::size_t MusicPieceCount();
Clip RenderMusicPiece(std::size_t index);

} // namespace daz::datagen::audio
