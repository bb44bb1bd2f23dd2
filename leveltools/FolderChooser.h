#pragma once

#include <QCoreApplication>
#include <QString>

#include "platform/MessageBoxes.h"

namespace daz {

// The folder chooser of the level editor without its window: a path field
// that the user may also type into, a folder list and a drive list. The
// editor takes the path field's text as it stands when the user confirms.
class FolderChooser {
    Q_DECLARE_TR_FUNCTIONS(daz::FolderChooser)

public:
    // The path field starts with the program folder; the folder list at
    // startFolder (where the program was started from).
    FolderChooser(const QString& programFolder, const QString& startFolder, platform::MessageBoxes& boxes);

    // txtDrive: what the editor gets back; the user may edit it freely.
    QString path;

    // The folder the folder list shows.
    const QString& Folder() const { return folder_; }

    // A folder opened in the folder list, or the root of a drive chosen in
    // the drive list: the list moves there and the path field shows it.
    // A folder that cannot be read leaves both as they were and is told in
    // a box; the result is false then.
    bool OpenFolder(const QString& folder);

    // Confirming: the text the editor's source field receives.
    const QString& Accept() const { return path; }

private:
    platform::MessageBoxes& boxes_;
    QString folder_;
};

} // namespace daz
