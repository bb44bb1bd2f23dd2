#pragma once

#include <QString>

namespace daz {

// File operations of the level tools. Each returns empty text when it
// succeeded and otherwise a text for the user that names the file and the
// reason.

// Makes a new folder. Fails when the folder exists already or its parent
// does not exist.
QString CreateFolder(const QString& path);

// Copies a file, replacing a file of the target's name. The target holds
// either its old or the complete new content, never a part. The source is
// found in any letter case.
QString CopyFileReplacing(const QString& source, const QString& target);

// Deletes a file.
QString DeleteFile(const QString& path);

// Makes the file empty, or creates it empty.
QString WriteEmptyFile(const QString& path);

// Whether the folder holds a file that is not hidden; sub-folders do not
// count. False when the folder does not exist.
bool FolderHoldsFiles(const QString& folder);

// A file name inside a folder given by the user, with one separator
// between them whether or not the folder ends with one.
QString InFolder(const QString& folder, const QString& name);

} // namespace daz
