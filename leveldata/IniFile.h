#pragma once

#include <concepts>
#include <optional>
#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

#include "leveldata/DataFolders.h"
#include "leveldata/FileError.h"

namespace daz {

// Why a key could not be read.
enum class IniReadProblem {
    FileError,  // the file cannot be read, or ends right after the section header's "]"
    KeyMissing, // the file was read and the key is not in it
};

// Decides what follows a key that could not be read. The game's own asks
// the player (presentation/ProblemTexts.h: IniReadBoxes).
class IniReadReporter {
public:
    virtual ~IniReadReporter() = default;
    // True to read the file again and look once more.
    virtual bool ReadAgain(IniReadProblem problem) = 0;
};

struct IniWriteResult {
    bool ok = true;
    FileError error = {}; // when not ok: what went wrong
    // False when no header of the section was found: the file was left as
    // it was and the key not written. This is not an error.
    bool sectionFound = true;
};

// Keys and their values as text, written in this order.
using IniKeys = std::vector<std::pair<QString, QString>>;

// Reads and writes single keys of the program's settings files, DAZGame.ini
// and each level's setme.ini.
//
// These files are scanned with simple rules of their own, which the stored
// files and their layout rely on; they are not the platform's INI parser.
//
// Reading runs through the text character by character. It first looks
// for "[" + section + "]" anywhere in the file and skips the two characters
// after the "]" (the line end of the header). From there it takes the text
// up to each next "=" as a candidate key: the text before the first "=" of
// a line, compared exactly (no blanks trimmed, letter case counts). A line
// without "=" runs into the next line's candidate, so the key right after
// an empty line or a header is never found. The search runs on past later
// section headers, so a key missing from its section is found in a later
// one. The value is the rest of the line, untrimmed, "=" signs included.
//
// Writing copies the file line by line. A line holding "[" and the section
// name is a header; after it, the first line containing the key anywhere
// (as part of a longer key or a value too) is replaced by key=value; when
// no line does, key=value is appended as the last line of the file. Every
// header that matches gets its replacement. When no header matches, the
// file is left alone.
//
// Files may be UTF-8 or GB18030/GBK (see TextEncoding.h); lines end in
// CR LF, and a file with bare LF line ends reads as if they were CR LF.
// Paths are native paths; a file whose name differs only in letter case is
// found (ProgramPaths.h). Nothing is cached between calls: every call (or
// IniReader) reads the file anew. A file larger than its budget
// (ConfinedFiles.h: kCatalogueFileBudget for DAZGame.ini, kTextFileBudget
// for the rest) is not read: it cannot be one of these files.
//
// Every write reads the whole file, makes all its changes in memory and
// replaces the file in one step (FileReplace.h): on any failure, or when
// the program is killed, the file is as before or as after, never a mix.
// Symbolic links, read-only files and anything but regular files are not
// written.
class IniAccess;

// One file read once for looking up several keys: a batch of lookups
// (the catalogue, the user's settings, a level's settings) reads the file
// once, not once per key. Lookups follow IniAccess's rules; Read reports
// as IniAccess::ReadIniKey does, and reads the file anew when told to.
class IniReader {
public:
    IniReader(IniAccess& access, QString file);

    QString Read(const QString& section, const QString& key);
    std::optional<QString> LookUp(const QString& section, const QString& key) const;
    // Whether the file could be read (within its size budget).
    bool Readable() const { return text_.has_value(); }
    // Whether a line of its own, blanks aside, is the section's header.
    bool HasHeader(const QString& section) const;
    // Why not.
    const FileError& Error() const { return error_; }

private:
    void Load();

    IniAccess& access_;
    QString file_;
    std::optional<QString> text_; // decoded, every line ended by CR LF
    FileError error_;
};

class IniAccess {
public:
    // folders: where the settings files live (a single program folder
    // converts). A temporary file "me.tmp" that earlier versions left in
    // the player's folder is removed by the next write that succeeds.
    // reporter: told of each key ReadIniKey cannot read.
    IniAccess(DataFolders folders, IniReadReporter& reporter);

    // The value of the key, or empty text when it cannot be read. Problems
    // go to the reporter and are not passed on; while the reporter answers
    // that the file is to be read again, it is (so a player who mends the
    // file meanwhile can go on).
    QString ReadIniKey(const QString& file, const QString& section, const QString& key);

    // The value of the key, read by the same rules, or nothing when the
    // file cannot be read or the key is not found. Nothing is shown to the
    // user: for callers that report problems in their own words.
    std::optional<QString> LookUpIniKey(const QString& file, const QString& section, const QString& key);

    // Replaces or adds key=value as described above. The file must exist;
    // it is never created here. The error names the file and the system's
    // reason.
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key, const QString& value);
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key, qint64 value);
    // Written "True" or "False".
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key, bool value);
    // Without these, a text literal would be taken for a Boolean and a
    // short or an int would be ambiguous.
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key, const char* value)
    {
        return WriteIniKey(file, section, key, QString::fromUtf8(value));
    }
    template <std::integral Int>
    requires(!std::same_as<Int, bool>) IniWriteResult
        WriteIniKey(const QString& file, const QString& section, const QString& key, Int value)
    {
        return WriteIniKey(file, section, key, static_cast<qint64>(value));
    }

    // Several keys of one section, each written by the rules of
    // WriteIniKey in turn, and the file replaced once. When the section is
    // missing nothing is written.
    IniWriteResult WriteIniKeys(const QString& file, const QString& section, const IniKeys& keys);

    // Adds lines at the end of an existing file, in the file's encoding.
    // A last line without a line end gets one first, so it stays a line
    // of its own.
    IniWriteResult AppendIniLines(const QString& file, const QStringList& lines);

    // Adds the lines as AppendIniLines does, then writes the keys as
    // WriteIniKeys does, all in one replace of the file. When the keys'
    // section is missing nothing is written.
    IniWriteResult ChangeIniFile(const QString& file, const QStringList& appendLines, const QString& section,
                                 const IniKeys& keys);
    // The same with one key.
    IniWriteResult AppendIniLinesThenWriteKey(const QString& file, const QStringList& lines, const QString& section,
                                              const QString& key, const QString& value);

    // Creates the file, or replaces one of that name, with the lines in
    // UTF-8, each ended by CR LF.
    IniWriteResult WriteNewIniFile(const QString& file, const QStringList& lines);

    const DataFolders& Folders() const { return folders_; }

    // The file's bytes, read below the folder it lies in, or nothing with
    // the reason in error.
    std::optional<QByteArray> ReadFile(const QString& path, FileError& error) const;

private:
    friend class IniReader;

    // Replaces the file's content; empty text or what went wrong.
    FileError Store(const QString& path, const QByteArray& content) const;

    DataFolders folders_;
    IniReadReporter& reporter_;
};

} // namespace daz
