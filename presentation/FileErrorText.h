#pragma once

#include <QString>

#include "leveldata/FileError.h"

namespace daz {

// The words of a file error: what could not be done to which file, and
// why ("无法写入文件“…”：文件是只读的"), or only why when nothing was said
// of what was being done. Chinese for the reasons a player meets (no
// permission, no space left, not found, a read-only file system and a few
// more), the system's own text for the rest. Context "FileErrorText".
QString FileErrorText(const FileError& error);

// Why, from the system's error number alone.
QString SystemErrorText(int error);

} // namespace daz
