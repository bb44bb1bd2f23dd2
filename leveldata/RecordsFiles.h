#pragma once

#include <optional>

#include <QDateTime>
#include <QString>

#include "RecordsNotes.h"

namespace daz::records {

// The files SQLite keeps beside a database while it writes.
extern const QStringList kCompanions;

// Whether something that is not a plain file of its own stands at a path:
// a link (wherever it points, a hard link among them), a folder, a pipe.
bool IsNoPlainFile(const QString& path);

// A database and what SQLite keeps beside it go aside together, as they
// are, the journal under the name SQLite looks for beside the copy.
std::optional<QString> PutDatabaseAside(const QString& file, const QDateTime& now);

// What keeps a folder from being written, or nothing.
std::optional<RecordsNote> TryWrite(const QString& folder);

// What the player is told of a store that cannot be written now, as
// SQLite's code says why; the results wait in memory meanwhile.
RecordsNote PassingNote(int code, const QString& file);

// Adds more to the end of notes.
void Add(RecordsNotes& notes, RecordsNotes more);

// Renames whatever is not a plain file at the database's path or its
// companions', adding to told what the player is told of it. False when
// one could not be moved.
bool SetLinksAside(const QString& file, const QDateTime& now, RecordsNotes& told);

} // namespace daz::records
