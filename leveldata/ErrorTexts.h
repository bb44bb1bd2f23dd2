#pragma once

#include <QString>

class QFileDevice;

namespace daz {

// Why a file operation failed, in words for the messages the player reads:
// Chinese for the failures a player meets (no permission, no space left,
// not found, a read-only file system and a few more), the system's own
// text for the rest.
QString SystemErrorText(int error);             // an errno value
QString FileErrorText(const QFileDevice& file); // the reason a QFile or QSaveFile gave

} // namespace daz
