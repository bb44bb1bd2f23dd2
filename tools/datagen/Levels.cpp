#include "Levels.h"

#include "Backdrops.h"
#include "Files.h"
#include "Gif.h"
#include "Paint.h"
#include "Particles.h"
#include "PictureNames.h"
#include "Texts.h"
#include "TileLikeness.h"
#include "Tiles.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>

namespace daz::datagen {
namespace {

constexpr int kBoardTwipsWide = 11730;
constexpr int kBoardTwipsHigh = 8160;
constexpr int kTwipsPerPixel = 15;

// A tile picture fills its cell less this gap, so that neighbours do not touch.
int GapFor(QSize cell)
{
    return std::min(cell.width(), cell.height()) >= 50 ? 3 : 2;
}

// The colour a tile's soft edges are blended over: the board colour, or
// the background picture's mean colour.
struct Board {
    QImage background; // null for a plain board
    QColor edge;
};

Board MakeBoard(const Level& level)
{
    Board board;
    if (level.backdrop == Backdrop::Plain) {
        board.edge = level.board;
    } else {
        board.background = PaintBackdrop(level.backdrop);
        board.edge = MeanColour(board.background);
    }
    return board;
}

QImage SelectionMask(QSize tile)
{
    return FlattenForGif(PaintSelectionMask(tile), Rgb(0x8c1a0a));
}
QImage HoverMask(QSize tile)
{
    return FlattenForGif(PaintHoverMask(tile), Rgb(0x1f86f0));
}

// Everything a level folder holds, painted but not yet written.
struct LevelArt {
    QImage background; // null for a plain board
    std::vector<QImage> tiles;
};

LevelArt PaintLevel(const Level& level)
{
    LevelArt art;
    const Board board = MakeBoard(level);
    art.background = board.background;
    const QSize tile = TileSize(level.maxX, level.maxY);
    for (int i = 0; i < level.PhotoSum(); ++i) {
        const QImage picture = PaintTile(tile, level.style, LevelSymbol(level, i), level.captions.value(i));
        art.tiles.push_back(FlattenForGif(picture, board.edge));
    }
    return art;
}

// The test of the shipped folder holds every level to this: the pairs of
// a level's pictures that a player could take for each other, each told.
QStringList Clashes(const Level& level, const LevelArt& art)
{
    QStringList found;
    for (const likeness::Vision vision : likeness::kVisions) {
        for (const likeness::Clash& clash : likeness::Clashes(art.tiles, vision)) {
            if (likeness::KeptAlthoughClose(level.folder, vision, clash)) {
                continue;
            }
            found << QStringLiteral("level %1, seen with %2: %3 (%4 and %5)")
                         .arg(level.folder, QString::fromLatin1(likeness::VisionName(vision)),
                              likeness::Describe(clash), level.symbols.at(clash.first), level.symbols.at(clash.second));
        }
    }
    return found;
}

void WriteLevel(const Level& level, const LevelArt& art, const QDir& folder)
{
    RecreateDir(folder);
    WriteLines(folder.filePath(QStringLiteral("setme.ini")),
               {QStringLiteral("[GameSet]"), QStringLiteral("MaxX=%1").arg(level.maxX),
                QStringLiteral("MaxY=%1").arg(level.maxY), QStringLiteral("PhotoSum=%1").arg(level.PhotoSum()),
                QStringLiteral("GBackColor=%1").arg(WindowsColour(level.board)),
                QStringLiteral("MediaName=") + level.media, QStringLiteral("Particle=%1").arg(level.particle)},
               "\r\n");

    // What a screen reader calls each picture, by language.
    const std::vector<PictureName> names = PictureNames(level);
    QStringList pictures{QStringLiteral("[zh]")};
    for (size_t i = 0; i < names.size(); ++i) {
        pictures << QString::number(i + 1) + u'=' + names[i].zh;
    }
    pictures << QStringLiteral("[en]");
    for (size_t i = 0; i < names.size(); ++i) {
        pictures << QString::number(i + 1) + u'=' + names[i].en;
    }
    WriteLines(folder.filePath(QStringLiteral("pictures.ini")), pictures, "\n");

    if (!art.background.isNull()) {
        SaveJpeg(art.background, folder.filePath(QStringLiteral("gameback.jpg")), 88);
    }

    for (size_t i = 0; i < art.tiles.size(); ++i) {
        WriteGif(art.tiles[i], folder.filePath(QStringLiteral("%1.gif").arg(i + 1)));
    }
    const QSize tile = TileSize(level.maxX, level.maxY);
    WriteGif(SelectionMask(tile), folder.filePath(QStringLiteral("mb1.gif")));
    WriteGif(HoverMask(tile), folder.filePath(QStringLiteral("mb2.gif")));
}

void CheckCatalogue(const std::vector<Level>& levels)
{
    for (const Level& level : levels) {
        const auto fail = [&](const std::string& why) {
            throw std::logic_error("level " + level.folder.toStdString() + ": " + why);
        };
        if (level.maxX < 1 || level.maxX > 19 || level.maxY < 1 || level.maxY > 19) {
            fail("board sides must be 1 to 19");
        }
        if (level.maxX % 2 != 0 && level.maxY % 2 != 0) {
            fail("one board side must be even");
        }
        if (level.PhotoSum() < 10 || level.PhotoSum() > 99) {
            fail("a level needs 10 to 99 pictures");
        }
        if (level.maxX * level.maxY / 2 < level.PhotoSum()) {
            fail("more pictures than pairs");
        }
        if (!level.captions.isEmpty() && level.captions.size() != level.symbols.size()) {
            fail("one caption per picture");
        }
        if (level.particle < 0 || level.particle > 5) {
            fail("particle effects are 0 to 5");
        }
        QStringList distinct = level.symbols;
        if (distinct.removeDuplicates() != 0) {
            fail("a picture occurs twice");
        }
        // Played by ear, two pictures of the same name could not be paired.
        std::set<QString> zh;
        std::set<QString> en;
        for (const PictureName& name : PictureNames(level)) {
            for (const QString& said : {name.zh, name.en}) {
                if (said.isEmpty() || said.trimmed() != said || said.contains(u'=') || said.contains(u'\n')
                    || said.contains(u'\r')) {
                    fail("the picture name \"" + said.toStdString() + "\" cannot stand in pictures.ini");
                }
            }
            if (!zh.insert(name.zh).second) {
                fail("two pictures are called " + name.zh.toStdString());
            }
            if (!en.insert(name.en.toCaseFolded()).second) {
                fail("two pictures are called " + name.en.toStdString());
            }
        }
    }
    // What the test of the shipped folder asks of the whole catalogue.
    const auto refuse = [](const std::string& why) { throw std::logic_error("catalogue: " + why); };
    if (levels.size() < 30 || levels.size() > 66) {
        refuse("30 to 66 levels");
    }
    if (levels.front().maxX * levels.front().maxY != 8 * 6 || levels.back().maxX * levels.back().maxY != 18 * 12) {
        refuse("the curve runs from 8 x 6 to 18 x 12");
    }
    std::set<int> particles;
    int withBackground = 0;
    std::map<QString, int> music;
    for (size_t i = 0; i < levels.size(); ++i) {
        const Level& level = levels[i];
        if (i > 0 && level.maxX * level.maxY < levels[i - 1].maxX * levels[i - 1].maxY) {
            refuse(level.folder.toStdString() + ": a board smaller than the level before");
        }
        if (i > 0 && level.PhotoSum() < levels[i - 1].PhotoSum() - 1) {
            refuse(level.folder.toStdString() + ": more than one picture fewer than the level before");
        }
        particles.insert(level.particle);
        withBackground += level.backdrop != Backdrop::Plain;
        if (!level.media.isEmpty()) {
            ++music[level.media];
        }
    }
    if (particles.size() != 6) {
        refuse("every particle effect, and none, in some level");
    }
    if (withBackground == 0 || withBackground == int(levels.size())) {
        refuse("some levels with a background picture, some without");
    }
    int withMusic = 0;
    for (const auto& [piece, uses] : music) {
        withMusic += uses;
        if (uses < 2) {
            refuse("music " + piece.toStdString() + " is used by one level only");
        }
    }
    if (withMusic * 2 <= int(levels.size())) {
        refuse("music in more than half of the levels");
    }
}

// The board as the game shows it: background, tiles at their cells, the
// hover mask on one tile, the selection mask on another, a few particles
// and the level caption.
QImage PreviewBoard(const Level& level, int number, const QDir& folder)
{
    QImage board = NewCanvas(kBoardWidth, kBoardHeight, level.board);
    QPainter p(&board);
    const QString back = folder.filePath(QStringLiteral("gameback.jpg"));
    if (QFile::exists(back)) {
        p.drawImage(QRect(0, 0, kBoardWidth, kBoardHeight), QImage(back));
    }

    const int boxW = kBoardTwipsWide / (level.maxX + 2);
    const int boxH = kBoardTwipsHigh / (level.maxY + 2);
    const auto cell = [&](int x, int y) {
        return QPoint(int(std::lround(double(x * boxW) / kTwipsPerPixel)),
                      int(std::lround(double(y * boxH) / kTwipsPerPixel)));
    };

    // Deal as the game does: pairs of pictures 1, 2, ... in turn, shuffled.
    const int cells = level.maxX * level.maxY;
    std::vector<int> deck(static_cast<size_t>(cells));
    for (int i = 0; i < cells; i += 2) {
        deck[size_t(i)] = deck[size_t(i) + 1] = (i / 2) % level.PhotoSum() + 1;
    }
    Rng rng(std::uint64_t(number) * 7919);
    for (int k = 0; k < cells; ++k) {
        std::swap(deck[size_t(k)], deck[size_t(rng.Int(0, cells - 1))]);
    }

    std::vector<QImage> pictures;
    for (int i = 1; i <= level.PhotoSum(); ++i) {
        pictures.push_back(QImage(folder.filePath(QStringLiteral("%1.gif").arg(i))));
    }
    for (int y = 1; y <= level.maxY; ++y) {
        for (int x = 1; x <= level.maxX; ++x) {
            p.drawImage(cell(x, y), pictures[size_t(deck[size_t((y - 1) * level.maxX + x - 1)] - 1)]);
        }
    }
    p.drawImage(cell(2, 2), QImage(folder.filePath(QStringLiteral("mb1.gif"))));
    p.drawImage(cell(level.maxX - 1, level.maxY - 1), QImage(folder.filePath(QStringLiteral("mb2.gif"))));

    if (level.particle > 0) {
        const QImage sprite = PaintParticle(level.particle);
        for (int i = 0; i < 10; ++i) {
            p.drawImage(QPointF(rng.Range(0, kBoardWidth - 20), rng.Range(0, kBoardHeight - 20)), sprite);
        }
    }
    QFont caption = SansFont(12);
    p.setFont(caption);
    p.setPen(Rgb(0xffff55));
    p.drawText(QRect(0, 1, kBoardWidth, 16), Qt::AlignHCenter | Qt::AlignTop,
               QString::fromUtf8("正常模式======>当前游戏关卡：%1．%2").arg(number).arg(level.name));
    p.end();
    return board;
}

} // namespace

QSize CellSize(int maxX, int maxY)
{
    return QSize((kBoardTwipsWide / (maxX + 2)) / kTwipsPerPixel, (kBoardTwipsHigh / (maxY + 2)) / kTwipsPerPixel);
}

QSize TileSize(int maxX, int maxY)
{
    const QSize cell = CellSize(maxX, maxY);
    const int gap = GapFor(cell);
    return QSize(cell.width() - gap, cell.height() - gap);
}

void WriteProgramFolder(const QDir& dataDir, const QDir& previewDir)
{
    const std::vector<Level>& levels = Catalogue();
    CheckCatalogue(levels);
    // Every level is painted and checked before anything is written, so a
    // refused level leaves the folder as it was.
    std::vector<LevelArt> art;
    QStringList clashes;
    for (const Level& level : levels) {
        art.push_back(PaintLevel(level));
        clashes << Clashes(level, art.back());
    }
    if (!clashes.isEmpty()) {
        throw std::runtime_error("refused, tiles a player could confuse:\n  "
                                 + clashes.join(QStringLiteral("\n  ")).toStdString());
    }

    QStringList ini{QStringLiteral("[GameMenu]"), QStringLiteral("Menu=%1").arg(levels.size())};
    for (size_t i = 0; i < levels.size(); ++i) {
        const int n = int(i) + 1;
        ini << QStringLiteral("MenuName%1=%2").arg(n).arg(levels[i].name)
            << QStringLiteral("MenuPath%1=\\levels\\%2\\").arg(n).arg(levels[i].folder);
    }
    ini << QStringLiteral("[UserSet]") << QStringLiteral("MediaON=True") << QStringLiteral("SoundON=True")
        << QStringLiteral("UserGK=1") << QStringLiteral("UserJF=0");
    WriteLines(dataDir.filePath(QStringLiteral("DAZGame.ini")), ini, "\r\n");

    RecreateDir(QDir(dataDir.filePath(QStringLiteral("levels"))));
    for (size_t i = 0; i < levels.size(); ++i) {
        const QDir folder(dataDir.filePath(QStringLiteral("levels/") + levels[i].folder));
        WriteLevel(levels[i], art[i], folder);
        SavePng(PreviewBoard(levels[i], int(i) + 1, folder),
                previewDir.filePath(QStringLiteral("board-%1.png").arg(levels[i].folder)));
    }

    // Levels made with the level editor go here; the editor does not create it.
    const QDir gameg(dataDir.filePath(QStringLiteral("gameg")));
    MakeDir(gameg);
    WriteLines(gameg.filePath(QStringLiteral(".keep")), {}, "\n");

    const QDir particles(dataDir.filePath(QStringLiteral("Particle")));
    RecreateDir(particles);
    WriteParticles(particles);

    WriteHelp(dataDir.filePath(QStringLiteral("dazRedme.txt")));
    WriteCredits(dataDir.filePath(QStringLiteral("CREDITS")));
}

} // namespace daz::datagen
