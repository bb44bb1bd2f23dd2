#pragma once

#include <optional>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "platform/MessageBoxes.h"

namespace daz {

// The entry fields of the level editor and the level modifier, as far as a
// refused entry sends the caret to one of them.
enum class ToolField {
    None,         // the caret stays where it is
    LevelName,    // editor: txtGName
    SourceFolder, // editor: txtGPath
    PhotoSum,     // editor: txtGPhotoSum
    MaxX,         // txtGMaxX / txtMaxX
    MaxY,         // txtGMaxY / txtMaxY
    Background,   // modifier: txtGGameBack
    Music,        // modifier: txtGMedia
    Maker,        // editor: txtQM
    LevelList,    // modifier: cobGKName
};

// An entry the tools refuse: the text of the "提示" box, and where the caret
// goes afterwards; with select the field's whole text is selected too.
struct Refusal {
    QString message;
    ToolField caret = ToolField::None;
    bool select = false;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// The numbers typed into the tools are read as numbers in any notation the
// settings files accept (blanks around them, a sign, a fraction: " 12 ",
// "10.5"). A count is whole when it has no fractional part and is not
// negative, and even when half of it is whole.
std::optional<double> FieldNumber(QStringView text);
bool IsWhole(double number);
bool IsEven(double number);

// The board size checks shared by the editor and the modifier: for the
// columns, then the rows, a refusal when the field is empty, is no number,
// or is not a whole number from 1 to 19. Evenness is checked by the caller,
// which places the caret differently.
std::optional<Refusal> CheckBoardSize(const QString& maxX, const QString& maxY);

inline constexpr int kLargestBoardSide = 19;

// The message when neither the columns nor the rows are even.
QString OddBoardMessage();

// What a level name must not hold: it names a folder inside the levels
// folder and is written into the catalogue, whose scanning takes "[" and
// "]" for a section, "=" for the end of a key and a line break for a new
// entry; no control character (U+0000 … U+001F, U+007F) belongs in either.
// Empty text when the name is fine, otherwise the refusal message.
QString LevelNameProblem(const QString& name);

// The maker's name is written into the catalogue line of the level; a
// bracket or a control character (a line break among them) in it would
// break the catalogue's scanning.
QString MakerNameProblem(const QString& maker);

// The file dialogs' filters: a description and its patterns.
struct FileFilter {
    QString description;
    QStringList patterns;
};
FileFilter PictureFilter(); // 图片文件: *.bmp *.jpg *.gif *.jpeg
FileFilter MusicFilter();   // 媒体文件: *.mp3 *.mid *.midi *.wav *.ogg

// The boxes of the tools: a refusal or a success note ("提示", information
// icon), and a failure while writing ("错误", critical icon).
// Why a write is refused: the link on its way leads out of the player's
// folder. Shown in a "提示" box.
QString LinkLeadingOutMessage(const QString& link);

// The six particle effects, in the order of their numbers 0 … 5.
QStringList ParticleEffectNames();

} // namespace daz
