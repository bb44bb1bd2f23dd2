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
// - The folder is made on the first start (the folders inside it when
//   something is first written there), and a write is tried: a folder
//   that cannot be made or written (a read-only home, a full disk) is told
//   once, and the game is played from the shipped files without saving.
// - A symbolic link in the catalogue's place is neither read nor written
//   through: it is told, the shipped catalogue is played, nothing is kept.
// - The first start copies the shipped DAZGame.ini. A copy that cannot be
//   read or holds no catalogue is put aside under a dated name, never
//   overwritten, and the shipped catalogue takes its place.
// - Later starts add each shipped level whose MenuPath the player's
//   catalogue does not list yet, numbered after the highest entry present,
//   and set Menu to the last, in one write. The file is read once and only
//   the numbers the level menu holds are looked at, whatever Menu claims.
//   When the menu is full, the levels that do not fit are told once (the
//   player's folder remembers them in levels-not-listed.txt). The player's
//   settings, levels made and level reached stay as they are.
//
// With a single program folder there is nothing to prepare.
PlayerFolderStatus PreparePlayerFolder(IniAccess& ini, const QDateTime& now);

} // namespace daz
