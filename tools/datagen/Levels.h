#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace daz::datagen {

// The ornament drawn around the edge of a tile's face, in the rim colour:
// it gives each theme a frame of its own.
enum class Frame { Plain, DoubleLine, Corners, Dots, Band, Ribbon };

// How the tiles of a level look: an ivory face on a block whose back
// shows the level's colour.
struct TileStyle {
    QColor back;        // the coloured back seen along the bottom and right edge
    QColor rim;         // outline of the face
    QColor face;        // tint of the ivory face
    double tint = 0.06; // how much of the tint goes into the face
    Frame frame = Frame::Plain;
};

// The drawn board backgrounds (gameback.jpg); Plain levels have none and
// show their board colour.
enum class Backdrop { Plain, RedPaper, Ocean, Sky, InkMountains, Fireworks, Velvet };

struct Level {
    QString folder; // under levels/, ASCII
    QString name;   // display name in the level menu
    int maxX = 0;
    int maxY = 0;
    QStringList symbols;  // one per tile picture: emoji, or characters when hanzi is set
    QStringList captions; // optional small character in the tile's corner
    bool hanzi = false;
    bool surnames = false; // the characters are family names, and named as such
    TileStyle style;
    QColor board; // GBackColor
    Backdrop backdrop = Backdrop::Plain;
    QString media; // MediaName, may be empty
    int particle = 0;

    int PhotoSum() const { return int(symbols.size()); }
};

// The levels shipped with the game, in catalogue order.
const std::vector<Level>& Catalogue();

// The cell of a level in pixels, as the game lays out its board area of
// 11730 x 8160 twips, and the tile picture size that fits in it.
QSize CellSize(int maxX, int maxY);
QSize TileSize(int maxX, int maxY);

// Writes DAZGame.ini, every level folder, the particle sprites, the help
// text and the credits into dataDir. Previews of three boards go to
// previewDir.
void WriteProgramFolder(const QDir& dataDir, const QDir& previewDir);

} // namespace daz::datagen
