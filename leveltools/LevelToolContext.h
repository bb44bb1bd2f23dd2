#pragma once

#include "leveldata/IniFile.h"
#include "platform/Dialogs.h"
#include "platform/MessageBoxes.h"

namespace daz {

// What the level editor and the level modifier work with: the program
// folder's settings files, and the message boxes and common dialogs of the
// window that opens them.
struct LevelToolContext {
    IniAccess& ini; // over the program folder
    platform::MessageBoxes& boxes;
    platform::Dialogs& dialogs;

    const DataFolders& Folders() const { return ini.Folders(); }
};

} // namespace daz
