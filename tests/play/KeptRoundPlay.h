#pragma once

// What the tests of the kept round share: two small levels, a round played
// for a while and quit, and what a board dealt anew looks like.

#include <string>

#include <QFileInfo>

#include "GameHarness.h"
#include "game/KeptRound.h"
#include "leveldata/IniFile.h"

namespace daz::testing {

using Spec = TestProgramFolder::LevelSpec;

inline const QList<Spec> kLevels{{QStringLiteral("关1"), QStringLiteral("l1"), 6, 4, 3},
                                 {QStringLiteral("关2"), QStringLiteral("l2"), 6, 4, 3}};
inline constexpr long long kScore = 100;

inline QString KeptFile(GameHarness& h)
{
    return h.folder.File(QStringLiteral("kept-round.json"));
}

// A level played for a while with every tool the mode has, then quit.
inline void PlayAndQuit(GameHarness& h, int mode, bool paused = false)
{
    h.Start(mode);
    h.timers.Fire(QStringLiteral("LevelClock"), 3);
    h.RemoveAPair();
    h.RemoveAPair();
    h.round().Use(Tool::Undo);
    h.round().Use(Tool::Shuffle);
    h.RemoveAPair();
    h.round().Use(Tool::Hint);
    h.timers.Fire(QStringLiteral("LevelClock"));
    if (paused) {
        h.round().Use(Tool::Pause);
    }
    h.flow->Unload();
}

// The score the settings file holds.
inline long long SavedScore(GameHarness& h)
{
    IniAccess ini(h.folder.Path(), h.problems);
    return ini
        .ReadIniKey(h.folder.File(QStringLiteral("DAZGame.ini")), QStringLiteral("UserSet"), QStringLiteral("UserJF"))
        .toLongLong();
}

// Whether kept-round.json holds the round on the board as it stands: the
// round in play is kept as it happens.
inline bool KeptIsOnTheBoard(GameHarness& h)
{
    KeptRoundProblem problem;
    const auto kept = ParseKeptRound(h.folder.Read(QStringLiteral("kept-round.json")), problem);
    return kept && kept->state == h.round().State();
}

// A board just dealt, with the usual caption.
inline void ExpectDealtAnew(GameHarness& h, const std::string& why)
{
    EXPECT_EQ(h.board().TileCount(), h.board().CellCount()) << why;
    EXPECT_EQ(h.round().Undo().UndoCount(), 0) << why;
    EXPECT_EQ(h.round().State().secondsPlayed, 0) << why;
    EXPECT_FALSE(h.Caption().contains(QStringLiteral("继续上次的棋局"))) << why;
    EXPECT_TRUE(KeptIsOnTheBoard(h)) << why << ": the kept round is not the new one";
}

} // namespace daz::testing
