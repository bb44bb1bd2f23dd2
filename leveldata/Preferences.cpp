#include "Preferences.h"

#include <utility>

#include <QList>

#include "leveldata/ConfinedFiles.h"
#include "leveldata/DataFolders.h"
#include "leveldata/FileReplace.h"
#include "leveldata/ProgramPaths.h"

namespace daz {
namespace {

// A preferences file is a few lines; anything larger is not ours.
constexpr qint64 kPreferencesBudget = 64 * 1024;

const QByteArray kLanguageKey = QByteArrayLiteral("language");
const QByteArray kFollowDesktop = QByteArrayLiteral("system");
const QByteArray kPauseWhenAwayKey = QByteArrayLiteral("pauseWhenAway");
const QByteArray kUntimedKey = QByteArrayLiteral("untimed");
const QByteArray kLessMotionKey = QByteArrayLiteral("lessMotion");
const QByteArray kHighContrastKey = QByteArrayLiteral("highContrast");

// A choice that may be left to the desktop: "system", "true" or "false".
QByteArray Choice(const std::optional<bool>& choice)
{
    return choice ? QByteArray(*choice ? "true" : "false") : kFollowDesktop;
}

QString PreferencesPath(const DataFolders& folders)
{
    return NativePath(folders.Player(), kPreferencesFile);
}

} // namespace

bool IsLanguageCode(const QByteArray& value)
{
    if (value.isEmpty() || value.size() > 16) {
        return false;
    }
    for (const char c : value) {
        const bool fits = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!fits) {
            return false;
        }
    }
    return true;
}

QByteArray SerializePreferences(const Preferences& preferences)
{
    QByteArray content = QByteArrayLiteral("[Preferences]\n");
    content += kLanguageKey + '=' + (preferences.language.isEmpty() ? kFollowDesktop : preferences.language.toUtf8())
               + '\n';
    content += kPauseWhenAwayKey + '=' + (preferences.pauseWhenAway ? "true" : "false") + '\n';
    content += kUntimedKey + '=' + (preferences.untimed ? "true" : "false") + '\n';
    content += kLessMotionKey + '=' + Choice(preferences.lessMotion) + '\n';
    content += kHighContrastKey + '=' + Choice(preferences.highContrast) + '\n';
    return content;
}

Preferences ParsePreferences(const QByteArray& content)
{
    Preferences preferences;
    for (const QByteArray& raw : content.split('\n')) {
        const QByteArray line = raw.trimmed();
        const qsizetype equals = line.indexOf('=');
        if (line.isEmpty() || line.startsWith('#') || line.startsWith(';') || line.startsWith('[') || equals < 0) {
            continue;
        }
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (key == kPauseWhenAwayKey && (value == "true" || value == "false")) {
            preferences.pauseWhenAway = value == "true";
        }
        if (key == kUntimedKey && (value == "true" || value == "false")) {
            preferences.untimed = value == "true";
        }
        for (auto [name, choice] : {std::pair{&kLessMotionKey, &preferences.lessMotion},
                                    std::pair{&kHighContrastKey, &preferences.highContrast}}) {
            if (key == *name) {
                *choice = value == "true" || value == "false" ? std::optional(value == "true") : std::nullopt;
            }
        }
        if (key == kLanguageKey) {
            preferences.language = value != kFollowDesktop && IsLanguageCode(value) ? QString::fromLatin1(value)
                                                                                    : QString();
        }
    }
    return preferences;
}

Preferences ReadPreferences(const DataFolders& folders)
{
    FileError error;
    const auto bytes = ReadFileBelow(folders.Player(), PreferencesPath(folders), kPreferencesBudget, error);
    return bytes ? ParsePreferences(*bytes) : Preferences{};
}

FileError WritePreferences(const DataFolders& folders, const Preferences& preferences)
{
    return ReplaceFileContent(folders.Player(), PreferencesPath(folders), SerializePreferences(preferences));
}

} // namespace daz
