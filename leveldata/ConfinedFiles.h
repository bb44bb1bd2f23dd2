#pragma once

#include <map>
#include <optional>

#include <QByteArray>
#include <QString>

#include "FileError.h"

namespace daz {

// The one way the game opens the files of its folders.
//
// A look at a path before it is opened proves nothing: between the look
// and the open, a folder or a file on the way can become a symbolic link
// to any place. So every file of the program's folders is opened below a
// descriptor of its folder, and the kernel itself refuses a way out as it
// opens (openat2 with RESOLVE_BENEATH: no "..", no absolute link, no link
// that leads out; a link that stays inside is followed). On a kernel
// without openat2 each component is opened from its parent's descriptor
// with O_NOFOLLOW, so that then no link at all is followed. What was
// opened is then judged on the descriptor: only a regular file is read,
// and only up to a size budget. Writes go through a descriptor of the
// folder they write into, opened the same way (FileReplace.h).
//
// root is a folder's native path (the program's folders), path a native
// path inside it, as DataFolders builds them.

// A descriptor that closes itself.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(FileHandle&& other) noexcept : fd_(other.Release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    int Get() const { return fd_; }
    int Release();
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// Size budgets of the files the game reads whole. Settings files, the
// catalogue and the help text are a few KB; a few hundred KB is generous.
inline constexpr qint64 kTextFileBudget = 512 * 1024;
// The catalogue holds the player's progress: one that grew large (padded,
// or with many levels made) is still read rather than set aside.
inline constexpr qint64 kCatalogueFileBudget = 8 * 1024 * 1024;
// Level pictures and the music copied by the level tools.
inline constexpr qint64 kPictureFileBudget = 32 * 1024 * 1024;
inline constexpr qint64 kMediaFileBudget = 256 * 1024 * 1024;

// Whether path names root itself or something inside it, by name alone.
bool IsBelow(const QString& root, const QString& path);

// Opens a regular file below root for reading. On failure the handle is
// empty and error says why (a link on the way, too large, not a file…).
FileHandle OpenFileBelow(const QString& root, const QString& path, qint64 budget, FileError& error);

// The whole content of a regular file below root, or nothing with the
// reason in error.
std::optional<QByteArray> ReadFileBelow(const QString& root, const QString& path, qint64 budget, FileError& error);

// A regular file anywhere, opened and judged the same way (no pipes, no
// devices, the budget), for files the user picked in a dialog.
std::optional<QByteArray> ReadPickedFile(const QString& path, qint64 budget, FileError& error);

// Opens the folder folderPath below root (root itself included) as a
// directory descriptor to write into with the *at calls.
FileHandle OpenFolderBelow(const QString& root, const QString& folderPath, FileError& error);

// Why a path cannot be opened below root, from the system's error: EXDEV
// and ELOOP are the refusals of links and "..".
FileError ConfinementError(int error);

// Files for players that open a file themselves (sound and music): each is
// opened below its folder once and kept open, and the player is given the
// path of the descriptor (/proc/self/fd/N), so that it reads what was
// opened, whatever the file's own path leads to by then. A file stays
// open for the program's life, so that its descriptor's path never comes
// to name another file.
class HeldFiles {
public:
    // The descriptor's path, or empty text when the file cannot be opened
    // below root (missing, a link leading out, not a regular file).
    QString Hold(const QString& root, const QString& path, qint64 budget);

private:
    std::map<QString, FileHandle> held_;
};

} // namespace daz
