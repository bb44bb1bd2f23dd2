#include "LanguagePreference.h"

#include "leveldata/Preferences.h"
#include "platform/QtTranslations.h"

namespace daz {

LanguagePreference::LanguagePreference(DataFolders folders, platform::LanguageSwitch& languages)
    : folders_(std::move(folders)), languages_(languages)
{
}

void LanguagePreference::Apply()
{
    if (const QString kept = ReadPreferences(folders_).language; kept != languages_.Choice()) {
        languages_.Use(kept);
    }
}

FileError LanguagePreference::Choose(const QString& choice)
{
    if (choice != languages_.Choice()) {
        languages_.Use(choice);
    }
    if (!saving_) {
        return {};
    }
    // The other preferences stay as they are kept.
    Preferences preferences = ReadPreferences(folders_);
    if (preferences.language == choice) {
        return {};
    }
    preferences.language = choice;
    return WritePreferences(folders_, preferences);
}

const QString& LanguagePreference::Choice() const
{
    return languages_.Choice();
}

} // namespace daz
