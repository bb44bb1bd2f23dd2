#include "RecordsFiles.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include "ErrorTexts.h"
#include "LevelFiles.h"

namespace daz::records {

const QStringList kCompanions{QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool IsNoPlainFile(const QString& path)
{
    struct stat there {};
    if (::lstat(QFile::encodeName(path).constData(), &there) != 0)
        return false;
    // A second name of the file would let its writes reach another place.
    return !S_ISREG(there.st_mode) || there.st_nlink > 1;
}

std::optional<QString> PutDatabaseAside(const QString& file, const QDateTime& now)
{
    const auto aside = PutAside(QFileInfo(file).absolutePath(), file, now);
    if (!aside)
        return std::nullopt;
    for (const QString& companion : kCompanions) {
        if (QFileInfo(file + companion).isSymLink() || QFileInfo::exists(file + companion))
            QFile::rename(file + companion, *aside + companion);
    }
    return aside;
}

QString TryWrite(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return QStringLiteral("无法创建存档文件夹“%1”。").arg(Shown(folder));
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    if (!probe.open() || probe.write("x", 1) != 1 || !probe.flush())
        return QStringLiteral("无法在存档文件夹“%1”中写入：%2。").arg(Shown(folder), FileErrorText(probe));
    return {};
}

const QString kNotKept = QStringLiteral("\n游戏可以照常进行，但这次的成绩不会保存。");

QString PassingText(int code, const QString& file)
{
    // SQLite's codes of the conditions that pass.
    constexpr int kBusy = 5;
    constexpr int kLocked = 6;
    constexpr int kReadOnly = 8;
    constexpr int kFull = 13;
    const QString later = QStringLiteral("\n游戏可以照常进行，这次的成绩先记在内存中，等它能写入时再保存。");
    const QString shown = Shown(file);
    if (code == kBusy || code == kLocked)
        return QStringLiteral("你的成绩记录“%1”正被另一个程序使用，暂时无法写入。").arg(shown) + later;
    if (code == kReadOnly)
        return QStringLiteral("你的成绩记录“%1”是只读的，无法写入。").arg(shown) + later;
    if (code == kFull)
        return QStringLiteral("磁盘已满，你的成绩记录“%1”暂时无法写入。").arg(shown) + later;
    return QStringLiteral("你的成绩记录“%1”暂时无法读写。").arg(shown) + later;
}

bool SetLinksAside(const QString& file, const QDateTime& now, QString& told)
{
    for (const QString& path : QStringList{file, file + kCompanions[0], file + kCompanions[1], file + kCompanions[2]}) {
        if (!IsNoPlainFile(path))
            continue;
        const auto aside = PutAside(QFileInfo(file).absolutePath(), path, now);
        if (!aside) {
            told += QStringLiteral("你的成绩记录“%1”不是普通文件，也无法改名保存。").arg(Shown(path)) + kNotKept;
            return false;
        }
        told += QStringLiteral("你的成绩记录“%1”不是普通文件（例如是一个符号链接或硬链接），游戏不经由链接读写文件，"
                               "已改名为“%2”。\n")
                    .arg(Shown(path), Shown(*aside));
    }
    return true;
}

} // namespace daz::records
