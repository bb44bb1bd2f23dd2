#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QImage>
#include <QString>

#include "leveldata/Formats.h"

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
    QString folder; // ends with a separator
    LevelSettings settings;
    LevelPictures pictures;
};

// A level, or what keeps it from being played, in words for the player.
struct LevelReading {
    std::optional<Level> level;
    QString problem;
};

// Reads a level folder and checks everything the game needs before it
// deals: the settings (a board size the game can deal, pictures to show)
// and every picture the deal can use. programFolder locates the particle
// sprite. Missing keys are reported by the INI reader's own boxes.
//
// Every picture's size is read from its file before it is decoded. A tile
// or mask larger than four times its cell in either direction keeps the
// level from being played; a background or sprite of more than 4096 × 4096
// pixels is left out, as one that cannot be decoded is.
LevelReading ReadLevel(IniAccess& ini, const QString& programFolder, const QString& folder);

} // namespace daz
