#include "PlayerFolder.h"

#include <filesystem>
#include <set>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "leveldata/Conversions.h"
#include "leveldata/ErrorTexts.h"
#include "leveldata/Formats.h"
#include "leveldata/LevelFiles.h"
#include "leveldata/ProgramPaths.h"

namespace daz {
namespace {

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString NoSavingText(const QString& what)
{
    return what + QStringLiteral("\n游戏可以照常进行，但这次的进度和设置不会保存。");
}

// Makes the folder and the folders the level tools write into. Empty text
// when they are there, else why not.
QString MakeFolders(const QString& player)
{
    for (const QString& folder : {player, player + QStringLiteral("/gameg"), player + QStringLiteral("/media")}) {
        std::error_code error;
        std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
        if (error)
            return QStringLiteral("无法创建存档文件夹“%1”：%2。").arg(Shown(folder), SystemErrorText(error.value()));
    }
    return {};
}

// Tries a write in the folder, so that a full disk or a read-only folder
// shows now and not when the first save fails.
QString TryWrite(const QString& player)
{
    QTemporaryFile probe(player + QStringLiteral("/.write-test-XXXXXX"));
    if (!probe.open())
        return QStringLiteral("无法在存档文件夹“%1”中写入：%2。").arg(Shown(player), FileErrorText(probe));
    const QByteArray block(4096, '\0');
    if (probe.write(block) != block.size() || !probe.flush())
        return QStringLiteral("无法在存档文件夹“%1”中写入：%2。").arg(Shown(player), FileErrorText(probe));
    return {};
}

// A MenuPath in one spelling for comparing: the letter case and the kind
// of separator do not matter, nor a missing last separator.
QString PathKey(QString path)
{
    path.replace(u'/', u'\\');
    if (!path.startsWith(u'\\'))
        path.prepend(u'\\');
    if (!path.endsWith(u'\\'))
        path.append(u'\\');
    return path.toCaseFolded();
}

struct QuietEntry {
    QString name;
    QString path;
};

// The catalogue's entries 1 … Menu read without a word to the player;
// nothing when the file cannot be read or has no Menu. Missing entries
// are left out.
std::optional<std::vector<QuietEntry>> QuietCatalogue(IniAccess& ini, const QString& file)
{
    const auto menu = ini.LookUpIniKey(file, kCatalogueSection, QStringLiteral("Menu"));
    const auto count = menu ? ToInt16(*menu) : std::nullopt;
    if (!count || *count < 0)
        return std::nullopt;
    std::vector<QuietEntry> entries;
    for (int i = 1; i <= *count; ++i) {
        const auto name = ini.LookUpIniKey(file, kCatalogueSection, QStringLiteral("MenuName%1").arg(i));
        const auto path = ini.LookUpIniKey(file, kCatalogueSection, QStringLiteral("MenuPath%1").arg(i));
        if (name && path)
            entries.push_back({*name, *path});
    }
    return entries;
}

// Adds the shipped levels the player's catalogue does not list yet.
QString AddNewShippedLevels(IniAccess& ini, const QString& players, const QString& shipped, int playersCount,
                            const std::vector<QuietEntry>& playersEntries)
{
    const auto shippedEntries = QuietCatalogue(ini, shipped);
    if (!shippedEntries)
        return {};
    std::set<QString> known;
    for (const QuietEntry& entry : playersEntries)
        known.insert(PathKey(entry.path));

    QStringList lines;
    int count = playersCount;
    for (const QuietEntry& entry : *shippedEntries) {
        if (!known.insert(PathKey(entry.path)).second)
            continue;
        ++count;
        lines << QStringLiteral("MenuName%1=%2").arg(count).arg(entry.name)
              << QStringLiteral("MenuPath%1=%2").arg(count).arg(entry.path);
    }
    if (lines.isEmpty())
        return {};
    const IniWriteResult result =
        ini.AppendIniLinesThenWriteKey(players, lines, kCatalogueSection, QStringLiteral("Menu"), QString::number(count));
    if (!result.ok)
        return QStringLiteral("新的关卡未能加入你的关卡目录：%1").arg(result.error);
    return {};
}

// Puts a damaged file aside under a name that says when.
std::optional<QString> PutAside(const QString& file, const QDateTime& now)
{
    const QString base = file + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = base + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(file, aside))
        return std::nullopt;
    return aside;
}

} // namespace

PlayerFolderStatus PreparePlayerFolder(IniAccess& ini, const QDateTime& now)
{
    const DataFolders& folders = ini.Folders();
    if (folders.IsSingle())
        return {};

    const QString player = folders.Player();
    QString problem = MakeFolders(player);
    if (problem.isEmpty())
        problem = TryWrite(player);
    if (!problem.isEmpty())
        return {false, NoSavingText(problem)};

    const QString players = folders.ForWriting(kGameIniFile);
    const QString shipped = NativePath(folders.Shipped(), kGameIniFile);
    const bool haveShipped = FileExists(shipped);
    QString message;

    if (QFileInfo::exists(players) || QFileInfo(players).isSymLink()) {
        const auto menu = ini.LookUpIniKey(players, kCatalogueSection, QStringLiteral("Menu"));
        const auto count = menu ? ToInt16(*menu) : std::nullopt;
        const auto entries = count && *count >= 0 ? QuietCatalogue(ini, players) : std::nullopt;
        if (entries) {
            if (haveShipped)
                message = AddNewShippedLevels(ini, players, shipped, *count, *entries);
            return {true, message};
        }
        // Unreadable, or no catalogue in it: kept aside, never overwritten.
        const auto aside = PutAside(players, now);
        if (!aside)
            return {false, NoSavingText(QStringLiteral("你的游戏设置文件“%1”无法读取或已损坏，也无法改名保存。")
                                            .arg(Shown(players)))};
        message = QStringLiteral("你的游戏设置文件 DAZGame.ini 无法读取或已损坏，已改名保存为“%1”。\n"
                                 "现在使用游戏自带的关卡目录，关卡和积分从头开始。")
                      .arg(Shown(*aside));
    }

    if (!haveShipped)
        return {true, message}; // the catalogue's absence is told when it is read
    if (const QString error = CopyFileReplacing(shipped, players); !error.isEmpty())
        return {false, NoSavingText(error)};
    return {true, message};
}

} // namespace daz
