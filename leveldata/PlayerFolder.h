#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "leveldata/IniFile.h"

namespace daz {

// What the player has to be told once at start.
enum class PlayerFolderNote {
    None,
    FolderNotMade,     // the folder `path` could not be made, for `reason`
    FolderNotWritable, // nothing can be written in the folder `path`, for `reason`
    CatalogueLink,     // the catalogue `path` is a symbolic link
    CatalogueDamaged,  // the catalogue `path` is unreadable or damaged and could not be renamed
    CatalogueSetAside, // the unreadable or damaged catalogue is renamed `path`
    CopyFailed,        // the shipped catalogue could not be copied: `reason`
    LevelsNotAdded,    // the new shipped levels could not be added: `reason`
    MenuFull,          // the menu is full: the shipped levels `left` are not listed
};

// What the player has to be told once at start, and whether progress can
// be kept; presentation/ProblemTexts (PlayerFolderText) words it.
struct PlayerFolderStatus {
    bool canSave = true;
    PlayerFolderNote note = PlayerFolderNote::None;
    QString path = {};
    FileError reason = {}; // the system's reason or a failed write's
    QStringList left = {};
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
