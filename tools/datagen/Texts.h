#pragma once

#include <QString>

namespace daz::datagen {

// dazRedme.txt: the player's help, in Chinese.
void WriteHelp(const QString& path);

// CREDITS: every source the shipped pictures and fonts come from, with
// its licence.
void WriteCredits(const QString& path);

} // namespace daz::datagen
