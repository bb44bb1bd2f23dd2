#pragma once

#include <utility>

#include <QString>

class QFileDevice;

namespace daz {

// Why a file or folder of the game's could not be read, written, made or
// removed: what was being done, to which path, and the cause.
// presentation/FileErrorText words it for the player; an empty one (no
// cause) means the operation succeeded.
struct FileError {
    enum class Doing {
        Nothing, // only the cause is known; the caller names the file
        Reading,
        Writing,
        CreatingTemporary, // the temporary file a write goes through
        Replacing,         // the rename that puts the new content in place
        CreatingFolder,
        Deleting,
    };
    enum class Cause {
        None,
        System,      // the system's error number, in code
        Device,      // a reason only as text, in the words of Qt or the system (detail)
        NotRegular,  // a pipe, a device or a socket where a file belongs
        TooLarge,    // over limitKb; sizeKb is 0 when it grew while being read
        LeadsOut,    // a link or ".." leads out of the game's folder
        ThroughLink, // a symbolic link on the way, which the game does not follow
        IsLink,      // the file to be written is itself a symbolic link
        ReadOnly,    // the file to be written is read-only
        FolderTaken, // a folder of the name to be made exists already
    };

    Doing doing = Doing::Nothing;
    QString path = {};
    Cause cause = Cause::None;
    int code = 0;
    qint64 sizeKb = 0;
    qint64 limitKb = 0;
    QString detail = {};

    bool Failed() const { return cause != Cause::None; }
    // The same cause, told of doing this to path.
    FileError While(Doing what, const QString& file) const;

    static FileError OfSystem(int error) { return {Doing::Nothing, {}, Cause::System, error}; }
    static FileError Of(Cause cause) { return {Doing::Nothing, {}, cause}; }
    // A reason Qt or the system gave only as text, such as an image
    // reader's.
    static FileError OfText(QString reason) { return {Doing::Nothing, {}, Cause::Device, 0, 0, 0, std::move(reason)}; }
    // The reason a QFile or QSaveFile gave: its error number where the
    // text is the system's for one, else the text itself.
    static FileError OfDevice(const QFileDevice& file);
};

} // namespace daz
