// The kept round's file in the player's folder: kept at quit, taken at the
// next start, set aside when damaged.
#include "KeptRound.h"

#include <cerrno>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "leveldata/ConfinedFiles.h"
#include "leveldata/FileReplace.h"
#include "leveldata/LevelFiles.h"
#include "leveldata/ProgramPaths.h"

namespace daz {

QString KeptRoundPath(const DataFolders& folders)
{
    return NativePath(folders.Player(), kKeptRoundFile);
}

void ForgetKeptRound(const DataFolders& folders)
{
    FileError error;
    const FileHandle folder = OpenFolderBelow(folders.Player(), folders.Player(), error);
    if (folder) {
        ::unlinkat(folder.Get(), QFile::encodeName(kKeptRoundFile).constData(), 0);
    }
}

namespace {

KeptRoundTaken Refuse(const DataFolders& folders, const KeptRoundProblem& problem, const QDateTime& now)
{
    const QString path = KeptRoundPath(folders);
    return {std::nullopt, 0, {}, KeptRoundRefusal{path, PutAside(folders.Player(), path, now), problem}};
}

} // namespace

FileError WriteKeptRound(const DataFolders& folders, const KeptRound& kept)
{
    return ReplaceFileContent(folders.Player(), KeptRoundPath(folders), SerializeKeptRound(kept));
}

KeptRoundTaken TakeKeptRound(const DataFolders& folders, int mode, const Level& level, std::int64_t settingsScore,
                             const QDateTime& now)
{
    const QString path = KeptRoundPath(folders);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return {};
    }
    if (info.isSymLink()) {
        return Refuse(folders, {KeptRoundProblemKind::Link}, now);
    }
    KeptRoundProblem unreadable(KeptRoundProblemKind::Unreadable);
    const auto bytes = ReadFileBelow(folders.Player(), path, kKeptRoundBudget, unreadable.file);
    if (!bytes) {
        return Refuse(folders, unreadable, now);
    }
    KeptRoundProblem problem;
    const auto kept = ParseKeptRound(*bytes, problem);
    if (!kept) {
        return Refuse(folders, problem, now);
    }
    // Kept in another mode, at another level, beside other settings, or the
    // level changed since: this start deals anew.
    if (kept->mode != mode || kept->level != level.folder || kept->settingsScore != settingsScore
        || kept->levelDigest != LevelDigest(folders, level.folder, level.settings)) {
        ForgetKeptRound(folders);
        return {};
    }
    problem = CheckKeptRoundFits(*kept, level.settings);
    if (problem) {
        return Refuse(folders, problem, now);
    }
    ForgetKeptRound(folders);
    return {kept->state, kept->score, kept->levelDigest, {}};
}

} // namespace daz
