#include "Level.h"

#include <QImageReader>

#include "engine/Board.h"
#include "leveldata/ProgramPaths.h"

namespace daz {
namespace {

// Decodes a picture of the level folder; a null image when it is missing
// or cannot be decoded, with the reason in problem.
QImage LoadPicture(const DataFolders& folders, const QString& folder, const QString& name, QString& problem)
{
    const QString path = folders.Find(folder + name);
    if (!FileExists(path)) {
        problem = QStringLiteral("缺少图片文件 %1").arg(name);
        return {};
    }
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        problem = QStringLiteral("图片文件 %1 无法读取（%2）").arg(name, reader.errorString());
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
        return {std::nullopt, QStringLiteral("关卡文件夹“%1”不在游戏的文件夹之内").arg(folder)};
    }
    const QString setme = folders.Find(folder + kLevelSettingsFile);
    if (!FileExists(setme)) {
        return {std::nullopt, QStringLiteral("找不到关卡设置文件 setme.ini")};
    }
    const auto settings = ParseLevelSettings(ReadLevelSettings(ini, setme));
    if (!settings) {
        return {std::nullopt, QStringLiteral("设置文件 setme.ini 中的数值有误")};
    }
    if (!Board::IsValidSize(settings->maxX, settings->maxY)) {
        return {std::nullopt,
                QStringLiteral("棋盘大小 %1 × %2 无法使用：每边至少 1 格，格子总数须为偶数，横纵相加不超过 99")
                    .arg(settings->maxX)
                    .arg(settings->maxY)};
    }
    if (!settings->mediaName.isEmpty() && !DataFolders::StaysInside(kMediaFolder + settings->mediaName)) {
        return {std::nullopt, QStringLiteral("音乐文件“%1”不在游戏的 media 文件夹之内").arg(settings->mediaName)};
    }
    if (settings->photoSum < 1) {
        return {std::nullopt, QStringLiteral("图片数量 PhotoSum=%1 无效").arg(settings->photoSum)};
    }

    Level level;
    level.folder = folder;
    level.settings = *settings;
    LevelPictures& pictures = level.pictures;
    QString problem;

    // The deal uses pictures 1, 2, … in turn, one per pair, so a level with
    // more pictures than pairs never shows the rest.
    const int pairs = settings->maxX * settings->maxY / 2;
    const int used = std::min<int>(settings->photoSum, pairs);
    pictures.tiles.resize(static_cast<std::size_t>(used) + 1);
    for (int k = 1; k <= used && problem.isEmpty(); ++k) {
        pictures.tiles[static_cast<std::size_t>(k)] = LoadPicture(folders, folder, QStringLiteral("%1.gif").arg(k), problem);
    }
    if (problem.isEmpty()) {
        pictures.mb1 = LoadPicture(folders, folder, QStringLiteral("mb1.gif"), problem);
    }
    if (problem.isEmpty()) {
        pictures.mb2 = LoadPicture(folders, folder, QStringLiteral("mb2.gif"), problem);
    }
    if (!problem.isEmpty()) {
        return {std::nullopt, problem};
    }

    // Decoration: a background or particle picture that cannot be read
    // leaves the plain colour, or no particles.
    QString ignored;
    if (folders.HasFile(folder + QStringLiteral("gameback.jpg"))) {
        pictures.background = LoadPicture(folders, folder, QStringLiteral("gameback.jpg"), ignored);
    }
    if (settings->particle != 0) {
        const QString sprite = folders.Find(QStringLiteral("\\Particle\\Particle_%1.gif").arg(settings->particle));
        if (FileExists(sprite)) {
            pictures.particle = QImage(sprite);
        }
    }
    return {std::move(level), {}};
}

} // namespace daz
