#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "IniFile.h"

namespace daz {

// DAZGame.ini, in the program folder, holds the level catalogue and the
// user's settings:
//
//   [GameMenu]
//   Menu=2                       number of levels; the first key after the header
//   MenuName1=小星星              display name of level 1
//   MenuPath1=\levels\star\      level folder below the program folder
//   …
//   [UserSet]
//   MediaON=True                 background music on
//   SoundON=True                 sound effects on
//   UserGK=1                     the level being played
//   UserJF=0                     the score
//   MenuName3=…                  levels added by the level editor follow here
//
// Each header ends right after its "]" and is followed directly by its
// first key; there are no empty lines and no blanks around "=". Catalogue
// lines may stand after the UserSet section: a key search runs on past
// later headers.
inline const QString kCatalogueSection = QStringLiteral("GameMenu");
inline const QString kUserSection = QStringLiteral("UserSet");
inline const QString kLevelSection = QStringLiteral("GameSet");

// The level menu has room for this many levels; the catalogue is read no
// further.
inline constexpr int kMostCatalogueLevels = 66;

struct CatalogueEntry {
    int number = 0; // n, the level's number
    QString name;   // MenuName<n>
    QString path;   // MenuPath<n> as stored, e.g. "\gameg\星空\"
};

struct Catalogue {
    int menu = 0; // Menu: the levels the catalogue claims; 0 when no number
    // The levels among 1 … min(Menu, kMostCatalogueLevels) that have both
    // their keys, in order of their numbers.
    std::vector<CatalogueEntry> levels;
    // The numbers among those whose MenuName or MenuPath is missing.
    std::vector<int> missing;

    // Whether the player is to be told of levels beyond the menu's room or
    // of levels whose keys are missing (presentation/ProblemTexts.h words
    // it, all in one message).
    bool HasProblems() const { return menu > kMostCatalogueLevels || !missing.empty(); }
};

// Reads Menu with ReadIniKey, whose reporter is told of a missing key or file.
// Then MenuName<i> and MenuPath<i> for i = 1 … min(Menu, kMostCatalogueLevels),
// one key at a time in that order, without a box for a missing one. A Menu
// that is not a number, or below 1, gives an empty catalogue.
Catalogue ReadCatalogue(IniAccess& ini, const QString& iniFile);

// The two lines the level editor adds for level n: the display name (with
// "--" maker "制作" when a maker is given) and the folder "\gameg\" name "\".
QStringList CatalogueLines(int n, const QString& name, const QString& maker);

// Adds the two lines of level n at the end of the file, in the file's own
// encoding, and sets Menu to n: one replace of the file, so that Menu and
// the lines never disagree. Without a GameMenu header nothing is written
// (sectionFound is false).
IniWriteResult AppendCatalogueLevel(IniAccess& ini, const QString& iniFile, int n, const QString& name,
                                    const QString& maker);

// The user's settings. The music switch keeps the text it was read as
// ("True", "-1", …) so that it goes back unchanged while the player leaves
// it alone.
struct UserSettings {
    QString mediaOnText; // as stored; empty to save mediaOn as "True"/"False"
    bool mediaOn = true;
    bool soundOn = true;
    std::int16_t userGK = 1;
    std::int64_t userJF = 0;
    friend bool operator==(const UserSettings&, const UserSettings&) = default;
};

// The score shows in eight digits; a stored score is read into 0 … this.
inline constexpr std::int64_t kHighestScore = 99'999'999;

// Reads MediaON, SoundON, UserGK and UserJF in that order. Texts that are
// no valid value give the defaults above: a switch that cannot be read is
// on (and its text is dropped), a level number that cannot be read is 1, a
// score that cannot be read is 0. A score beyond 0 … kHighestScore, in any
// notation and of any size, is read as the nearer bound.
UserSettings ReadUserSettings(IniAccess& ini, const QString& iniFile);

// Writes MediaON, SoundON, UserGK and UserJF in that order, each replacing
// its key, in one replace of the file: all four or none.
IniWriteResult WriteUserSettings(IniAccess& ini, const QString& iniFile, const UserSettings& settings);

// A level's setme.ini: one section GameSet with six keys, as stored text.
// The level editor writes the numbers as the user typed them.
struct LevelSettingsText {
    QString maxX = QStringLiteral("12");      // tile columns
    QString maxY = QStringLiteral("8");       // tile rows
    QString photoSum;                         // number of tile pictures 1.gif …
    QString gBackColor = QStringLiteral("0"); // board colour &H00BBGGRR, in decimal
    QString mediaName;                        // music file in the media folder; empty for none
    QString particle = QStringLiteral("0");   // particle effect 0 … 5
};

// Reads the six keys in the order above.
LevelSettingsText ReadLevelSettings(IniAccess& ini, const QString& setmeFile);
LevelSettingsText ReadLevelSettings(IniReader& setme);

// The seven lines of setme.ini: "[GameSet]", then MaxX, MaxY, PhotoSum,
// GBackColor, MediaName and Particle.
QStringList LevelSettingsLines(const LevelSettingsText& settings);

// Creates setme.ini, or replaces it, with the seven lines in UTF-8.
IniWriteResult WriteLevelSettings(IniAccess& ini, const QString& setmeFile, const LevelSettingsText& settings);

// A level's settings as the game uses them.
struct LevelSettings {
    std::int16_t maxX = 0;
    std::int16_t maxY = 0;
    std::int16_t photoSum = 0;
    std::int32_t gBackColor = 0; // negative values are system colours
    QString mediaName;
    std::int16_t particle = 0;
};

// The settings converted, or nothing when a number among them is not one.
// Ranges are not checked here.
std::optional<LevelSettings> ParseLevelSettings(const LevelSettingsText& text);

} // namespace daz
