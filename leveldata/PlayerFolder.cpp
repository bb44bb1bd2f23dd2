#include "PlayerFolder.h"

#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "Conversions.h"
#include "FileReplace.h"
#include "Formats.h"
#include "LevelFiles.h"
#include "ProgramPaths.h"

namespace daz {
namespace {

// What keeps progress from being saved.
PlayerFolderStatus NoSaving(PlayerFolderNote note, const QString& path, const FileError& reason = {})
{
    return {false, note, path, reason};
}

// Makes the player's folder. Nothing when it is there, else why not.
// The folders inside it are made when something is first written there.
std::optional<PlayerFolderStatus> MakeFolder(const QString& player)
{
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(player).toStdString(), error);
    if (error) {
        return NoSaving(PlayerFolderNote::FolderNotMade, player, FileError::OfSystem(error.value()));
    }
    return std::nullopt;
}

// Tries a write in the folder, so that a full disk or a read-only folder
// shows now and not when the first save fails.
std::optional<PlayerFolderStatus> TryWrite(const QString& player)
{
    QTemporaryFile probe(player + QStringLiteral("/.write-test-XXXXXX"));
    const QByteArray block(4096, '\0');
    if (!probe.open() || probe.write(block) != block.size() || !probe.flush()) {
        return NoSaving(PlayerFolderNote::FolderNotWritable, player, FileError::OfDevice(probe));
    }
    return std::nullopt;
}

// A MenuPath in one spelling for comparing: the letter case and the kind
// of separator do not matter, nor a missing last separator.
QString PathKey(QString path)
{
    path.replace(u'/', u'\\');
    if (!path.startsWith(u'\\')) {
        path.prepend(u'\\');
    }
    if (!path.endsWith(u'\\')) {
        path.append(u'\\');
    }
    return path.toCaseFolded();
}

struct QuietEntry {
    QString name;
    QString path;
};

// A catalogue as the merge sees it, read once and without a word to the
// player. Only the numbers the level menu can hold are looked at, however
// large a Menu the file claims.
struct QuietCatalogue {
    int highest = 0;                 // the highest number with a MenuName or MenuPath
    std::vector<QuietEntry> entries; // the numbers with both keys
};

std::optional<QuietCatalogue> ReadQuietly(IniAccess& ini, const QString& file)
{
    const IniReader reader(ini, file);
    const auto menu = reader.LookUp(kCatalogueSection, QStringLiteral("Menu"));
    if (!menu) {
        return std::nullopt; // unreadable, or no catalogue in it
    }
    QuietCatalogue catalogue;
    for (int i = 1; i <= kMostCatalogueLevels; ++i) {
        const auto name = reader.LookUp(kCatalogueSection, QStringLiteral("MenuName%1").arg(i));
        const auto path = reader.LookUp(kCatalogueSection, QStringLiteral("MenuPath%1").arg(i));
        if (name || path) {
            catalogue.highest = i;
        }
        if (name && path) {
            catalogue.entries.push_back({*name, *path});
        }
    }
    return catalogue;
}

// The file in the player's folder that remembers which shipped levels the
// player was told do not fit into a full level menu, one MenuPath a line.
const QString kToldFile = QStringLiteral("\\levels-not-listed.txt");

// Adds the shipped levels the player's catalogue does not list yet, after
// the highest entry present, and sets Menu to the last one: one write.
// When the menu is full, the levels that do not fit are told once.
PlayerFolderStatus AddNewShippedLevels(IniAccess& ini, const QString& players, const QString& shipped,
                                       const QuietCatalogue& playersCatalogue)
{
    const auto shippedCatalogue = ReadQuietly(ini, shipped);
    if (!shippedCatalogue) {
        return {};
    }
    std::set<QString> known;
    for (const QuietEntry& entry : playersCatalogue.entries) {
        known.insert(PathKey(entry.path));
    }

    QStringList lines;
    QStringList left;
    int count = playersCatalogue.highest;
    for (const QuietEntry& entry : shippedCatalogue->entries) {
        if (!known.insert(PathKey(entry.path)).second) {
            continue;
        }
        if (count >= kMostCatalogueLevels) {
            left << entry.path;
            continue;
        }
        ++count;
        lines << QStringLiteral("MenuName%1=%2").arg(count).arg(entry.name)
              << QStringLiteral("MenuPath%1=%2").arg(count).arg(entry.path);
    }

    PlayerFolderStatus status;
    if (!lines.isEmpty()) {
        // No entry lies beyond the new last one within the menu's room, so
        // Menu names it, whatever the file claimed before.
        const IniWriteResult result = ini.AppendIniLinesThenWriteKey(players, lines, kCatalogueSection,
                                                                     QStringLiteral("Menu"), QString::number(count));
        if (!result.ok) {
            return {true, PlayerFolderNote::LevelsNotAdded, players, result.error};
        }
    }
    if (!left.isEmpty()) {
        const DataFolders& folders = ini.Folders();
        const QString toldFile = folders.ForWriting(kToldFile);
        FileError reason;
        const auto toldBytes = ini.ReadFile(toldFile, reason);
        QStringList told = toldBytes ? QString::fromUtf8(*toldBytes).split(u'\n', Qt::SkipEmptyParts) : QStringList();
        QStringList untold;
        for (const QString& path : left) {
            if (!told.contains(path)) {
                untold << path;
            }
        }
        if (!untold.isEmpty()) {
            told += untold;
            (void)ReplaceFileContent(folders.Player(), toldFile, (told.join(u'\n') + u'\n').toUtf8());
            status = {true, PlayerFolderNote::MenuFull, players, {}, untold};
        }
    }
    return status;
}

} // namespace

PlayerFolderStatus PreparePlayerFolder(IniAccess& ini, const QDateTime& now)
{
    const DataFolders& folders = ini.Folders();
    if (folders.IsSingle()) {
        return {};
    }

    const QString player = folders.Player();
    if (auto problem = MakeFolder(player)) {
        return *problem;
    }
    if (auto problem = TryWrite(player)) {
        return *problem;
    }

    const QString players = ResolveExisting(NativePath(player, kGameIniFile));
    const QString shipped = NativePath(folders.Shipped(), kGameIniFile);
    const bool haveShipped = FileExists(shipped);
    PlayerFolderStatus status;

    // A link in the catalogue's place is neither read nor written through,
    // wherever it points: the game plays the shipped catalogue and keeps
    // nothing, and the link stays as the player made it.
    if (QFileInfo(players).isSymLink()) {
        return NoSaving(PlayerFolderNote::CatalogueLink, players);
    }

    if (QFileInfo::exists(players)) {
        if (const auto catalogue = ReadQuietly(ini, players)) {
            if (haveShipped) {
                status = AddNewShippedLevels(ini, players, shipped, *catalogue);
            }
            return status;
        }
        // Unreadable, or no catalogue in it: kept aside, never overwritten.
        const auto aside = PutAside(player, players, now);
        if (!aside) {
            return NoSaving(PlayerFolderNote::CatalogueDamaged, players);
        }
        status = {true, PlayerFolderNote::CatalogueSetAside, *aside};
    }

    if (!haveShipped) {
        return status; // the catalogue's absence is told when it is read
    }
    if (const FileError error = CopyFileReplacing(folders.Shipped(), shipped, player, players); error.Failed()) {
        return NoSaving(PlayerFolderNote::CopyFailed, players, error);
    }
    return status;
}

} // namespace daz
