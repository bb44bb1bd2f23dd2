#pragma once

#include <functional>
#include <optional>

#include <QCoreApplication>
#include <QString>

#include "leveldata/DataFolders.h"
#include "leveldata/Preferences.h"
#include "platform/MessageBoxes.h"

namespace daz {

namespace platform {
class LanguageSwitch;
} // namespace platform

// Installs the language the player's preferences (preferences.ini) keep;
// nothing kept, or a file the game cannot read, follows the desktop. At
// start, before any text is made: the options' help and the windows alike.
// The preferences read are PlayerPreferences' to start from.
Preferences UseKeptLanguage(const DataFolders& folders, platform::LanguageSwitch& languages);

// The player's own choices, each applied at once and kept in the player's
// preferences for the next start: the language chosen in the main menu,
// and the choices of 设置: whether the level pauses when the player goes
// away, whether levels are played untimed, less motion and high contrast.
class PlayerPreferences {
    Q_DECLARE_TR_FUNCTIONS(daz::PlayerPreferences)

public:
    // kept: the preferences as UseKeptLanguage read them.
    PlayerPreferences(DataFolders folders, const Preferences& kept, platform::LanguageSwitch& languages,
                      platform::MessageBoxes& boxes);

    // Installs a choice from the menu and keeps it (not when saving is
    // off: the player's folder is another copy's or cannot be written).
    // A choice that cannot be kept still speaks for this run, and a box
    // says why it will not be remembered.
    void Choose(const QString& choice);
    void DisableSaving() { saving_ = false; }

    // The choice in use: empty to follow the desktop, "zh", "en".
    const QString& Choice() const;

    bool PausesWhenAway() const { return pauseWhenAway_; }
    // Kept as a language choice is; told the same way when it cannot be.
    void SetPauseWhenAway(bool on);
    bool Untimed() const { return untimed_; }
    void SetUntimed(bool on);
    // Less motion and high contrast as chosen; unset until the player
    // chooses (the desktop's wish holds meanwhile).
    std::optional<bool> LessMotion() const { return lessMotion_; }
    std::optional<bool> HighContrast() const { return highContrast_; }
    void SetLessMotion(bool on);
    void SetHighContrast(bool on);

private:
    // Keeps the preferences with one choice changed, the others as they
    // are kept; a box tells notKept and why when the file cannot be
    // written.
    void Keep(const std::function<bool(Preferences&)>& change, const QString& notKept);
    // Keeps one choice of 设置.
    template <typename Value>
    void KeepSetting(Value Preferences::*setting, bool on);

    DataFolders folders_;
    platform::LanguageSwitch& languages_;
    platform::MessageBoxes& boxes_;
    bool saving_ = true;
    bool pauseWhenAway_ = true;
    bool untimed_ = false;
    std::optional<bool> lessMotion_;
    std::optional<bool> highContrast_;
};

} // namespace daz
