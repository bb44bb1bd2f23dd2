// What the player did is kept as it happens: the settings when they
// change, the round after every move; a level's end takes its kept copy
// away at once, and a killed game goes on from its last move.

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>

#include "GameHarness.h"
#include "game/KeptRound.h"
#include "leveldata/Formats.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

const QList<Spec> kLevels{{QStringLiteral("关1"), QStringLiteral("l1"), 8, 6, 12},
                          {QStringLiteral("关2"), QStringLiteral("l2"), 6, 4, 3}};
constexpr long long kScore = 100;

// The round the player's folder holds, or none.
std::optional<KeptRound> Kept(GameHarness& h)
{
    KeptRoundProblem problem;
    const QByteArray bytes = h.folder.Read(QStringLiteral("kept-round.json"));
    return bytes.isEmpty() ? std::nullopt : ParseKeptRound(bytes, problem);
}

UserSettings Saved(GameHarness& h)
{
    IniAccess ini(h.folder.Path(), h.problems);
    return ReadUserSettings(ini, h.folder.File(QStringLiteral("DAZGame.ini")));
}

// Whether the folder's round is the one on the board, as it stands.
void ExpectKeptAsItStands(GameHarness& h, const char* after)
{
    SCOPED_TRACE(after);
    const auto kept = Kept(h);
    ASSERT_TRUE(kept) << "nothing kept";
    EXPECT_TRUE(kept->state == h.round().State());
    EXPECT_EQ(kept->score, h.round().Score());
    EXPECT_EQ(kept->settingsScore, Saved(h).userJF);
}

TEST(Progress, EveryMoveAndSettingIsKeptAndAnEndTakesTheRoundAway)
{
    GameHarness h;
    h.folder.WriteGame(kLevels, 1, kScore);
    h.Start(2);
    ExpectKeptAsItStands(h, "the deal");

    // The changes of one command are kept once, as the loop comes free.
    ASSERT_TRUE(h.RemoveAPair());
    EXPECT_NE(Kept(h)->state, h.round().State()) << "kept before the loop came free";
    h.timers.Fire(QStringLiteral("KeepRound"));
    ExpectKeptAsItStands(h, "a pair");
    h.round().Use(Tool::Hint);
    h.round().Use(Tool::Pause);
    h.timers.Fire(QStringLiteral("KeepRound"));
    ExpectKeptAsItStands(h, "a hint and the pause");
    h.flow->ClickOverlay();
    h.timers.Fire(QStringLiteral("LevelClock"), ProgressKeeper::kSecondsBetweenKeeps);
    h.timers.Fire(QStringLiteral("KeepRound"));
    ExpectKeptAsItStands(h, "the clock");

    // A switch is saved when it is turned, beside the round's score.
    h.audio().SetEffectsOn(false);
    EXPECT_FALSE(Saved(h).soundOn);
    ExpectKeptAsItStands(h, "a switch");

    // The end of a level: the score it leaves, and no round.
    h.ClearBoard();
    EXPECT_FALSE(QFileInfo::exists(h.folder.File(QStringLiteral("kept-round.json"))));
    EXPECT_EQ(Saved(h).userJF, h.round().Score());
    h.flow->ClickOverlay();
    EXPECT_EQ(Saved(h).userGK, 2) << "the level reached";
    ExpectKeptAsItStands(h, "the next level");

    // Dealt anew, or timed out: the round before is not kept.
    h.RemoveAPair();
    h.timers.Fire(QStringLiteral("KeepRound"));
    h.boxes.answers.push_back(platform::MessageAnswer::Yes);
    h.Trigger("restart");
    ExpectKeptAsItStands(h, "a restart");
    h.timers.Fire(QStringLiteral("LevelClock"), 1000);
    ASSERT_EQ(h.round().GetPhase(), Phase::TimedOut);
    EXPECT_FALSE(QFileInfo::exists(h.folder.File(QStringLiteral("kept-round.json"))));
    EXPECT_EQ(h.BoxTexts(), QStringList{QStringLiteral("你真的要重新开始吗？")});

    // Saving off (another copy holds the folder): nothing is written.
    GameHarness off;
    off.folder.WriteGame(kLevels, 1, kScore);
    const QByteArray settings = off.folder.Read(QStringLiteral("DAZGame.ini"));
    off.Make(2);
    off.parts->keeper.Disable();
    off.flow->Load();
    off.RemoveAPair();
    off.audio().SetEffectsOn(false);
    off.flow->Unload();
    EXPECT_FALSE(QFileInfo::exists(off.folder.File(QStringLiteral("kept-round.json"))));
    EXPECT_EQ(off.folder.Read(QStringLiteral("DAZGame.ini")), settings);
}

// The round is kept beside the settings it was played with: a start goes
// on with it when the settings file still holds the score it was kept
// beside (the level's start score after a kill, its last score after a
// quit), and the round's own score comes back with it.
TEST(Progress, AKilledGameGoesOnFromItsLastMove)
{
    GameHarness h;
    h.folder.WriteGame(kLevels, 1, kScore);
    constexpr int kMoves = 8;
    int moves[2];
    ASSERT_EQ(::pipe(moves), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The game plays on until it is killed; each move is told before
        // the loop comes free to keep it.
        ::close(moves[0]);
        h.Start(2);
        for (char move = 1; move <= kMoves; ++move) {
            if (!h.RemoveAPair()) {
                ::_exit(3);
            }
            (void)!::write(moves[1], &move, 1);
            h.timers.Fire(QStringLiteral("KeepRound"));
        }
        for (;;) {
            ::pause();
        }
    }
    ::close(moves[1]);
    // Killed after the third move is told: somewhere in keeping it, or later.
    char made = 0;
    while (made < 3 && ::read(moves[0], &made, 1) == 1) {
    }
    ::kill(child, SIGKILL);
    while (::read(moves[0], &made, 1) == 1) {
    }
    ::close(moves[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the game ended by itself with " << WEXITSTATUS(status);

    h.Start(2);
    const int gone = (h.board().CellCount() - h.board().TileCount()) / 2;
    EXPECT_GE(gone, made - 1) << "more than the last move was lost";
    EXPECT_LE(gone, made);
    EXPECT_EQ(h.round().Score(), kScore + gone);
    EXPECT_EQ(h.round().State().scoreAtStart, kScore);
    EXPECT_TRUE(h.Caption().startsWith(QStringLiteral("继续上次的棋局")));
    EXPECT_TRUE(h.boxes.shown.empty()) << h.BoxTexts().join(u'\n').toStdString();

    // Quit now, and started again: the score the quit saved goes with it.
    h.RemoveAPair();
    h.flow->Unload();
    const std::int64_t quitScore = h.round().Score();
    h.Start(2);
    EXPECT_EQ(h.round().Score(), quitScore);
    EXPECT_EQ((h.board().CellCount() - h.board().TileCount()) / 2, gone + 1);
}

} // namespace
} // namespace daz::testing
