#include "DataFolders.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "ProgramPaths.h"

namespace daz {
namespace {

// Whether path, once its links are followed, still lies in folder.
bool LiesIn(const QString& path, const QString& folder)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true; // nothing there yet: the name alone decides, and it was checked
    const QString real = info.canonicalFilePath();
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (real.isEmpty() || root.isEmpty())
        return false; // a dangling link, or a folder that went away
    return real == root || real.startsWith(root + u'/');
}

} // namespace

DataFolders::DataFolders(QString programFolder) : shipped_(programFolder), player_(std::move(programFolder)) {}

DataFolders::DataFolders(QString shipped, QString player) : shipped_(std::move(shipped)), player_(std::move(player))
{
}

bool DataFolders::StaysInside(const QString& stored)
{
    // An absolute path of this system, a network path, a home folder.
    if (stored.startsWith(u'/') || stored.startsWith(QStringLiteral("\\\\")) || stored.startsWith(u'~'))
        return false;
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    for (const QString& part : stored.split(separators, Qt::SkipEmptyParts)) {
        if (part == QStringLiteral(".."))
            return false;
        // A drive letter, or a colon anywhere, names another place on the
        // systems the levels were first made on.
        if (part.contains(u':'))
            return false;
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
    if (!StaysInside(stored))
        return {};
    const QString players = InFolder(player_, stored);
    if (IsSingle() || (!players.isEmpty() && QFileInfo::exists(players)))
        return players;
    const QString shipped = InFolder(shipped_, stored);
    if (!shipped.isEmpty() && QFileInfo::exists(shipped))
        return shipped;
    return players;
}

bool DataFolders::HasFile(const QString& stored) const
{
    const QString path = Find(stored);
    return !path.isEmpty() && FileExists(path);
}

QString DataFolders::ForWriting(const QString& stored) const
{
    if (!StaysInside(stored))
        return {};
    return InFolder(player_, stored);
}

bool DataFolders::IsPlayers(const QString& path) const
{
    return path == player_ || path.startsWith(player_ + u'/');
}

} // namespace daz
