#include "Level.h"

#include <algorithm>

#include <QFile>
#include <QImageReader>

#include "engine/Board.h"
#include "game/CellGeometry.h"
#include "leveldata/ConfinedFiles.h"
#include "leveldata/ProgramPaths.h"

namespace daz {
namespace {

// The largest picture that may be decoded; a picture's size is read from
// its header first, so a small file that unpacks into a huge picture is
// refused before it costs any memory.
struct PictureBudget {
    int width = 0;
    int height = 0;
    qint64 pixels = 0; // width × height when none is given

    bool Allows(QSize size) const
    {
        if (pixels > 0) {
            return qint64(size.width()) * size.height() <= pixels;
        }
        return size.width() <= width && size.height() <= height;
    }
    // The decoder's own limit, in whole megabytes of 32-bit pixels, for
    // formats whose header the size could not be read from.
    int AllocationLimit() const
    {
        const qint64 bytes = 4 * (pixels > 0 ? pixels : qint64(width) * height);
        return static_cast<int>(std::clamp<qint64>((bytes >> 20) + 1, 1, 1024));
    }
};

// Tiles and masks are shown at their own size at the corner of a cell; one
// more than four times the cell's size in either direction is no tile.
PictureBudget TileBudget(int maxX, int maxY)
{
    const CellGeometry cell = CellGeometry::For(kBoardAreaWidth, kBoardAreaHeight, maxX, maxY);
    return {4 * cell.boxW / kTwipsPerPixel, 4 * cell.boxH / kTwipsPerPixel};
}

// Decorations (the background, stretched over the board, and the particle
// sprite) are allowed as many pixels as a large photograph has.
constexpr PictureBudget kDecorationBudget{0, 0, 4096 * 4096};

// Decodes a picture; a null image when it is missing, too large for its
// budget or cannot be decoded, with the reason in problem.
QImage LoadPicture(const DataFolders& folders, const QString& path, const QString& name, const PictureBudget& budget,
                   LevelProblem& problem)
{
    if (!FileExists(path)) {
        problem = {LevelProblemKind::PictureMissing, name};
        return {};
    }
    // Read from what was opened below its folder: the decoder never sees
    // a path that could have changed in between.
    FileError reason;
    FileHandle handle = OpenFileBelow(folders.RootOf(path), path, kPictureFileBudget, reason);
    QFile file;
    if (!handle || !file.open(handle.Get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        problem = {LevelProblemKind::PictureUnreadable, name, reason};
        return {};
    }
    handle.Release();
    QImageReader reader(&file);
    if (const QSize size = reader.size(); size.isValid() && !budget.Allows(size)) {
        problem = {LevelProblemKind::PictureTooLarge, name, {}, size.width(), size.height()};
        return {};
    }
    // The limit is the process's, not the reader's: it is put back at once,
    // or every picture read later would be held to this one's budget.
    const int usualLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(budget.AllocationLimit());
    QImage image = reader.read();
    QImageReader::setAllocationLimit(usualLimit);
    if (image.isNull()) {
        problem = {LevelProblemKind::PictureUnreadable, name, FileError::OfText(reader.errorString())};
    } else if (!budget.Allows(image.size())) {
        problem = {LevelProblemKind::PictureTooLarge, name, {}, image.width(), image.height()};
        return {};
    }
    return image;
}

} // namespace

const QImage& LevelPictures::Tile(int code) const
{
    static const QImage kNone;
    if (code < 1 || static_cast<std::size_t>(code) >= tiles.size()) {
        return kNone;
    }
    return tiles[static_cast<std::size_t>(code)];
}

LevelReading ReadLevel(IniAccess& ini, const DataFolders& folders, const QString& folder)
{
    if (!DataFolders::StaysInside(folder)) {
        return {std::nullopt, {LevelProblemKind::FolderOutside, folder}};
    }
    const QString setme = folders.Find(folder + kLevelSettingsFile);
    if (!FileExists(setme)) {
        return {std::nullopt, {LevelProblemKind::SettingsMissing}};
    }
    IniReader setmeFile(ini, setme);
    if (!setmeFile.Readable()) {
        return {std::nullopt, {LevelProblemKind::SettingsUnreadable, {}, setmeFile.Error()}};
    }
    const auto settings = ParseLevelSettings(ReadLevelSettings(setmeFile));
    if (!settings) {
        return {std::nullopt, {LevelProblemKind::SettingsInvalid}};
    }
    if (!Board::IsValidSize(settings->maxX, settings->maxY)) {
        return {std::nullopt, {LevelProblemKind::BoardSizeUnusable, {}, {}, settings->maxX, settings->maxY}};
    }
    if (!settings->mediaName.isEmpty() && !DataFolders::StaysInside(kMediaFolder + settings->mediaName)) {
        return {std::nullopt, {LevelProblemKind::MusicOutside, settings->mediaName}};
    }
    if (settings->photoSum < 1) {
        return {std::nullopt, {LevelProblemKind::PictureCountInvalid, {}, {}, settings->photoSum}};
    }

    Level level;
    level.folder = folder;
    level.settings = *settings;
    level.names = ReadPictureNames(folders, folder);
    LevelPictures& pictures = level.pictures;
    LevelProblem problem;

    // The deal uses pictures 1, 2, … in turn, one per pair, so a level with
    // more pictures than pairs never shows the rest.
    const int pairs = settings->maxX * settings->maxY / 2;
    const int used = std::min<int>(settings->photoSum, pairs);
    const PictureBudget tileBudget = TileBudget(settings->maxX, settings->maxY);
    const auto tilePicture = [&](const QString& name) {
        return LoadPicture(folders, folders.Find(folder + name), name, tileBudget, problem);
    };
    pictures.tiles.resize(static_cast<std::size_t>(used) + 1);
    for (int k = 1; k <= used && problem.kind == LevelProblemKind::None; ++k) {
        pictures.tiles[static_cast<std::size_t>(k)] = tilePicture(QStringLiteral("%1.gif").arg(k));
    }
    if (problem.kind == LevelProblemKind::None) {
        pictures.mb1 = tilePicture(QStringLiteral("mb1.gif"));
    }
    if (problem.kind == LevelProblemKind::None) {
        pictures.mb2 = tilePicture(QStringLiteral("mb2.gif"));
    }
    if (problem.kind != LevelProblemKind::None) {
        return {std::nullopt, problem};
    }

    // Decoration: a background or particle picture that is missing, too
    // large or cannot be read leaves the plain colour, or no particles.
    LevelProblem ignored;
    pictures.background = LoadPicture(folders, folders.Find(folder + QStringLiteral("gameback.jpg")), {},
                                      kDecorationBudget, ignored);
    if (settings->particle != 0) {
        const QString sprite = folders.Find(QStringLiteral("\\Particle\\Particle_%1.gif").arg(settings->particle));
        pictures.particle = LoadPicture(folders, sprite, {}, kDecorationBudget, ignored);
    }
    return {std::move(level), {}};
}

} // namespace daz
