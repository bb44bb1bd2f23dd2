#include "RecordsFiles.h"

#include <iterator>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include "FileError.h"
#include "LevelFiles.h"

namespace daz::records {

const QStringList kCompanions{QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};

bool IsNoPlainFile(const QString& path)
{
    struct stat there {};
    if (::lstat(QFile::encodeName(path).constData(), &there) != 0) {
        return false;
    }
    // A second name of the file would let its writes reach another place.
    return !S_ISREG(there.st_mode) || there.st_nlink > 1;
}

std::optional<QString> PutDatabaseAside(const QString& file, const QDateTime& now)
{
    const auto aside = PutAside(QFileInfo(file).absolutePath(), file, now);
    if (!aside) {
        return std::nullopt;
    }
    for (const QString& companion : kCompanions) {
        if (QFileInfo(file + companion).isSymLink() || QFileInfo::exists(file + companion)) {
            QFile::rename(file + companion, *aside + companion);
        }
    }
    return aside;
}

std::optional<RecordsNote> TryWrite(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        return RecordsNote{RecordsNoteKind::FolderNotMade, folder};
    }
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    if (!probe.open() || probe.write("x", 1) != 1 || !probe.flush()) {
        return RecordsNote{RecordsNoteKind::FolderNotWritable, folder, {}, FileError::OfDevice(probe)};
    }
    return std::nullopt;
}

RecordsNote PassingNote(int code, const QString& file)
{
    // SQLite's codes of the conditions that pass.
    constexpr int kBusy = 5;
    constexpr int kLocked = 6;
    constexpr int kReadOnly = 8;
    constexpr int kFull = 13;
    if (code == kBusy || code == kLocked) {
        return {RecordsNoteKind::Busy, file};
    }
    if (code == kReadOnly) {
        return {RecordsNoteKind::ReadOnly, file};
    }
    if (code == kFull) {
        return {RecordsNoteKind::DiskFull, file};
    }
    return {RecordsNoteKind::Unavailable, file};
}

void Add(RecordsNotes& notes, RecordsNotes more)
{
    notes.insert(notes.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

bool SetLinksAside(const QString& file, const QDateTime& now, RecordsNotes& told)
{
    for (const QString& path : QStringList{file, file + kCompanions[0], file + kCompanions[1], file + kCompanions[2]}) {
        if (!IsNoPlainFile(path)) {
            continue;
        }
        const auto aside = PutAside(QFileInfo(file).absolutePath(), path, now);
        if (!aside) {
            told.push_back({RecordsNoteKind::LinkStays, path});
            told.push_back({RecordsNoteKind::NotKept});
            return false;
        }
        told.push_back({RecordsNoteKind::LinkSetAside, path, *aside});
    }
    return true;
}

} // namespace daz::records
