// A level's boards follow from its seed and the player's moves alone: not
// from the clock, nor the motion on screen, nor a quit in between.

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "KeptRoundPlay.h"

namespace daz::testing {
namespace {

using Boards = std::vector<std::vector<TileCode>>;

constexpr std::uint64_t kSeed = 0x5eed;

// A level with falling flowers over a board large enough for a long game.
const QList<TestProgramFolder::LevelSpec> kFlowers{
    {QStringLiteral("花"), QStringLiteral("flowers"), 8, 6, 12, Particles::Flowers}};

// A harness whose flow draws the next level's seed from a generator of this seed.
void Prepare(GameHarness& h, std::uint64_t seed)
{
    h.folder.WriteGame(kFlowers, 1, 100);
    h.folder.WriteParticle(Particles::Flowers);
    h.random = Random(seed);
}

std::vector<TileCode> Grid(GameHarness& h)
{
    return {h.board().Grid().begin(), h.board().Grid().end()};
}

// Plays the moves from one step to another, each after between(): mostly
// the pair the hint would show (with the slides and the reshuffles of a
// dead board the mode brings), now and then a bought shuffle or a free
// one. The board after each move.
Boards Play(GameHarness& h, int from, int to, const std::function<void()>& between = {})
{
    Boards boards;
    for (int step = from; step < to && InPlay(h.round().GetPhase()); ++step) {
        if (between) {
            between();
        }
        if (step % 6 == 2) {
            h.round().Use(Tool::Shuffle);
        } else if (step % 6 == 5 || !h.RemoveAPair()) {
            h.round().ShuffleBoard();
        }
        boards.push_back(Grid(h));
    }
    return boards;
}

TEST(Replay, TheSameSeedAndMovesGiveTheSameBoardsThoughTheRoundIsKeptHalfway)
{
    for (int mode = 1; mode <= kModeCount; ++mode) {
        SCOPED_TRACE(::testing::Message() << "mode " << mode);
        GameHarness straight;
        Prepare(straight, kSeed);
        straight.Start(mode);
        EXPECT_EQ(straight.round().RandomAt().seed, Random(kSeed).Bits()) << "the seed is the flow's draw";
        const std::vector<TileCode> dealt = Grid(straight);
        const Boards boards = Play(straight, 0, 18);
        ASSERT_EQ(boards.size(), 18u);

        // The same seed, quit halfway and resumed by the next start, whose
        // flow would draw another seed: the kept generator goes on.
        GameHarness kept;
        Prepare(kept, kSeed);
        kept.Start(mode);
        EXPECT_EQ(Grid(kept), dealt);
        Boards replayed = Play(kept, 0, 9);
        kept.flow->Unload();
        kept.random = Random(kSeed + 1);
        kept.Start(mode);
        ASSERT_TRUE(kept.Caption().startsWith(QStringLiteral("继续上次的棋局")));

        for (const auto& board : Play(kept, 9, 18)) {
            replayed.push_back(board);
        }
        EXPECT_TRUE(replayed == boards);

        // Another seed deals another board.
        kept.flow->ChooseLevel(1);
        EXPECT_NE(Grid(kept), dealt);
    }

    // A round kept before rounds kept their generator goes on, with a
    // fresh seed from the flow.
    GameHarness older;
    Prepare(older, kSeed);
    older.Start(4);
    Play(older, 0, 3);
    older.flow->Unload();
    QJsonObject object = QJsonDocument::fromJson(older.folder.Read(QStringLiteral("kept-round.json"))).object();
    ASSERT_TRUE(object.contains(QStringLiteral("seed")) && object.contains(QStringLiteral("draws")));
    object.remove(QStringLiteral("seed"));
    object.remove(QStringLiteral("draws"));
    older.folder.Write(QStringLiteral("kept-round.json"), QJsonDocument(object).toJson());
    const std::vector<TileCode> quit = Grid(older);
    older.random = Random(kSeed + 2);
    older.Start(4);
    EXPECT_TRUE(older.boxes.shown.empty());
    EXPECT_EQ(Grid(older), quit);
    EXPECT_EQ(older.round().RandomAt(), (RandomPlace{Random(kSeed + 2).Bits(), 0}));
    EXPECT_EQ(Play(older, 3, 7).size(), 4u);
}

TEST(Replay, MotionOnScreenNeverChangesTheBoards)
{
    for (const int mode : {3, 4}) {
        SCOPED_TRACE(::testing::Message() << "mode " << mode);
        GameHarness still;
        Prepare(still, kSeed);
        still.Start(mode);
        const Boards boards = Play(still, 0, 18);

        // The flowers fall, the caption changes colour, the clock moves on
        // between the moves, and a pause shows the jittering picture.
        GameHarness moving;
        Prepare(moving, kSeed);
        moving.Start(mode);
        ASSERT_TRUE(moving.parts->particles.TimerRunning());
        int step = 0;
        const Boards seen = Play(moving, 0, 18, [&] {
            moving.clock.seconds += 0.37;
            moving.timers.Fire(QStringLiteral("Particles"), 3);
            moving.timers.Fire(QStringLiteral("LevelClock"));
            if (++step % 4 == 0) {
                moving.round().Use(Tool::Pause);
                moving.timers.Fire(QStringLiteral("OverlayJitter"), 2);
                moving.flow->ClickOverlay();
            }
        });
        EXPECT_TRUE(seen == boards);
    }
}

} // namespace
} // namespace daz::testing
