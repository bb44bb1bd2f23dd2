#include "Audio.h"

namespace daz::datagen {

void WriteAudio(const QDir&) {}

} // namespace daz::datagen
