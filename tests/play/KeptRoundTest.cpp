// The unfinished board kept across a quit: Unload() is the quit (the main
// window's close), a new Start() on the same folder the next start.

#include <algorithm>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "KeptRoundPlay.h"
#include "KillPoints.h"
#include "game/KeptRound.h"
#include "leveldata/FileReplace.h"

namespace daz::testing {
namespace {

// Everything the round shows of itself, read through its public face.
struct Seen {
    std::vector<TileCode> grid;
    std::vector<UndoEntry> undo;
    int undoLeft = 0, hintLeft = 0, shuffleLeft = 0;
    int undoUsed = 0, hintUsed = 0, shuffleUsed = 0;
    float timeLeft = 0;
    int seconds = 0;
    std::int64_t score = 0, scoreAtStart = 0;
    Phase phase = Phase::NoLevel;
    std::optional<CellPair> nextHint;
    RandomPlace random; // the level's generator: later shuffles as if never kept
    friend bool operator==(const Seen&, const Seen&) = default;
};

Seen See(GameHarness& h)
{
    const Round& r = h.round();
    Seen seen;
    seen.grid.assign(r.GetBoard().Grid().begin(), r.GetBoard().Grid().end());
    seen.undo = r.Undo().UndoList();
    seen.undoLeft = r.Left(Tool::Undo);
    seen.hintLeft = r.Left(Tool::Hint);
    seen.shuffleLeft = r.Left(Tool::Shuffle);
    seen.undoUsed = r.State().undoUsed;
    seen.hintUsed = r.State().hintUsed;
    seen.shuffleUsed = r.State().shuffleUsed;
    seen.timeLeft = r.TimeLeft();
    seen.seconds = r.State().secondsPlayed;
    seen.score = r.Score();
    seen.scoreAtStart = r.State().scoreAtStart;
    seen.phase = r.GetPhase();
    seen.nextHint = FindPair(r.GetBoard());
    seen.random = r.RandomAt();
    return seen;
}

TEST(KeptRound, AQuitInPlayComesBackExactlyInEveryMode)
{
    for (int mode = 1; mode <= kModeCount; ++mode) {
        for (const bool paused : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "mode " << mode << (paused ? ", paused" : ""));
            GameHarness h;
            h.folder.WriteGame(kLevels, 1, kScore);
            PlayAndQuit(h, mode, paused);
            const Seen quit = See(h); // the flow that quit is still there
            ASSERT_LT(h.board().TileCount(), h.board().CellCount()) << "nothing was played";
            h.Start(mode);
            const Seen resumed = See(h);
            EXPECT_TRUE(resumed == quit);
            EXPECT_EQ(h.parts->results.Store()->Statistics(mode).started, 1) << "a round that goes on is a new start";
            EXPECT_EQ(resumed.seconds, 4);
            EXPECT_EQ(resumed.scoreAtStart, kScore);
            EXPECT_GT(resumed.hintUsed, 0);

            // The caption says so until its timer, whose time runs once the
            // board shows: a paused one's from the pause picture's click.
            // The round goes on being kept.
            EXPECT_TRUE(h.Caption().startsWith(QStringLiteral("继续上次的棋局")));
            EXPECT_TRUE(KeptIsOnTheBoard(h));
            if (paused) {
                h.timers.Fire(QStringLiteral("KeptCaption"));
                EXPECT_TRUE(h.Caption().startsWith(QStringLiteral("继续上次的棋局")))
                    << "its time ran behind the pause picture";
                h.flow->ClickOverlay();
            }
            h.timers.Fire(QStringLiteral("KeptCaption"));
            EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("当前游戏关卡：1．关1")));
            EXPECT_FALSE(h.Caption().contains(QStringLiteral("继续")));
            EXPECT_TRUE(h.boxes.shown.empty());
        }
    }
}

// Every state real play goes through, in every mode, is kept and read back
// as it was, and fits its level: a bar fuller than when dealt (above the
// full one), undone pairs, points lost at the top score, a pause, a bar
// about to run out.
TEST(KeptRound, EveryStateOfPlayIsKeptAndReadBack)
{
    for (int mode = 1; mode <= kModeCount; ++mode) {
        for (const std::int64_t score : {std::int64_t{kScore}, kLargestShownScore}) {
            SCOPED_TRACE(::testing::Message() << "mode " << mode << ", score " << score);
            GameHarness h;
            h.folder.WriteGame(kLevels, 1, score);
            h.Start(mode);
            const Level& level = *h.flow->CurrentLevel();
            int states = 0;
            const auto keptAndReadBack = [&] {
                if (!InPlay(h.round().GetPhase())) {
                    return;
                }
                ++states;
                const KeptRound kept{mode,
                                     level.folder,
                                     LevelDigest(h.parts->ini.Folders(), level.folder, level.settings),
                                     h.round().Score(),
                                     h.round().Score(),
                                     h.round().State()};
                KeptRoundProblem problem;
                const auto read = ParseKeptRound(SerializeKeptRound(kept), problem);
                ASSERT_TRUE(read) << KeptRoundProblemText(problem).toStdString() << " in state " << states;
                EXPECT_TRUE(*read == kept) << "state " << states;
                EXPECT_FALSE(CheckKeptRoundFits(*read, level.settings)) << "state " << states;
            };
            keptAndReadBack();
            float fullest = 0;
            for (int step = 0; step < 40 && InPlay(h.round().GetPhase()); ++step) {
                switch (step % 8) {
                case 0:
                case 5: h.timers.Fire(QStringLiteral("LevelClock"), step % 3 + 1); break;
                case 1:
                case 4: h.RemoveAPair(); break;
                case 2: h.round().Use(Tool::Undo); break;
                case 3: h.round().Use(Tool::Hint); break;
                case 6: h.round().Use(Tool::Shuffle); break;
                case 7:
                    h.round().Use(Tool::Pause);
                    keptAndReadBack();
                    h.flow->ClickOverlay();
                    break;
                }
                fullest = std::max(fullest, h.round().TimeLeft());
                keptAndReadBack();
            }
            // Then the clock alone, to the last second before the bar runs out.
            while (InPlay(h.round().GetPhase())) {
                h.timers.Fire(QStringLiteral("LevelClock"));
                keptAndReadBack();
            }
            EXPECT_EQ(h.round().GetPhase(), Phase::TimedOut);
            EXPECT_GT(states, 60);
            if (mode <= 3) {
                EXPECT_GT(fullest, RulesFor(mode).timeAfterDeal);
            }
        }
    }
}

// A level turned untimed in play is kept so and goes on untimed at the next
// start, whatever the player's choice then: its bar full, never running
// out, its start counted in untimed play. A file kept before untimed play
// (no "untimed") goes on timed.
TEST(KeptRound, AnUntimedRoundGoesOnUntimedAndAnOlderFileTimed)
{
    GameHarness h;
    h.folder.WriteGame(kLevels, 1, kScore);
    h.Start(2);
    h.timers.Fire(QStringLiteral("LevelClock"), 3);
    h.round().SetUntimedPlay(true);
    h.RemoveAPair();
    h.timers.Fire(QStringLiteral("LevelClock"), 2);
    EXPECT_TRUE(h.Caption().contains(QStringLiteral("不限时")));
    h.flow->Unload();
    EXPECT_EQ(h.parts->results.Store()->Statistics(2, true).started, 1) << "turned untimed: started there";
    EXPECT_EQ(h.parts->results.Store()->Statistics(2).started, 1) << "and left as a timed level";

    h.Start(2);
    EXPECT_TRUE(h.Caption().startsWith(QStringLiteral("继续上次的棋局")));
    EXPECT_TRUE(h.round().Untimed());
    EXPECT_EQ(h.round().State().secondsPlayed, 5);
    h.timers.Fire(QStringLiteral("LevelClock"), 1000);
    EXPECT_EQ(h.round().GetPhase(), Phase::Playing);
    EXPECT_EQ(h.round().TimeLeft(), Round::kFullTime);
    h.timers.Fire(QStringLiteral("KeptCaption"));
    EXPECT_TRUE(h.Caption().contains(QStringLiteral("不限时")));
    h.timers.Fire(QStringLiteral("KeepRound"));
    EXPECT_TRUE(KeptIsOnTheBoard(h));
    EXPECT_EQ(h.parts->results.Store()->Statistics(2, true).started, 1) << "a round that goes on is no new start";

    // Kept timed, as a file from before untimed play has it.
    h.Drop();
    ASSERT_TRUE(QFile::remove(KeptFile(h)));
    PlayAndQuit(h, 2);
    QByteArray older = h.folder.Read(QStringLiteral("kept-round.json"));
    ASSERT_TRUE(older.contains("\"untimed\":false,"));
    older.replace("\"untimed\":false,", "");
    h.folder.Write(QStringLiteral("kept-round.json"), older);
    h.Start(2);
    EXPECT_TRUE(h.Caption().startsWith(QStringLiteral("继续上次的棋局")));
    EXPECT_FALSE(h.round().Untimed());
    EXPECT_FALSE(h.Caption().contains(QStringLiteral("不限时")));
    h.timers.Fire(QStringLiteral("LevelClock"), 1000);
    EXPECT_EQ(h.round().GetPhase(), Phase::TimedOut);
}

TEST(KeptRound, EachReasonToDealAnewDoes)
{
    const auto quitInPlay = [](GameHarness& h) {
        h.folder.WriteGame(kLevels, 1, kScore);
        PlayAndQuit(h, 2);
        ASSERT_TRUE(QFileInfo::exists(KeptFile(h)));
    };
    {
        GameHarness h;
        quitInPlay(h);
        h.Start(3);
        ExpectDealtAnew(h, "another mode");
    }
    {
        GameHarness h;
        quitInPlay(h);
        h.folder.WriteCatalogue(kLevels, 2, SavedScore(h));
        h.Start(2);
        ExpectDealtAnew(h, "another level");
    }
    // Any picture the level shows, up to the last one of its three, and its background.
    for (const char* picture : {"1.gif", "3.gif", "mb1.gif", "mb2.gif", "gameback.jpg"}) {
        GameHarness h;
        quitInPlay(h);
        h.folder.Write(QStringLiteral("levels/l1/") + QLatin1String(picture),
                       TestProgramFolder::Picture(20, Qt::green));
        h.Start(2);
        ExpectDealtAnew(h, std::string("a changed ") + picture);
        EXPECT_TRUE(h.boxes.shown.empty());
    }
    {
        GameHarness h;
        quitInPlay(h);
        h.folder.WriteCatalogue(kLevels, 1, SavedScore(h) + 1);
        h.Start(2);
        ExpectDealtAnew(h, "another score");
        EXPECT_TRUE(h.boxes.shown.empty());
    }
    {
        GameHarness h;
        quitInPlay(h);
        h.folder.Write(QStringLiteral("kept-round.json"), h.folder.Read(QStringLiteral("kept-round.json")).left(50));
        h.Start(2);
        ExpectDealtAnew(h, "a damaged file");
        EXPECT_EQ(h.boxes.shown.size(), 1U);
    }
    {
        GameHarness h;
        quitInPlay(h);
        h.Start(2);
        ASSERT_LT(h.board().TileCount(), h.board().CellCount());
        h.boxes.answers.push_back(platform::MessageAnswer::Yes);
        h.Trigger("restart");
        ExpectDealtAnew(h, "a restart");
        // Killed before a move was kept: the next start goes on with the
        // restart's deal.
        h.RemoveAPair();
        h.Start(2);
        EXPECT_EQ(h.board().TileCount(), h.board().CellCount());
        EXPECT_TRUE(h.Caption().startsWith(QStringLiteral("继续上次的棋局")));
    }
    {
        // A level that ended is not kept, and takes a kept round with it.
        GameHarness h;
        quitInPlay(h);
        const QByteArray kept = h.folder.Read(QStringLiteral("kept-round.json"));
        h.Start(2);
        h.ClearBoard();
        h.folder.Write(QStringLiteral("kept-round.json"), kept);
        h.flow->Unload();
        EXPECT_FALSE(QFileInfo::exists(KeptFile(h))) << "a cleared level is kept";
        h.Start(2);
        h.timers.Fire(QStringLiteral("LevelClock"), 1000);
        ASSERT_EQ(h.round().GetPhase(), Phase::TimedOut);
        h.folder.Write(QStringLiteral("kept-round.json"), kept);
        h.flow->Unload();
        EXPECT_FALSE(QFileInfo::exists(KeptFile(h))) << "a timed-out level is kept";
    }
}

// A kill at any step of a quit leaves the round kept before, or the new
// one, whole (kill points: KillPoints.h).
TEST(KeptRound, AKillWhileKeepingLeavesTheOldRoundOrTheNew)
{
    GameHarness h;
    h.folder.WriteGame(kLevels, 1, kScore);
    PlayAndQuit(h, 2);
    const QByteArray older = h.folder.Read(QStringLiteral("kept-round.json"));
    h.Start(2);
    h.RemoveAPair();
    h.timers.Fire(QStringLiteral("LevelClock"));

    const auto quit = [&] { h.flow->Unload(); };
    // Each quit starts from the same files: a killed write's leftovers go
    // (a write that is not killed removes them; that is not what is tried here).
    const auto removeLeftovers = [&] {
        for (const QString& name : QDir(h.folder.Path()).entryList(QDir::Files | QDir::Hidden)) {
            if (IsLeftoverOfWrite(name, KeptFile(h)) || IsLeftoverOfWrite(name, h.folder.File("DAZGame.ini"))) {
                QFile::remove(h.folder.File(name));
            }
        }
    };
    // The files as the quit finds them: the round kept before, or none.
    const auto before = [&](bool keptBefore) {
        if (keptBefore) {
            h.folder.Write(QStringLiteral("kept-round.json"), older);
        } else {
            QFile::remove(KeptFile(h));
        }
        removeLeftovers();
    };
    KeptRoundProblem problem;
    ASSERT_TRUE(ParseKeptRound(older, problem)) << KeptRoundProblemText(problem).toStdString();
    for (const bool keptBefore : {true, false}) {
        before(keptBefore);
        const TracedRun whole = RunUntilKilled(quit, [](qint64) { return false; });
        ASSERT_FALSE(whole.killed);
        const QByteArray newer = h.folder.Read(QStringLiteral("kept-round.json"));
        ASSERT_NE(newer, older);
        ASSERT_TRUE(ParseKeptRound(newer, problem)) << KeptRoundProblemText(problem).toStdString();

        int keptOld = 0, keptNew = 0; // without a round kept before, "old" is no file
        for (qint64 step = 0; step < whole.steps; ++step) {
            before(keptBefore);
            const TracedRun run = RunUntilKilled(quit, [step](qint64 at) { return at == step; });
            ASSERT_TRUE(run.killed) << "step " << step;
            const QByteArray bytes = h.folder.Read(QStringLiteral("kept-round.json"));
            if (!keptBefore && !QFileInfo::exists(KeptFile(h))) {
                ++keptOld;
                continue;
            }
            ASSERT_TRUE(bytes == newer || (keptBefore && bytes == older)) << "a mix after a kill at step " << step;
            (bytes == newer ? keptNew : keptOld) += 1;
        }
        // The kills fell before and after the new round took its place.
        EXPECT_GT(keptOld, 0);
        EXPECT_GT(keptNew, 0);
        std::printf("%lld kill points in a quit, %s a round kept before\n", static_cast<long long>(whole.steps),
                    keptBefore ? "with" : "without");
    }
}

} // namespace
} // namespace daz::testing
