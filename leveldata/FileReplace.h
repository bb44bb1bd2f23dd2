#pragma once

#include <QByteArray>
#include <QString>

namespace daz {

// Gives target the new content so that, whatever happens on the way (a
// crash, a full disk, a power cut), the file holds either its old or its
// new content and never a mix or nothing: the content goes to tempPath
// first, is flushed to the disk, and then takes the target's place in one
// rename. When tempPath lies on another file system than the target, a
// temporary file beside the target is used instead. The replaced file keeps
// its permissions; a symbolic link keeps pointing at the file it named.
//
// Returns an empty text when the content is in place, otherwise a text for
// the user naming the file and the reason; the target is then untouched
// and no temporary file is left behind.
QString ReplaceFileContent(const QString& tempPath, const QString& target, const QByteArray& content);

} // namespace daz
