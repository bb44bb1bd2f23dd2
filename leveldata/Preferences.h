#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "leveldata/FileError.h"

namespace daz {

class DataFolders;

// The player's own choices about how the game looks and speaks, kept in
// the player's folder ("preferences.ini"), apart from the catalogue and
// its settings in DAZGame.ini: a level pack's DAZGame.ini travels between
// players, these stay with the player. Each choice is one key=value line;
// a missing file, key or value the game does not know means the default.
struct Preferences {
    // The game's language: empty to follow the desktop, else a language
    // code, "zh" for Chinese or the name of a translation ("en").
    QString language;
    // Whether the level pauses when the player goes away from it: the
    // window minimised, another program taking the focus, the screen
    // locked.
    bool pauseWhenAway = true;
    // Whether the levels are played untimed: the bar stays full, and the
    // results are kept apart from the timed ones.
    bool untimed = false;
    // Less motion and high contrast: unset until the player chooses, and
    // while unset the desktop's wish holds.
    std::optional<bool> lessMotion;
    std::optional<bool> highContrast;

    bool operator==(const Preferences&) const = default;
};

// A language code as the game names translations: letters, digits and
// underscores ("zh", "en", "pt_BR").
bool IsLanguageCode(const QByteArray& value);

inline const QString kPreferencesFile = QStringLiteral("preferences.ini");

// The file's content and back. Parsing never fails: what it cannot read
// is left at the default.
QByteArray SerializePreferences(const Preferences& preferences);
Preferences ParsePreferences(const QByteArray& content);

// The player's preferences; the defaults when the file is missing,
// unreadable or malformed.
Preferences ReadPreferences(const DataFolders& folders);
// Written whole or not at all (ReplaceFileContent).
FileError WritePreferences(const DataFolders& folders, const Preferences& preferences);

} // namespace daz
