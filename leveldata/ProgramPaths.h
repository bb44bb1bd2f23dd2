#pragma once

#include <QString>

namespace daz {

// Paths inside the program folder are stored in the settings files the way
// the levels were first made, with backslashes ("\gameg\星空\"), and stay
// in that form in the program's state. They become paths of this system
// only when a file is opened, through NativePath. Files made on a system
// that ignores letter case may differ in case from the names the program
// asks for ("MB1.GIF", "Setme.ini"); ResolveExisting finds them.

// Stored paths of the program folder's own files and folders.
inline const QString kGameIniFile = QStringLiteral("\\DAZGame.ini");
inline const QString kLevelsFolder = QStringLiteral("\\gameg\\");
inline const QString kMediaFolder = QStringLiteral("\\media\\");
inline const QString kLevelSettingsFile = QStringLiteral("setme.ini"); // inside a level folder

// The program folder (a native path without a trailing separator) joined
// with a stored path: backslashes become the native separator, and exactly
// one separator stands between the two, also when the stored path lacks
// its leading backslash. A trailing separator is kept, so file names can
// still be appended to a folder.
QString NativePath(const QString& programFolder, const QString& stored);

// The path of an existing file or folder that matches nativePath. When the
// path exists as given it is returned unchanged; otherwise each component,
// from the root on, is looked up case-insensitively in its parent folder
// (an exact match first, else the first match in name order). Components
// from the first one that matches nothing on are kept as given, so the
// result also serves for creating a new file in an existing folder.
QString ResolveExisting(const QString& nativePath);

// Whether a regular file of that path exists, in any letter case. A
// folder, a pipe or a device is no file: opening one could wait for ever.
bool FileExists(const QString& nativePath);

} // namespace daz
