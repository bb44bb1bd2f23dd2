#include "SettingsStore.h"

#include "leveldata/ProgramPaths.h"

namespace daz {

UserSettings SettingsStore::Load()
{
    const QString file = ini_.Folders().Find(kGameIniFile);
    return FileExists(file) ? ReadUserSettings(ini_, file) : UserSettings{};
}

std::optional<IniWriteResult> SettingsStore::Save(const UserSettings& settings)
{
    const QString file = ini_.Folders().ForWriting(kGameIniFile);
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return WriteUserSettings(ini_, file, settings);
}

} // namespace daz
