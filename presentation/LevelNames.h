#pragma once

#include <QString>

#include "leveldata/Formats.h"

namespace daz {

// The name a level is shown by: a level that came with the game, still
// under its shipped folder and name, by its name in the player's
// language; any other, a player's own or one renamed, as its catalogue
// stores it. The catalogue itself keeps the stored name.
QString LevelName(const CatalogueEntry& entry);

} // namespace daz
