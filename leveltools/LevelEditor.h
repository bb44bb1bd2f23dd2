#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QCoreApplication>
#include <QString>

#include "leveldata/PictureNames.h"
#include "leveltools/LevelToolChecks.h"
#include "leveltools/LevelToolContext.h"

namespace daz {

// The level editor without its window: it turns a folder of pictures the
// user has prepared (1.gif … n.gif and the masks mb1.gif, mb2.gif) into a
// new level folder "gameg\<name>\" of the program folder, with its
// setme.ini and the pictures' names (pictures.ini) when any are given, and adds the level at the end of the catalogue,
// where the main window's level menu finds it at once.
class LevelEditor {
    Q_DECLARE_TR_FUNCTIONS(daz::LevelEditor)

public:
    static constexpr int kNameMaxLength = 38;
    static constexpr int kNumberMaxLength = 2; // picture count, columns, rows
    static constexpr int kMakerMaxLength = 12;
    static constexpr int kFewestPictures = 10;

    // The entries as the window shows them; numbers stay text as typed and
    // are written into setme.ini that way.
    struct Fields {
        QString name;                        // txtGName: the level's name and folder
        QString sourceFolder;                // txtGPath: only the folder chooser fills it
        QString photoSum;                    // txtGPhotoSum: number of tile pictures
        QString maxX = QStringLiteral("12"); // txtGMaxX: tile columns
        QString maxY = QStringLiteral("8");  // txtGMaxY: tile rows
        std::int32_t backColour = 0;         // picGBackColor, &H00BBGGRR
        QString background;                  // txtGGameBack: chosen background picture
        QString music;                       // txtGMedia: chosen music file
        int particle = 0;                    // CobList: effect 0 … 5
        QString maker;                       // txtQM: added to the catalogue name
        PictureNames names;                  // what the pictures are called, often nothing
    };

    // The stages of making a level, in the order they run. The level is
    // built in a hidden folder beside the others, moved into place under
    // its name when complete, and then added to the catalogue.
    enum class Step {
        CreateFolder,
        CopyPictures,
        CopyMasks,
        CopyBackground,
        CopyMusic,
        WriteSettings,
        WriteNames, // only when pictures are named
        MoveIntoPlace,
        AddToCatalogue,
    };

    enum class Outcome {
        Refused, // an entry was refused; nothing was written
        Failed,  // making the level failed; everything done was undone
        Created, // the level is made; the window closes
    };
    struct Result {
        Outcome outcome = Outcome::Refused;
        Refusal refusal; // where the caret goes after a refusal
    };

    explicit LevelEditor(LevelToolContext& context);

    Fields fields;

    // The picture button of the background: the chosen picture, or an
    // empty field when the dialog is cancelled.
    void ChooseBackground();
    // The music button: the chosen file, whose name becomes the music name
    // of the new level; cancelling empties the field and keeps the name.
    void ChooseMusic();
    // The name the chosen music file is stored under in the media folder
    // and that the new level's settings give; empty until one is chosen.
    const QString& MusicName() const { return musicName_; }
    // A click on the colour swatch; cancelling keeps the colour.
    void ChooseColour();

    // The file of picture k in the source folder and in the level: "k.gif".
    static QString PictureFile(long long number);
    // The pictures that may be named: as many as the count field says, or,
    // while it holds no count, as many as the source folder holds from
    // 1.gif on without a gap (none without a folder).
    int NameablePictures() const;

    // The first entry the editor refuses, or nothing when all are fine.
    // Reads the file system (the level folder, the source pictures) but
    // writes nothing.
    std::optional<Refusal> Validate() const;

    // The create button: checks the entries, then makes the level. Every
    // refusal, failure and the success are told in a message box. When
    // making the level fails, what was made is removed again and the
    // catalogue is as it was. A kill at any moment leaves either no level
    // folder under the level's name or a complete one.
    Result Accept();

    // Called before each step of making the level; lets tests break the
    // file system at a chosen moment.
    std::function<void(Step)> beforeStep;

    // The folder the level goes to: "gameg/" + name + "/" in the player's
    // folder. The name is taken when that folder, or a shipped level's
    // folder of that name, holds files.
    QString LevelFolder() const;
    bool NameTaken() const;

private:
    // Makes the level; empty text when done, else what went wrong after
    // everything done was undone.
    QString Create(int levelNumber);

    LevelToolContext& context_;
    QString musicName_;
};

} // namespace daz
