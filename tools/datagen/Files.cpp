#include "Files.h"

#include <QFile>

#include <stdexcept>

namespace daz::datagen {

void WriteLines(const QString& path, const QStringList& lines, const char* eol)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += eol;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void RecreateDir(const QDir& dir)
{
    QDir copy(dir);
    if (copy.exists() && !copy.removeRecursively()) {
        throw std::runtime_error("cannot empty " + dir.path().toStdString());
    }
    MakeDir(dir);
}

void MakeDir(const QDir& dir)
{
    if (!QDir().mkpath(dir.path())) {
        throw std::runtime_error("cannot create " + dir.path().toStdString());
    }
}

} // namespace daz::datagen
