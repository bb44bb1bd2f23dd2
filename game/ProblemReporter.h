#pragma once

#include <QString>

#include "game/KeptRound.h"
#include "game/Level.h"
#include "leveldata/Formats.h"
#include "leveldata/IniFile.h"
#include "leveldata/RecordsNotes.h"

namespace daz {

// What the player's folder could not keep.
enum class UnsavedProgress {
    Settings,  // the settings file
    KeptRound, // the unfinished round
};

// What the game's flow tells the player of, as typed problems; the
// presentation words each and shows it in its box (presentation/
// ProblemTexts.h: ProblemBoxes). A key that cannot be read asks, as the
// INI reader's reporter, whether to read the file again.
class ProblemReporter : public IniReadReporter {
public:
    // The game's settings file, which holds the catalogue, is not found.
    virtual void CatalogueMissing() = 0;
    // The catalogue lists no level at all.
    virtual void CatalogueEmpty() = 0;
    // The catalogue lists more levels than the menu holds, or misses some.
    virtual void CatalogueIncomplete(const Catalogue& catalogue) = 0;
    // The level of this catalogue entry cannot start.
    virtual void LevelUnplayable(const CatalogueEntry& level, const LevelProblem& problem) = 0;
    // The round kept at the last quit cannot go on; the level is dealt anew.
    virtual void KeptRoundRefused(const KeptRoundRefusal& refusal) = 0;
    // What the results store tells of itself: it cannot be opened or
    // written, or it was found damaged and set aside.
    virtual void ResultsTrouble(const RecordsNotes& notes) = 0;
    // The progress could not be written, for the reason given.
    virtual void ProgressNotSaved(UnsavedProgress what, const FileError& reason) = 0;
};

} // namespace daz
