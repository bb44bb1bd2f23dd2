#pragma once

#include <cstdint>

#include <QString>

#include "game/ResultKeeper.h"
#include "leveldata/PictureNames.h"

namespace daz {

// The words the player reads for what the game gives as numbers: times,
// ranks, modes, a clear's note. The Chinese text is the source text of
// each (context "GameTexts").

// A time as the player reads it: "45秒", "1分23秒", "2小时05分07秒".
QString DurationText(std::int64_t seconds);

// The title of a rank (RankOf): "１．小星星" … "１８．神眼".
QString RankTitle(int rank);
// The title shown before the first score is drawn.
QString InitialRankTitle();

// Mode 1 … 4's caption ("简单模式") and what it does in a few words; empty
// for any other number.
QString ModeCaption(int mode);
QString ModeSummary(int mode);

// What a clear tells: "用时 1分23秒 · 本关第2名", "用时 41秒 · 新纪录！",
// "用时 7秒 · 成绩未能保存" when the store did not keep it, or the time
// alone when results are not saved at all.
QString ClearNoteText(const ClearResult& result);

// What picture k of a level is called in the player's language, as the
// level's pictures.ini names it, else "图案 k".
QString PictureName(const PictureNames& names, int picture);
// The section of pictures.ini in the player's language ("zh", "en").
QString PictureNamesLanguage();

} // namespace daz
