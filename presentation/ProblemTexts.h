#pragma once

#include <QString>

#include "game/KeptRound.h"
#include "game/Level.h"
#include "game/ProblemReporter.h"
#include "leveldata/IniFile.h"
#include "leveldata/PlayerFolder.h"
#include "leveldata/RecordsNotes.h"
#include "platform/MessageBoxes.h"

namespace daz {

// The words of the problems the layers below report as types, and the
// boxes they are shown in. The Chinese text is the source text of each
// (context "ProblemTexts").

// What the catalogue's reading found, all in one message: levels beyond
// the menu's room, and the levels whose keys are missing ("第3至66关的条目
// 缺失"). Empty when there is nothing to tell.
QString CatalogueProblemText(const Catalogue& catalogue);
// What keeps a level from being played, e.g. "缺少图片文件 3.gif".
QString LevelProblemText(const LevelProblem& problem);
// Why a kept round cannot go on, e.g. "棋盘上已经没有牌".
QString KeptRoundProblemText(const KeptRoundProblem& problem);

// What the results store tells of itself, e.g. "你的成绩记录“…”是只读的，
// 无法写入。", the notes one after another.
QString RecordsNotesText(const RecordsNotes& notes);

// What the player's folder tells at start, e.g. "你的游戏设置文件“…”是一个
// 符号链接，…"; empty when there is nothing to tell.
QString PlayerFolderText(const PlayerFolderStatus& status);

// The boxes a key that could not be read brings up:
// - the file cannot be read, or ends right after the section header: the
//   box "文件出错" (OK), and the reading gives up;
// - the key is not found: the box "在文件中没有找到所要查找的字段"
//   (Abort, Retry, Ignore), which comes back until the player chooses
//   Abort or Retry; Retry reads the file again, Ignore just asks again.
// True when the file is to be read again.
bool AskAfterFailedRead(platform::MessageBoxes& boxes, IniReadProblem problem);

// The INI reader's reporter for the level tools and the tests: the boxes
// above.
class IniReadBoxes final : public IniReadReporter {
public:
    explicit IniReadBoxes(platform::MessageBoxes& boxes) : boxes_(boxes) {}

    bool ReadAgain(IniReadProblem problem) override { return AskAfterFailedRead(boxes_, problem); }

private:
    platform::MessageBoxes& boxes_;
};

// The game flow's problems in their boxes.
class ProblemBoxes final : public ProblemReporter {
public:
    explicit ProblemBoxes(platform::MessageBoxes& boxes) : boxes_(boxes) {}

    bool ReadAgain(IniReadProblem problem) override { return AskAfterFailedRead(boxes_, problem); }
    void CatalogueMissing() override;
    void CatalogueEmpty() override;
    void CatalogueIncomplete(const Catalogue& catalogue) override;
    void LevelUnplayable(const CatalogueEntry& level, const LevelProblem& problem) override;
    void KeptRoundRefused(const KeptRoundRefusal& refusal) override;
    void ResultsTrouble(const RecordsNotes& notes) override { platform::Tell(boxes_, RecordsNotesText(notes)); }
    void ProgressNotSaved(UnsavedProgress what, const FileError& reason) override;

private:
    platform::MessageBoxes& boxes_;
};

} // namespace daz
