#include "DataFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "ConfinedFiles.h"
#include "ProgramPaths.h"

namespace daz {
namespace {

QStringList Components(const QString& stored)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return stored.split(separators, Qt::SkipEmptyParts);
}

bool Within(const QString& real, const QString& root)
{
    return !real.isEmpty() && !root.isEmpty() && (real == root || real.startsWith(root + u'/'));
}

// Whether path, once its links are followed, still lies in folder. A path
// that does not exist yet is judged by its nearest existing folder: a
// file made there lands where that folder really is.
bool LiesIn(const QString& path, const QString& folder)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString top = QDir::cleanPath(folder);
    QString existing = QDir::cleanPath(path);
    for (QFileInfo info(existing); !info.exists() && !info.isSymLink(); info = QFileInfo(existing)) {
        if (existing == top || !IsBelow(top, existing)) {
            return true; // not even the folder is there: nothing can lead out of it
        }
        existing = info.absolutePath();
    }
    // A dangling link, or a folder that went away, gives no real path.
    return Within(QFileInfo(existing).canonicalFilePath(), root);
}

} // namespace

DataFolders::DataFolders(QString programFolder) : shipped_(programFolder), player_(std::move(programFolder)) {}

DataFolders::DataFolders(QString shipped, QString player) : shipped_(std::move(shipped)), player_(std::move(player)) {}

bool DataFolders::StaysInside(const QString& stored)
{
    // An absolute path of this system, a network path, a home folder.
    if (stored.startsWith(u'/') || stored.startsWith(QStringLiteral("\\\\")) || stored.startsWith(u'~')) {
        return false;
    }
    for (const QString& part : Components(stored)) {
        if (part == QStringLiteral("..")) {
            return false;
        }
        // A drive letter, or a colon anywhere, names another place on the
        // systems the levels were first made on.
        if (part.contains(u':')) {
            return false;
        }
    }
    return true;
}

QString DataFolders::InFolder(const QString& folder, const QString& stored) const
{
    const QString path = ResolveExisting(NativePath(folder, stored));
    return LiesIn(path, folder) ? path : QString();
}

QString DataFolders::Find(const QString& stored) const
{
    if (!StaysInside(stored)) {
        return {};
    }
    const QString players = InFolder(player_, stored);
    if (IsSingle() || (!players.isEmpty() && QFileInfo::exists(players))) {
        return players;
    }
    const QString shipped = InFolder(shipped_, stored);
    if (!shipped.isEmpty() && QFileInfo::exists(shipped)) {
        return shipped;
    }
    return players;
}

bool DataFolders::HasFile(const QString& stored) const
{
    const QString path = Find(stored);
    return !path.isEmpty() && FileExists(path);
}

QString DataFolders::ForWriting(const QString& stored) const
{
    if (!StaysInside(stored)) {
        return {};
    }
    return InFolder(player_, stored);
}

QString DataFolders::LinkLeadingOut(const QString& stored) const
{
    if (!StaysInside(stored)) {
        return {};
    }
    const QString root = QFileInfo(player_).canonicalFilePath();
    QString path = player_;
    for (const QString& part : Components(stored)) {
        path = ResolveExisting(path + u'/' + part);
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink()) {
            return {};
        }
        if (info.isSymLink() && !Within(info.canonicalFilePath(), root)) {
            return path;
        }
    }
    return {};
}

bool DataFolders::IsPlayers(const QString& path) const
{
    return IsBelow(player_, path);
}

QString DataFolders::RootOf(const QString& path) const
{
    if (IsBelow(player_, path)) {
        return player_;
    }
    if (IsBelow(shipped_, path)) {
        return shipped_;
    }
    return {};
}

} // namespace daz
