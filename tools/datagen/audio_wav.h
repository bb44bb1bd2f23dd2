#pragma once

#include "audio_dsp.h"

#include <QString>

namespace daz::datagen::audio {

// Writes a mono 16-bit PCM wave file; samples are clamped to [-1, 1].
// Throws std::runtime_error when the file cannot be written.
void WriteWav(const QString& path, const Samples& samples, int sampleRate);

} // namespace daz::datagen::audio
