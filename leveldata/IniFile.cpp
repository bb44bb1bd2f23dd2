#include "IniFile.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ConfinedFiles.h"
#include "FileReplace.h"
#include "ProgramPaths.h"
#include "TextEncoding.h"

namespace daz {
namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// The blanks that the writer's matching ignores are spaces, nothing else.
QStringView TrimSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ') {
        text = text.mid(1);
    }
    while (!text.isEmpty() && text.back() == u' ') {
        text.chop(1);
    }
    return text;
}

enum class ScanResult { Found, FileError, KeyMissing };

// The reader's scan over the decoded text of a file whose line ends are
// all CR LF.
std::pair<ScanResult, QString> ScanForKey(QStringView text, QStringView section, QStringView key)
{
    qsizetype pos = 0;
    const qsizetype size = text.size();

    // The section: "[" starts a candidate name anywhere, even inside a
    // value, and it runs to the next "]" or the end of the file.
    while (pos < size) {
        if (text[pos++] != u'[') {
            continue;
        }
        qsizetype close = text.indexOf(u']', pos);
        if (close < 0) {
            close = size;
        }
        const QStringView candidate = text.sliced(pos, close - pos);
        pos = std::min(close + 1, size);
        if (candidate == section) {
            // The header's own line end; a file that stops before it is
            // damaged.
            if (size - pos < 2) {
                return {ScanResult::FileError, {}};
            }
            pos += 2;
            break;
        }
    }
    // A missing section leaves pos at the end, where no key is found.

    // The key: each candidate is the text up to the next "=", line breaks
    // included.
    for (;;) {
        const qsizetype equals = text.indexOf(u'=', pos);
        if (equals < 0) {
            return {ScanResult::KeyMissing, {}};
        }
        qsizetype lineEnd = text.indexOf(u'\n', equals + 1);
        if (lineEnd < 0) {
            lineEnd = size;
        }
        if (text.sliced(pos, equals - pos) == key) {
            QStringView value = text.sliced(equals + 1, lineEnd - equals - 1);
            if (value.endsWith(u'\r')) {
                value.chop(1);
            }
            return {ScanResult::Found, value.toString()};
        }
        pos = std::min(lineEnd + 1, size);
    }
}

// A file's text split into lines, each kept as the bytes it was stored in
// (without its line end) and as decoded text for matching. Lines the writer
// does not replace go back byte for byte.
struct StoredLines {
    StoredText stored;
    std::vector<QByteArray> bytes;
    std::vector<QString> text;
};

StoredLines SplitLines(const QByteArray& fileBytes)
{
    StoredLines lines;
    lines.stored = SplitStoredText(fileBytes);
    const QByteArray& body = lines.stored.body;
    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype end = body.indexOf('\n', start);
        const qsizetype next = end < 0 ? body.size() : end + 1;
        if (end < 0) {
            end = body.size();
        }
        if (end > start && body[end - 1] == '\r') {
            --end;
        }
        lines.bytes.push_back(body.sliced(start, end - start));
        lines.text.push_back(DecodeText(lines.bytes.back(), lines.stored.encoding));
        start = next;
    }
    return lines;
}

} // namespace

IniAccess::IniAccess(DataFolders folders, IniReadReporter& reporter) : folders_(std::move(folders)), reporter_(reporter)
{
}

namespace {

// The text the reader scans: decoded, and with every line ended by CR LF,
// as files edited on other systems may end their lines in LF only.
QString ScannedText(const QByteArray& bytes)
{
    const StoredText stored = SplitStoredText(bytes);
    QString text = DecodeText(stored.body, stored.encoding);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

// The file's bytes with key=value written after each header of the
// section, or nothing when no header matches.
std::optional<QByteArray> WithKeyWritten(const QByteArray& bytes, const QString& section, const QString& key,
                                         const QString& value)
{
    const StoredLines lines = SplitLines(bytes);
    const QStringView sectionName = TrimSpaces(section);
    const QStringView keyName = TrimSpaces(key);
    const QByteArray keyLine = EncodeText(QString(key + u'=' + value), lines.stored.encoding) + kLineEnd;

    QByteArray out = lines.stored.byteOrderMark;
    out.reserve(bytes.size() + keyLine.size() + 2 * qsizetype(lines.bytes.size()));
    bool sectionFound = false;
    const std::size_t count = lines.bytes.size();
    for (std::size_t i = 0; i < count; ++i) {
        out += lines.bytes[i] + kLineEnd;
        const QString& line = lines.text[i];
        if (!line.contains(u'[') || !line.contains(sectionName)) {
            continue;
        }
        // A header: copy on up to the first line that holds the key, which
        // gives way to the new key line; without one the key line closes
        // the file.
        sectionFound = true;
        for (++i; i < count; ++i) {
            if (lines.text[i].contains(keyName)) {
                break;
            }
            out += lines.bytes[i] + kLineEnd;
        }
        out += keyLine;
    }
    if (!sectionFound) {
        return std::nullopt;
    }
    return out;
}

// The file's bytes with lines added at the end in the file's encoding. A
// last line without a line end gets one first.
QByteArray WithLinesAppended(const QByteArray& bytes, const QStringList& lines)
{
    if (lines.isEmpty()) {
        return bytes;
    }
    const StoredText stored = SplitStoredText(bytes);
    QByteArray out = bytes;
    if (!stored.body.isEmpty() && !stored.body.endsWith('\n')) {
        out += kLineEnd;
    }
    for (const QString& line : lines) {
        out += EncodeText(line, stored.encoding) + kLineEnd;
    }
    return out;
}

} // namespace

std::optional<QByteArray> IniAccess::ReadFile(const QString& path, FileError& error) const
{
    const QString root = folders_.RootOf(path);
    if (root.isEmpty()) {
        error = ConfinementError(EXDEV);
        return std::nullopt;
    }
    // kGameIniFile is a stored path, written with a backslash.
    const bool catalogue = QFileInfo(path).fileName().compare(kGameIniFile.section(u'\\', -1), Qt::CaseInsensitive)
                           == 0;
    return ReadFileBelow(root, path, catalogue ? kCatalogueFileBudget : kTextFileBudget, error);
}

IniReader::IniReader(IniAccess& access, QString file) : access_(access), file_(std::move(file))
{
    Load();
}

void IniReader::Load()
{
    error_ = {};
    const auto bytes = access_.ReadFile(ResolveExisting(file_), error_);
    text_ = bytes ? std::optional<QString>(ScannedText(*bytes)) : std::nullopt;
}

std::optional<QString> IniReader::LookUp(const QString& section, const QString& key) const
{
    if (!text_) {
        return std::nullopt;
    }
    auto [result, value] = ScanForKey(*text_, section, key);
    if (result != ScanResult::Found) {
        return std::nullopt;
    }
    return value;
}

bool IniReader::HasHeader(const QString& section) const
{
    if (!text_) {
        return false;
    }
    const QString header = u'[' + section + u']';
    const QStringList lines = text_->split(QStringLiteral("\r\n"));
    return std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.trimmed() == header; });
}

QString IniReader::Read(const QString& section, const QString& key)
{
    for (;;) {
        if (text_) {
            auto [result, value] = ScanForKey(*text_, section, key);
            if (result == ScanResult::Found) {
                return value;
            }
            if (!access_.reporter_.ReadAgain(result == ScanResult::FileError ? IniReadProblem::FileError
                                                                             : IniReadProblem::KeyMissing)) {
                return {};
            }
        } else if (!access_.reporter_.ReadAgain(IniReadProblem::FileError)) {
            return {};
        }
        Load(); // the player may have mended the file meanwhile
    }
}

std::optional<QString> IniAccess::LookUpIniKey(const QString& file, const QString& section, const QString& key)
{
    return IniReader(*this, file).LookUp(section, key);
}

QString IniAccess::ReadIniKey(const QString& file, const QString& section, const QString& key)
{
    return IniReader(*this, file).Read(section, key);
}

IniWriteResult IniAccess::WriteIniKey(const QString& file, const QString& section, const QString& key,
                                      const QString& value)
{
    return WriteIniKeys(file, section, {{key, value}});
}

IniWriteResult IniAccess::WriteIniKey(const QString& file, const QString& section, const QString& key, qint64 value)
{
    return WriteIniKey(file, section, key, QString::number(value));
}

IniWriteResult IniAccess::WriteIniKey(const QString& file, const QString& section, const QString& key, bool value)
{
    return WriteIniKey(file, section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

IniWriteResult IniAccess::WriteIniKeys(const QString& file, const QString& section, const IniKeys& keys)
{
    return ChangeIniFile(file, {}, section, keys);
}

IniWriteResult IniAccess::AppendIniLines(const QString& file, const QStringList& lines)
{
    return ChangeIniFile(file, lines, {}, {});
}

IniWriteResult IniAccess::AppendIniLinesThenWriteKey(const QString& file, const QStringList& lines,
                                                     const QString& section, const QString& key, const QString& value)
{
    return ChangeIniFile(file, lines, section, {{key, value}});
}

IniWriteResult IniAccess::ChangeIniFile(const QString& file, const QStringList& appendLines, const QString& section,
                                        const IniKeys& keys)
{
    const QString path = ResolveExisting(file);
    FileError reason;
    const auto bytes = ReadFile(path, reason);
    if (!bytes) {
        return {false, reason.While(FileError::Doing::Reading, path)};
    }

    QByteArray out = WithLinesAppended(*bytes, appendLines);
    for (const auto& [key, value] : keys) {
        auto changed = WithKeyWritten(out, section, key, value);
        if (!changed) {
            return {true, {}, false};
        }
        out = std::move(*changed);
    }
    if (FileError error = Store(path, out); error.Failed()) {
        return {false, error};
    }
    return {};
}

IniWriteResult IniAccess::WriteNewIniFile(const QString& file, const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) {
        out += line.toUtf8() + kLineEnd;
    }
    if (FileError error = Store(ResolveExisting(file), out); error.Failed()) {
        return {false, error};
    }
    return {};
}

FileError IniAccess::Store(const QString& path, const QByteArray& content) const
{
    FileError error = ReplaceFileContent(folders_.Player(), path, content);
    // Earlier versions of the game wrote every file through this one
    // temporary file; one a kill left behind goes now. Only the name is
    // removed, never what a link there points at.
    const QFileInfo legacy(folders_.Player() + QStringLiteral("/me.tmp"));
    if (!error.Failed() && (legacy.isSymLink() || legacy.isFile())) {
        QFile::remove(legacy.filePath());
    }
    return error;
}

} // namespace daz
