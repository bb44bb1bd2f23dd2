#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include <QImage>
#include <QString>

#include "leveldata/FileError.h"
#include "leveldata/Formats.h"
#include "leveldata/PictureNames.h"

namespace daz {

// Every picture a level shows, decoded once when the level is loaded, so
// that dealing, shuffling and sliding never touch the disk.
struct LevelPictures {
    std::vector<QImage> tiles; // tiles[k] shows code k; [0] is never used
    QImage mb1;                // selection mask
    QImage mb2;                // hover mask
    QImage background;         // gameback.jpg; null when the level has none
    QImage particle;           // the particle sprite; null when there is none

    const QImage& Tile(int code) const;
};

struct Level {
    QString folder; // the MenuPath it was read from
    LevelSettings settings;
    LevelPictures pictures;
    PictureNames names; // what the pictures are called; often none
};

// What keeps a level from being played.
enum class LevelProblemKind {
    None,
    FolderOutside,       // name: the level's folder leads out of the game's folders
    SettingsMissing,     // there is no setme.ini
    SettingsUnreadable,  // reason: why setme.ini could not be read
    SettingsInvalid,     // a number in setme.ini is wrong
    BoardSizeUnusable,   // width × height: no board the game can deal
    MusicOutside,        // name: the music file leads out of the media folder
    PictureCountInvalid, // width: PhotoSum, below 1
    PictureMissing,      // name: the picture file
    PictureUnreadable,   // name, reason
    PictureTooLarge,     // name, width × height in pixels
};

struct LevelProblem {
    LevelProblem() = default;
    LevelProblem(LevelProblemKind kind, QString name = {}, FileError reason = {}, int width = 0, int height = 0)
        : kind(kind), name(std::move(name)), reason(std::move(reason)), width(width), height(height)
    {
    }

    LevelProblemKind kind = LevelProblemKind::None;
    QString name;     // the folder or file named
    FileError reason; // why a file could not be read
    int width = 0;
    int height = 0;

    bool operator==(const LevelProblem&) const = default;
};

// A level, or what keeps it from being played.
struct LevelReading {
    std::optional<Level> level;
    LevelProblem problem;
};

// Reads a level folder, given by its stored MenuPath, and checks
// everything the game needs before it deals: that the folder and the music
// stay inside the game's folders, the settings (a board size the game can
// deal, pictures to show) and every picture the deal can use. Each file is
// read from the player's folder when it is there, else from the shipped
// one. Missing keys go to the INI reader's reporter.
//
// Every picture's size is read from its file before it is decoded. A tile
// or mask larger than four times its cell in either direction keeps the
// level from being played; a background or sprite of more than 4096 × 4096
// pixels is left out, as one that cannot be decoded is.
LevelReading ReadLevel(IniAccess& ini, const DataFolders& folders, const QString& folder);

} // namespace daz
