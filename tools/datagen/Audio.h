#pragma once

#include <QDir>

namespace daz::datagen {

// Writes the nine sound effects into dataDir/sound and the music pieces
// into dataDir/media. Deterministic: the same files every run.
void WriteAudio(const QDir& dataDir);

} // namespace daz::datagen
