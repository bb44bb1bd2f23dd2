#include "PlayerPreferences.h"

#include "leveldata/Preferences.h"
#include "platform/QtTranslations.h"
#include "presentation/FileErrorText.h"

namespace daz {

Preferences UseKeptLanguage(const DataFolders& folders, platform::LanguageSwitch& languages)
{
    Preferences kept = ReadPreferences(folders);
    languages.Use(kept.language);
    return kept;
}

PlayerPreferences::PlayerPreferences(DataFolders folders, const Preferences& kept, platform::LanguageSwitch& languages,
                                     platform::MessageBoxes& boxes)
    : folders_(std::move(folders)), languages_(languages), boxes_(boxes)
{
    pauseWhenAway_ = kept.pauseWhenAway;
    untimed_ = kept.untimed;
    lessMotion_ = kept.lessMotion;
    highContrast_ = kept.highContrast;
}

void PlayerPreferences::Choose(const QString& choice)
{
    if (choice != languages_.Choice()) {
        languages_.Use(choice);
    }
    // Told in the language just chosen, as the other failed saves are.
    Keep(
        [&choice](Preferences& kept) {
            const bool changed = kept.language != choice;
            kept.language = choice;
            return changed;
        },
        tr("语言的选择未能保存，只在这次游戏中有效：%1"));
}

void PlayerPreferences::SetPauseWhenAway(bool on)
{
    pauseWhenAway_ = on;
    KeepSetting(&Preferences::pauseWhenAway, on);
}

void PlayerPreferences::SetUntimed(bool on)
{
    untimed_ = on;
    KeepSetting(&Preferences::untimed, on);
}

void PlayerPreferences::SetLessMotion(bool on)
{
    lessMotion_ = on;
    KeepSetting(&Preferences::lessMotion, on);
}

void PlayerPreferences::SetHighContrast(bool on)
{
    highContrast_ = on;
    KeepSetting(&Preferences::highContrast, on);
}

template <typename Value>
void PlayerPreferences::KeepSetting(Value Preferences::*setting, bool on)
{
    Keep(
        [setting, on](Preferences& kept) {
            const bool changed = kept.*setting != Value(on);
            kept.*setting = on;
            return changed;
        },
        tr("设置未能保存，只在这次游戏中有效：%1"));
}

void PlayerPreferences::Keep(const std::function<bool(Preferences&)>& change, const QString& notKept)
{
    if (!saving_) {
        return;
    }
    Preferences preferences = ReadPreferences(folders_);
    if (!change(preferences)) {
        return;
    }
    if (const FileError error = WritePreferences(folders_, preferences); error.Failed()) {
        platform::Fail(boxes_, QString(notKept).arg(FileErrorText(error)));
    }
}

const QString& PlayerPreferences::Choice() const
{
    return languages_.Choice();
}

} // namespace daz
