#pragma once

#include <QString>

#include "leveldata/DataFolders.h"
#include "leveldata/FileError.h"

namespace daz {

namespace platform {
class LanguageSwitch;
} // namespace platform

// The language the player chose in the main menu: installed at once, and
// kept in the player's preferences (preferences.ini) for the next start.
// Nothing kept, or a file the game cannot read, follows the desktop.
class LanguagePreference {
public:
    LanguagePreference(DataFolders folders, platform::LanguageSwitch& languages);

    // Installs the kept choice when it is not the one in use; at start,
    // before any window opens.
    void Apply();
    // Installs a choice from the menu and keeps it (not when saving is
    // off: the player's folder is another copy's or cannot be written);
    // what failed when it could not be kept.
    FileError Choose(const QString& choice);
    void DisableSaving() { saving_ = false; }

    // The choice in use: empty to follow the desktop, "zh", "en".
    const QString& Choice() const;

private:
    DataFolders folders_;
    platform::LanguageSwitch& languages_;
    bool saving_ = true;
};

} // namespace daz
