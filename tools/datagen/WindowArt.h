#pragma once

#include <QDir>

namespace daz::datagen {

// Paints the pictures stored with the game's windows into resourceDir
// (PNG files and resources.qrc listing them): score digits, menu buttons,
// state pictures, toolbar strip, pointer, time bar, splash, loading bar,
// mode chooser, the level tools' backgrounds and buttons, and the icon.
// Previews that show them with their texts go to previewDir.
void WriteWindowArt(const QDir& resourceDir, const QDir& previewDir);

} // namespace daz::datagen
