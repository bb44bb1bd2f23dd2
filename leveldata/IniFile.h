#pragma once

#include <concepts>
#include <optional>

#include <QString>
#include <QStringList>

#include "leveldata/DataFolders.h"
#include "platform/MessageBoxes.h"

namespace daz {

struct IniWriteResult {
    bool ok = true;
    QString error; // when not ok: what went wrong, readable text for a box
    // False when no header of the section was found: the file was left as
    // it was and the key not written. This is not an error.
    bool sectionFound = true;
};

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
// found (ProgramPaths.h). Nothing is cached: every call reads the file anew.
class IniAccess {
public:
    // folders: where the settings files live (a single program folder
    // converts). Writes go through the temporary file me.tmp in the
    // player's folder.
    IniAccess(DataFolders folders, platform::MessageBoxes& boxes);

    // The value of the key, or empty text when it cannot be read. Problems
    // are shown to the user and not passed on:
    // - the file cannot be read, or ends right after the section header's
    //   "]": the box "文件出错" (OK);
    // - the key is not found: the box "在文件中没有找到所要查找的字段"
    //   (Abort, Retry, Ignore), which comes back until the user chooses
    //   Abort. Retry reads the file again, so a user who mends the file
    //   meanwhile can go on; Ignore just asks again.
    QString ReadIniKey(const QString& file, const QString& section, const QString& key);

    // The value of the key, read by the same rules, or nothing when the
    // file cannot be read or the key is not found. Nothing is shown to the
    // user: for callers that report problems in their own words.
    std::optional<QString> LookUpIniKey(const QString& file, const QString& section, const QString& key);

    // Replaces or adds key=value as described above. The file must exist;
    // it is never created here. The new content replaces the old one in a
    // single step (FileReplace.h): on any failure the file is as before.
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key,
                               const QString& value);
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key,
                               qint64 value);
    // Written "True" or "False".
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key,
                               bool value);
    // Without these, a text literal would be taken for a Boolean and a
    // short or an int would be ambiguous.
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key,
                               const char* value)
    {
        return WriteIniKey(file, section, key, QString::fromUtf8(value));
    }
    template <std::integral Int>
        requires(!std::same_as<Int, bool>)
    IniWriteResult WriteIniKey(const QString& file, const QString& section, const QString& key,
                               Int value)
    {
        return WriteIniKey(file, section, key, static_cast<qint64>(value));
    }

    // Adds lines at the end of an existing file, in the file's encoding.
    // A last line without a line end gets one first, so it stays a line
    // of its own. Replaces the file in one step like WriteIniKey.
    IniWriteResult AppendIniLines(const QString& file, const QStringList& lines);

    // Adds lines at the end, then replaces or adds key=value as
    // WriteIniKey does, in one replace of the file: the file holds either
    // none or all of the change.
    IniWriteResult AppendIniLinesThenWriteKey(const QString& file, const QStringList& lines, const QString& section,
                                              const QString& key, const QString& value);

    // Creates the file, or replaces one of that name, with the lines in
    // UTF-8, each ended by CR LF.
    IniWriteResult WriteNewIniFile(const QString& file, const QStringList& lines);

    const DataFolders& Folders() const { return folders_; }

private:
    QString TempPath() const;

    DataFolders folders_;
    platform::MessageBoxes& boxes_;
};

} // namespace daz
