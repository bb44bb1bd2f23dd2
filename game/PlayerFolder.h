#pragma once

#include <QDateTime>
#include <QString>

#include "leveldata/IniFile.h"

namespace daz {

// What the player has to be told once at start, and whether progress can
// be kept.
struct PlayerFolderStatus {
    bool canSave = true;
    QString message; // empty when there is nothing to tell
};

// Gets the player's folder ready before the catalogue is read.
//
// - The folder and its gameg/ and media/ folders are made on the first
//   start, and a write is tried: a folder that cannot be made or written
//   (a read-only home, a full disk) is told once, and the game is played
//   from the shipped files without saving.
// - The first start copies the shipped DAZGame.ini. A copy that cannot be
//   read or holds no catalogue is put aside under a dated name, never
//   overwritten, and the shipped catalogue takes its place.
// - Later starts add each shipped level whose MenuPath the player's
//   catalogue does not list yet at its end and raise Menu, in one write.
//   The player's settings, levels made and level reached stay as they are.
//
// With a single program folder there is nothing to prepare.
PlayerFolderStatus PreparePlayerFolder(IniAccess& ini, const QDateTime& now);

} // namespace daz
