#include "LanguagePreference.h"

#include "leveldata/Preferences.h"
#include "platform/QtTranslations.h"
#include "presentation/FileErrorText.h"

namespace daz {

void UseKeptLanguage(const DataFolders& folders, platform::LanguageSwitch& languages)
{
    languages.Use(ReadPreferences(folders).language);
}

LanguagePreference::LanguagePreference(DataFolders folders, platform::LanguageSwitch& languages,
                                       platform::MessageBoxes& boxes)
    : folders_(std::move(folders)), languages_(languages), boxes_(boxes)
{
}

void LanguagePreference::Choose(const QString& choice)
{
    if (choice != languages_.Choice()) {
        languages_.Use(choice);
    }
    if (!saving_) {
        return;
    }
    // The other preferences stay as they are kept.
    Preferences preferences = ReadPreferences(folders_);
    if (preferences.language == choice) {
        return;
    }
    preferences.language = choice;
    // Told in the language just chosen, as the other failed saves are.
    if (const FileError error = WritePreferences(folders_, preferences); error.Failed()) {
        platform::Fail(boxes_, tr("语言的选择未能保存，只在这次游戏中有效：%1").arg(FileErrorText(error)));
    }
}

const QString& LanguagePreference::Choice() const
{
    return languages_.Choice();
}

} // namespace daz
