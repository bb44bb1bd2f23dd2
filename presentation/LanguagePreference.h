#pragma once

#include <QCoreApplication>
#include <QString>

#include "leveldata/DataFolders.h"
#include "platform/MessageBoxes.h"

namespace daz {

namespace platform {
class LanguageSwitch;
} // namespace platform

// Installs the language the player's preferences (preferences.ini) keep;
// nothing kept, or a file the game cannot read, follows the desktop. At
// start, before any text is made: the options' help and the windows alike.
void UseKeptLanguage(const DataFolders& folders, platform::LanguageSwitch& languages);

// The language the player chose in the main menu: installed at once, and
// kept in the player's preferences for the next start.
class LanguagePreference {
    Q_DECLARE_TR_FUNCTIONS(daz::LanguagePreference)

public:
    LanguagePreference(DataFolders folders, platform::LanguageSwitch& languages, platform::MessageBoxes& boxes);

    // Installs a choice from the menu and keeps it (not when saving is
    // off: the player's folder is another copy's or cannot be written).
    // A choice that cannot be kept still speaks for this run, and a box
    // says why it will not be remembered.
    void Choose(const QString& choice);
    void DisableSaving() { saving_ = false; }

    // The choice in use: empty to follow the desktop, "zh", "en".
    const QString& Choice() const;

private:
    DataFolders folders_;
    platform::LanguageSwitch& languages_;
    platform::MessageBoxes& boxes_;
    bool saving_ = true;
};

} // namespace daz
