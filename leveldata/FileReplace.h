#pragma once

#include <QByteArray>
#include <QString>

#include "FileError.h"

namespace daz {

// Gives target the new content so that, whatever happens on the way (a
// kill, a full disk, a power cut), the file holds either its old or its new
// content and never a mix or nothing. The content goes to a temporary file
// that is created new, exclusively and under a name of its own for each
// write, in the target's folder; it is flushed to the disk and then takes
// the target's place in one rename. This is what QSaveFile does, done here
// on a descriptor of the target's folder: that folder is opened below root
// (ConfinedFiles.h), and the temporary file, the rename and the check of
// the target all happen in what was opened, so no link swapped in on the
// way can take the write out of root.
//
// Refused, with the target left as it was:
// - a target whose folder lies outside root, or is reached through a link
//   that leads out of it;
// - a target that is a symbolic link: the game does not write through a
//   link, wherever it points (a folder unpacked from an archive could
//   otherwise direct a save at any file of the player's);
// - a target that is something other than a regular file;
// - a target that is not writable: one the user may not write, or one
//   whose permissions let nobody write it (this binds the superuser too).
// A replaced file keeps its permissions; a new one gets the usual ones.
//
// A temporary file that a killed write left beside the target is never
// read; the next write of that target that succeeds removes it.
//
// Returns no error when the content is in place, otherwise what failed on
// the target and why (such as no space left or file too large); no
// temporary file is then left behind.
FileError ReplaceFileContent(const QString& root, const QString& target, const QByteArray& content);

// Whether a file name is that of a temporary file a write of the file
// named target may leave behind when it is killed.
bool IsLeftoverOfWrite(const QString& fileName, const QString& target);

} // namespace daz
