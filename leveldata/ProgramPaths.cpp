#include "ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace daz {

QString NativePath(const QString& programFolder, const QString& stored)
{
    QString relative = stored;
    relative.replace(u'\\', u'/');
    if (!relative.startsWith(u'/')) {
        relative.prepend(u'/');
    }
    return programFolder + relative;
}

QString ResolveExisting(const QString& nativePath)
{
    if (nativePath.isEmpty() || QFileInfo::exists(nativePath)) {
        return nativePath;
    }

    const bool absolute = nativePath.startsWith(u'/');
    const bool folder = nativePath.endsWith(u'/');
    const QStringList parts = nativePath.split(u'/', Qt::SkipEmptyParts);

    QString resolved = absolute ? QStringLiteral("/") : QString();
    bool matching = true;
    for (const QString& part : parts) {
        QString name = part;
        const QString candidate = resolved + part;
        if (matching && !QFileInfo::exists(candidate)) {
            const QDir parent(resolved.isEmpty() ? QStringLiteral(".") : resolved);
            const QStringList entries = parent.entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
            matching = false;
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    name = entry;
                    matching = true;
                    break;
                }
            }
        }
        resolved += name + u'/';
    }
    if (!folder && !parts.isEmpty()) {
        resolved.chop(1);
    }
    return resolved;
}

bool FileExists(const QString& nativePath)
{
    // isFile() holds for regular files (also through a link) only: not for
    // folders, pipes, sockets or devices.
    return QFileInfo(ResolveExisting(nativePath)).isFile();
}

} // namespace daz
