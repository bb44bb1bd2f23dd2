#pragma once

#include <QString>

#include "leveldata/IniFile.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"

namespace daz {

// What the level editor and the level modifier work with: the program
// folder's settings files, the message boxes and common dialogs of the
// window that opens them, and the one value of the game's state that the
// editor sets.
struct LevelToolContext {
    IniAccess& ini; // over the program folder
    platform::MessageBoxes& boxes;
    platform::Dialogs& dialogs;
    // The game's MediaName: the editor's music choice stores the chosen
    // file's name here, and the new level is given that music name.
    QString& mediaName;

    const DataFolders& Folders() const { return ini.Folders(); }
};

} // namespace daz
