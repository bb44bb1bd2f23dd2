#include "PictureNames.h"

#include <algorithm>

#include "leveldata/ConfinedFiles.h"
#include "leveldata/DataFolders.h"
#include "leveldata/FileReplace.h"
#include "leveldata/LevelFiles.h"
#include "leveldata/Preferences.h"
#include "leveldata/ProgramPaths.h"

namespace daz {
namespace {

// No level has this many pictures (the editor takes two digits); a larger
// number is a typing slip or a hostile file, never a list to allocate.
constexpr int kMostPictures = 999;

// A name is a few words; a file of a thousand of them is still small.
constexpr qint64 kNamesBudget = 256 * 1024;

const QString kChinese = QStringLiteral("zh");

} // namespace

QString PictureNames::Of(const QString& language, int picture) const
{
    const auto named = [&](const QString& section) { return byLanguage.value(section).value(picture - 1); };
    if (QString name = named(language); !name.isEmpty()) {
        return name;
    }
    if (QString name = named(kChinese); !name.isEmpty()) {
        return name;
    }
    for (const QStringList& names : byLanguage) {
        if (QString name = names.value(picture - 1); !name.isEmpty()) {
            return name;
        }
    }
    return {};
}

QByteArray SerializePictureNames(const PictureNames& names)
{
    QByteArray content;
    for (auto it = names.byLanguage.cbegin(); it != names.byLanguage.cend(); ++it) {
        content += '[' + it.key().toUtf8() + "]\n";
        for (qsizetype k = 0; k < it.value().size(); ++k) {
            // A name is one line: a line break in it would start another.
            const QString name = it.value()[k].simplified();
            if (!name.isEmpty()) {
                content += QByteArray::number(k + 1) + '=' + name.toUtf8() + '\n';
            }
        }
    }
    return content;
}

PictureNames ParsePictureNames(const QByteArray& content)
{
    PictureNames names;
    QStringList* section = nullptr;
    // Notepad starts a UTF-8 file with a byte order mark.
    const QByteArray text = content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            const QByteArray code = line.mid(1, line.size() - 2).trimmed();
            section = IsLanguageCode(code) ? &names.byLanguage[QString::fromLatin1(code)] : nullptr;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (section == nullptr || equals < 0) {
            continue;
        }
        bool isNumber = false;
        const int picture = line.left(equals).trimmed().toInt(&isNumber);
        const QString name = QString::fromUtf8(line.mid(equals + 1)).simplified();
        if (!isNumber || picture < 1 || picture > kMostPictures || name.isEmpty()) {
            continue;
        }
        while (section->size() < picture) {
            section->append(QString());
        }
        (*section)[picture - 1] = name;
    }
    // A section that named nothing says nothing.
    names.byLanguage.removeIf([](const auto& section) {
        return std::all_of(section.value().cbegin(), section.value().cend(),
                           [](const QString& name) { return name.isEmpty(); });
    });
    return names;
}

PictureNames ReadPictureNames(const DataFolders& folders, const QString& levelFolder)
{
    const QString path = folders.Find(levelFolder + kPictureNamesFile);
    if (path.isEmpty() || !FileExists(path)) {
        return {};
    }
    FileError error;
    const auto bytes = ReadFileBelow(folders.RootOf(path), path, kNamesBudget, error);
    return bytes ? ParsePictureNames(*bytes) : PictureNames{};
}

FileError WritePictureNames(const QString& root, const QString& levelFolder, const PictureNames& names)
{
    return ReplaceFileContent(root, InFolder(levelFolder, kPictureNamesFile), SerializePictureNames(names));
}

} // namespace daz
