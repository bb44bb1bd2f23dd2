#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "leveldata/Formats.h"
#include "leveltools/LevelToolChecks.h"
#include "leveltools/LevelToolContext.h"

namespace daz {

// The level modifier without its window: changes the columns, rows, board
// colour, background picture, music and particle effect of any level of the
// catalogue, in the level's setme.ini. Name, folder, pictures and picture
// count stay as they are. Changes count from the next load of the level.
class LevelModifier {
    Q_DECLARE_TR_FUNCTIONS(daz::LevelModifier)

public:
    static constexpr int kNumberMaxLength = 2; // columns, rows

    // The entries as the window shows them.
    struct Fields {
        QString maxX;                // txtMaxX
        QString maxY;                // txtMaxY
        std::int32_t backColour = 0; // picGBackColor; black until a level is chosen
        // txtGGameBack: "gameback.jpg" for the level's own picture, a path
        // for a new one, empty for none.
        QString background;
        // txtGMedia: the level's music name as stored, or the path of a new
        // music file, empty for none.
        QString music;
        int particle = -1; // CobList: effect 0 … 5, -1 while none is selected
    };

    enum class Outcome {
        Refused, // an entry was refused; nothing was written
        Failed,  // a write failed; what was written before it stays
        Saved,
    };
    struct Result {
        Outcome outcome = Outcome::Refused;
        Refusal refusal; // where the caret goes after a refusal
    };

    explicit LevelModifier(LevelToolContext& context);

    Fields fields;

    // The window's load: reads the catalogue anew, so levels the editor
    // added in this run are there too. Levels whose entries are missing are
    // left out; the catalogue read is returned, for the window to tell its
    // problems in one note. Nothing is chosen afterwards.
    Catalogue Load();
    // The pick list's items: "1．name" … in catalogue order, each with the
    // level's own number and the name nameOf shows it by.
    QStringList LevelItems(const std::function<QString(const CatalogueEntry&)>& nameOf) const;

    // Chooses the level at a position of the list (0 for the first) and
    // fills the fields from its setme.ini.
    void ChooseLevel(int position);
    // The position of the chosen level, -1 while none is chosen.
    int ChosenLevel() const { return chosen_; }
    // The chosen level's folder, ending with a separator.
    const QString& LevelFolder() const { return folder_; }

    // The picture and music buttons and the swatch; cancelling a dialog
    // changes nothing.
    void ChooseBackground();
    void ChooseMusic();
    void ChooseColour();
    // The file name of the music file last chosen in this window's dialog:
    // the music name a new music file is saved under. Empty until a file is
    // chosen; choosing another level keeps it.
    const QString& MediaTitle() const { return mediaTitle_; }

    // The first entry the modifier refuses, or nothing when all are fine.
    // May read the level's setme.ini; writes nothing.
    std::optional<Refusal> Validate();

    // The save button: checks the entries, then writes them into the
    // level's setme.ini. The background picture and the music are copied
    // first; then all keys go into setme.ini in one replace, so a failure
    // leaves its settings as they were. Refusals, failures and the success
    // are told in a message box; the window stays open in every case.
    Result Save();

private:
    // The level's settings file as read: the player's copy, else the
    // shipped one.
    QString SettingsFile() const;
    bool HasOwnBackground() const;
    // Copies a shipped level's settings into the player's folder, where
    // every change is written.
    QString MakePlayersCopy();
    QString ReadSetting(const QString& key);
    // Writes the keys into setme.ini in one replace; empty text when
    // written, else what went wrong.
    QString WriteSettings(const IniKeys& keys);
    QString SaveChecked();

    LevelToolContext& context_;
    std::vector<CatalogueEntry> levels_;
    int chosen_ = -1;
    QString storedFolder_; // the chosen level's MenuPath
    QString folder_;
    QString mediaTitle_;
};

} // namespace daz
