#pragma once

#include <vector>

#include <QString>

#include "leveldata/FileError.h"

namespace daz {

// What the results store tells the player of itself, piece by piece, in
// the order told; presentation/ProblemTexts (RecordsNotesText) words them.
enum class RecordsNoteKind {
    FolderNotMade,     // the folder `path` could not be made
    FolderNotWritable, // nothing can be written in the folder `path`; `reason` says why
    LinkSetAside,      // `path` was no plain file and is renamed `aside`
    LinkStays,         // `path` is no plain file and could not be renamed
    CannotOpen,        // the store `path` cannot be opened
    DamagedSetAside,   // the store was unreadable or damaged and is renamed `aside`
    DamagedStays,      // the store `path` is unreadable or damaged and could not be renamed
    Newer,             // the store `path` is a newer version's, only read
    Busy,              // the store `path` is held by another program for now
    ReadOnly,          // the store `path` is read-only
    DiskFull,          // the disk is full
    Unavailable,       // the store `path` cannot be read or written for now
    NotKept,           // this run's results are not kept
    Afresh,            // the results begin anew
};

struct RecordsNote {
    RecordsNoteKind kind;
    QString path = {};
    QString aside = {};
    FileError reason = {}; // the system's reason
};

using RecordsNotes = std::vector<RecordsNote>;

} // namespace daz
