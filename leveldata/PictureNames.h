#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "leveldata/FileError.h"

namespace daz {

class DataFolders;

// What a level's pictures are called, for players who hear the board
// rather than see it. Kept in the level's folder beside setme.ini, in
// "pictures.ini", UTF-8, one section a language:
//
//   [zh]
//   1=鼠
//   2=牛
//   [en]
//   1=Rat
//
// The file is optional, and so is every name in it: the board says
// "图案 N" for a picture nobody named.
struct PictureNames {
    // Each language's names; [k - 1] names picture k, empty when unnamed.
    QMap<QString, QStringList> byLanguage;

    // The name of picture k in the language, else in Chinese, else in any
    // language the file has; empty when no section names it.
    QString Of(const QString& language, int picture) const;
    bool IsEmpty() const { return byLanguage.isEmpty(); }

    bool operator==(const PictureNames&) const = default;
};

inline const QString kPictureNamesFile = QStringLiteral("pictures.ini");

// The file's content and back. Parsing never fails: a line it cannot read
// (no number before "=", a number out of range, a section that is no
// language code) is left out.
QByteArray SerializePictureNames(const PictureNames& names);
PictureNames ParsePictureNames(const QByteArray& content);

// The names of the level in the folder (a stored MenuPath), from the
// player's folder or the shipped one as the level's other files; none when
// the file is missing or cannot be read.
PictureNames ReadPictureNames(const DataFolders& folders, const QString& levelFolder);

// Writes the names into a level folder (a native path below root), whole
// or not at all.
FileError WritePictureNames(const QString& root, const QString& levelFolder, const PictureNames& names);

} // namespace daz
