#pragma once

#include <optional>

#include <QObject>
#include <QString>

#include "leveldata/DataFolders.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"

namespace daz {

// What the main menu tells of the game itself: the help text, the about
// box, the feedback mail and where the game and its level packs come from.
class GameInfo : public QObject {
    Q_OBJECT

public:
    // The Chinese help file, in the program folder or the player's.
    static const QString kHelpFile;

    // The windows' caption.
    static QString WindowCaption();

    GameInfo(const DataFolders& folders, platform::Desktop& desktop, platform::MessageBoxes& boxes);

    // The help text, read in its own encoding, goes to helpOpened; a
    // missing file is told in a box.
    void OpenHelp();
    // The help text in the language installed now, as OpenHelp reads it;
    // nothing when the file is missing or unreadable, which a box tells.
    std::optional<QString> HelpText() const;
    // The game has no address of its own to write to or download from:
    // feedback opens a new mail to whomever the player chooses, and the
    // download items open the README, which says where the game and level
    // packs come from and how to play one. When no program takes them, a
    // box says what to do instead.
    void SendFeedback();
    void OpenDownloads();
    // The game's name and version, its licence, and where the help and
    // the README are.
    void ShowAbout();

signals:
    void helpOpened(const QString& text);

private:
    // The help file in the language of the game's texts when there is
    // one, else the Chinese one.
    QString HelpFile() const;
    // The README installed beside the shipped folder, or empty.
    QString Readme() const;

    const DataFolders& folders_;
    platform::Desktop& desktop_;
    platform::MessageBoxes& boxes_;
};

} // namespace daz
