#pragma once

#include <QString>

#include "platform/Identity.h"

namespace daz {

// Where the program's files live.
//
// The settings files name every file by a stored path relative to one
// program folder ("\DAZGame.ini", a catalogue MenuPath followed by
// "setme.ini", "\media\" followed by a music name). An installed game keeps
// that folder in two layers: the shipped folder, read-only, as it was
// installed, and the player's folder, which holds the player's catalogue
// and settings, the levels made with the editor and the modifier's changes
// to shipped levels. A stored path is read from the player's folder when
// the file is there, else from the shipped folder; every write goes to the
// player's folder.
//
// A level pack from elsewhere is played as one folder that is both read
// and written, as the game always did: then both layers are that folder.
//
// Stored paths come from files a player may have downloaded, so none may
// lead out of its folder: a ".." component, an absolute path or a drive
// letter is refused, and so is a file that a symbolic link places outside,
// or a new file whose folder a link places outside. These looks at a path
// tell the player early and clearly; what keeps every read and write in
// its folder is the way files are opened (ConfinedFiles.h), judged on what
// was opened.
class DataFolders {
public:
    // One program folder, read and written. Implicit, so that a folder's
    // path can stand wherever the folders are asked for.
    DataFolders(QString programFolder); // NOLINT(google-explicit-constructor)
    DataFolders(QString shipped, QString player);

    const QString& Shipped() const { return shipped_; }
    const QString& Player() const { return player_; }
    bool IsSingle() const { return shipped_ == player_; }

    // Whether the stored path stays inside the folder it is stored for.
    static bool StaysInside(const QString& stored);

    // The file or folder to read for a stored path: the player's when it
    // exists (in any letter case), else the shipped one; when neither
    // exists, the path it would have in the player's folder. Empty when the
    // stored path is refused.
    QString Find(const QString& stored) const;

    // Whether a regular file of the stored path exists in either folder.
    bool HasFile(const QString& stored) const;

    // Where a write of the stored path goes: its path in the player's
    // folder (the letter case of an existing file kept). Empty when the
    // stored path is refused.
    QString ForWriting(const QString& stored) const;

    // The first symbolic link on the way of the stored path in the player's
    // folder that leads out of that folder (or nowhere), for telling the
    // player why a write there is refused; empty when there is none.
    QString LinkLeadingOut(const QString& stored) const;

    // Whether a path that Find gave lies in the player's folder.
    bool IsPlayers(const QString& path) const;

    // The folder a path that Find or ForWriting gave lies in, by name: the
    // player's or the shipped one; empty for a path outside both.
    QString RootOf(const QString& path) const;

private:
    QString InFolder(const QString& folder, const QString& stored) const;

    QString shipped_;
    QString player_;
};

} // namespace daz
