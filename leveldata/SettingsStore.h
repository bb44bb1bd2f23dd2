#pragma once

#include <optional>

#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"

namespace daz {

// The player's settings in DAZGame.ini (the music and effects switches,
// the level reached, the score), read and written as one struct through
// the INI code. Problems are reported as the INI code reports them.
class SettingsStore {
public:
    explicit SettingsStore(IniAccess& ini) : ini_(ini) {}

    // What the file holds; the defaults when there is no file.
    UserSettings Load();
    // Writes the four settings in one atomic replace of the file. Nothing
    // when the file's place cannot be written to (it holds a link that
    // leads out of the player's folder, told at start).
    std::optional<IniWriteResult> Save(const UserSettings& settings);

private:
    IniAccess& ini_;
};

} // namespace daz
