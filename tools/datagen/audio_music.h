#pragma once

#include "audio_dsp.h"

#include <cstddef>

namespace daz::datagen::audio {

// The background pieces of the levels, 22.05 kHz mono, each a little over
// three minutes in several sections: a level's piece plays once, and
// lasts about as long as a level. The clips are named as stored (.ogg).
std::size_t MusicPieceCount();
Clip RenderMusicPiece(std::size_t index);

} // namespace daz::datagen::audio
