#pragma once

#include <optional>

#include <QDateTime>
#include <QString>

#include "FileError.h"

namespace daz {

// File operations of the level tools. Each returns no error when it
// succeeded and otherwise the file and the reason. Every change happens inside root, the folder the tools write
// into (the player's folder), judged on what was opened (ConfinedFiles.h).

// Copies a file, replacing a file of the target's name. The target holds
// either its old or the complete new content, never a part. The source is
// found in any letter case; it is read below sourceRoot, or, when
// sourceRoot is empty, as a file the user picked, wherever it is.
FileError CopyFileReplacing(const QString& sourceRoot, const QString& source, const QString& root,
                            const QString& target);

// Makes the folder and the folders on its way below root.
FileError MakeFolders(const QString& root, const QString& folder);

// A level folder is built under a name of its own beside where it goes and
// moved into place when complete, so that a kill leaves either no level or
// a complete one. MakeUnfinishedFolder makes a new, empty folder for
// building folder and sets path to it; its name is hidden and can be no
// level's. A failure names folder.
FileError MakeUnfinishedFolder(const QString& root, const QString& folder, QString& path);

// Renames the finished folder to its real name in one step. Fails, leaving
// both as they are, when anything of that name exists already.
FileError MoveFolderIntoPlace(const QString& root, const QString& from, const QString& to);

// Removes the unfinished folders that killed builds left in parent.
void RemoveUnfinishedFolders(const QString& root, const QString& parent);

// Deletes a file.
FileError DeleteFile(const QString& root, const QString& path);

// Makes the file empty, or creates it empty.
FileError WriteEmptyFile(const QString& root, const QString& path);

// Puts a damaged file aside beside itself, under its name with
// ".damaged-yyyyMMdd-HHmmss" (then "-2", "-3", … when that is taken), never
// over another file; a link is renamed itself, its target stays as it is.
// Only the newest three copies of a file stay: older ones go, each with
// the companions a database has ("-journal", "-wal", "-shm" after its
// name). The path it now has, or nothing when it could not be moved.
std::optional<QString> PutAside(const QString& root, const QString& file, const QDateTime& now);

// Whether the folder holds a file that is not hidden; sub-folders do not
// count. False when the folder does not exist.
bool FolderHoldsFiles(const QString& folder);

// A file name inside a folder given by the user, with one separator
// between them whether or not the folder ends with one.
QString InFolder(const QString& folder, const QString& name);

} // namespace daz
