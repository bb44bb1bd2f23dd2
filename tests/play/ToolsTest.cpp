#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "GameHarness.h"
#include "engine/Compaction.h"
#include "engine/LinkTest.h"

namespace daz::testing {
namespace {

class Tools : public ::testing::Test {
protected:
    void Start(int mode, int maxX = 6, int maxY = 4, long long score = 100)
    {
        h.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), maxX, maxY, 10}}, 1, score);
        h.Start(mode);
        h.effects.played.clear();
    }
    Toolbar& toolbar() { return h.parts->toolbar; }

    GameHarness h;
};

TEST_F(Tools, UndoPutsPairsBackInReverseOrderAndCostsTwo)
{
    Start(2);
    const auto first = *h.LinkablePair();
    ASSERT_TRUE(h.RemoveAPair());
    const auto second = *h.LinkablePair();
    ASSERT_TRUE(h.RemoveAPair());
    EXPECT_EQ(h.round().Score(), 102);

    toolbar().Click(Toolbar::Label::Undo);
    EXPECT_NE(h.board().At(h.board().CellOf(second.first)), 0);
    EXPECT_TRUE(h.Shown(second.second));
    EXPECT_EQ(h.board().At(h.board().CellOf(first.first)), 0);
    EXPECT_EQ(h.round().Score(), 100);
    EXPECT_EQ(h.round().Left(Tool::Undo), 5);
    EXPECT_EQ(toolbar().Text(Toolbar::Label::Undo), QStringLiteral("←撤消*5"));
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("cx.wav"));

    toolbar().Click(Toolbar::Label::Undo);
    EXPECT_EQ(h.board().TileCount(), 24);
    // Nothing left to undo: refused without a sound or a charge.
    h.effects.played.clear();
    toolbar().Click(Toolbar::Label::Undo);
    EXPECT_EQ(h.round().Score(), 98);
    EXPECT_EQ(h.round().Left(Tool::Undo), 4);
    EXPECT_TRUE(h.effects.played.isEmpty());
}

TEST_F(Tools, UndoAfterAShuffleRestoresThePairWhereItWas)
{
    Start(2);
    const auto pair = *h.LinkablePair();
    const TileCode code = h.board().At(h.board().CellOf(pair.first));
    ASSERT_TRUE(h.RemoveAPair());
    toolbar().Click(Toolbar::Label::Shuffle);
    toolbar().Click(Toolbar::Label::Undo);
    EXPECT_EQ(h.board().At(h.board().CellOf(pair.first)), code);
    EXPECT_EQ(h.board().At(h.board().CellOf(pair.second)), code);
}

TEST_F(Tools, ToolsNeedTheirCounterAndEnoughScore)
{
    Start(3, 6, 4, 9);
    EXPECT_EQ(toolbar().Text(Toolbar::Label::Undo), QStringLiteral("←撤消*0"));
    toolbar().Click(Toolbar::Label::Shuffle); // costs 10
    EXPECT_EQ(h.round().Score(), 9);
    EXPECT_EQ(h.round().Left(Tool::Shuffle), 3);
    ASSERT_TRUE(h.RemoveAPair()); // score 10 now, undo count 0
    h.effects.played.clear();
    toolbar().Click(Toolbar::Label::Undo);
    EXPECT_EQ(h.round().Score(), 10);

    toolbar().Click(Toolbar::Label::Shuffle);
    EXPECT_EQ(h.round().Score(), 0);
    EXPECT_EQ(toolbar().Text(Toolbar::Label::Shuffle), QStringLiteral("※重排*2"));
    EXPECT_EQ(h.Sounds(), QStringList{QStringLiteral("dl.wav")});
    // A score that cannot pay greys the tools; each click is refused with
    // a sound and a note that says why, and costs nothing.
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Shuffle), Toolbar::kUnpaidColour);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Hint), Toolbar::kUnpaidColour);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Restart), Toolbar::kRestColour);
    QStringList notes;
    QObject::connect(&h.parts->actions, &GameActions::refused,
                     [&notes](const QString&, const QString& why) { notes << why; });
    h.effects.played.clear();
    toolbar().Click(Toolbar::Label::Shuffle);
    toolbar().Click(Toolbar::Label::Hint);
    EXPECT_EQ(h.round().Score(), 0);
    EXPECT_EQ(h.round().Left(Tool::Shuffle), 2);
    EXPECT_EQ(h.round().Left(Tool::Hint), 3);
    EXPECT_EQ(h.Sounds(), QStringList(2, QStringLiteral("mousedown2.wav")));
    EXPECT_EQ(notes, QStringList(2, QStringLiteral("积分不足")));
    EXPECT_FALSE(h.motion().hint.Running());
    // Paying again lights them up.
    ASSERT_TRUE(h.RemoveAPair());
    ASSERT_TRUE(h.RemoveAPair());
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Hint), Toolbar::kRestColour);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Shuffle), Toolbar::kUnpaidColour);
}

// Scores stored beyond what the eight digits show are read as the nearer
// bound, and neither a pair nor a tool takes the score past a bound.
TEST(Score, StaysWithinWhatTheDisplayShows)
{
    GameHarness lowest;
    lowest.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), 6, 4, 10}}, 1,
                            std::numeric_limits<std::int64_t>::min());
    lowest.Start(2);
    EXPECT_EQ(lowest.round().Score(), 0);
    lowest.parts->toolbar.Click(Toolbar::Label::Hint);
    EXPECT_EQ(lowest.round().Score(), 0);
    EXPECT_EQ(lowest.round().Left(Tool::Hint), 6);

    GameHarness highest;
    highest.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), 6, 4, 10}}, 1,
                             std::numeric_limits<std::int64_t>::max());
    highest.Start(2);
    EXPECT_EQ(highest.round().Score(), 99'999'999);
    ASSERT_TRUE(highest.RemoveAPair());
    EXPECT_EQ(highest.round().Score(), 99'999'999);
    EXPECT_EQ(ShowScore(highest.round().Score()).digit[7], 9);
    highest.parts->toolbar.Click(Toolbar::Label::Shuffle);
    EXPECT_EQ(highest.round().Score(), 99'999'989);
    highest.flow->Unload();
    EXPECT_TRUE(highest.folder.Read(QStringLiteral("DAZGame.ini")).contains("\r\nUserJF=99999989\r\n"));
}

TEST_F(Tools, AHintFlashesTheFirstPairFourTimesAndEndsShown)
{
    Start(2);
    const auto pair = *h.LinkablePair();
    toolbar().Click(Toolbar::Label::Hint);
    EXPECT_EQ(h.HintPair(), pair);
    EXPECT_EQ(h.round().Score(), 98);
    EXPECT_EQ(h.round().Left(Tool::Hint), 5);
    std::vector<bool> shown;
    for (int tick = 0; tick < 4; ++tick) {
        h.timers.Fire(QStringLiteral("HintFlash"));
        shown.push_back(h.Shown(pair.first));
        EXPECT_EQ(h.Shown(pair.first), h.Shown(pair.second));
    }
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(h.Sounds().count(QStringLiteral("ts.wav")), 4);
    EXPECT_FALSE(h.motion().hint.Running());
    EXPECT_EQ(h.motion().hint.Tick(), 0);
}

TEST_F(Tools, AFlashCutShortNeverLeavesTilesHidden)
{
    Start(2);
    const auto pair = *h.LinkablePair();
    toolbar().Click(Toolbar::Label::Hint);
    h.timers.Fire(QStringLiteral("HintFlash")); // the pair is hidden now
    ASSERT_FALSE(h.Shown(pair.first));
    h.flow->ChooseLevel(1);
    for (int n = 1; n <= h.board().CellCount(); ++n) {
        EXPECT_TRUE(h.Shown(n));
    }
    // The next hint flashes four times again, from a fresh count.
    toolbar().Click(Toolbar::Label::Hint);
    h.timers.Fire(QStringLiteral("HintFlash"), 3);
    EXPECT_TRUE(h.motion().hint.Running());
    h.timers.Fire(QStringLiteral("HintFlash"));
    EXPECT_FALSE(h.motion().hint.Running());
    const auto second = h.HintPair();
    EXPECT_TRUE(h.Shown(second.first));
}

TEST_F(Tools, ClearingTheBoardIsJudgedByTilesNotByHiddenPictures)
{
    // Two pairs: the hint hides one of them, the player removes the other
    // (dealt again until they lie so that both can go).
    Start(2, 2, 2);
    std::vector<int> others;
    for (int deal = 0; deal < 100; ++deal) {
        const CellPair pair = h.LinkablePair().value_or(CellPair{1, 1});
        others.clear();
        for (int n = 1; n <= 4; ++n) {
            if (n != pair.first && n != pair.second) {
                others.push_back(n);
            }
        }
        const Cell a = h.CellOf(others[0]), b = h.CellOf(others[1]);
        if (pair.first != pair.second && IsLink(h.board(), a.x, a.y, b.x, b.y, 2).linked) {
            break;
        }
        h.flow->ChooseLevel(1);
    }
    toolbar().Click(Toolbar::Label::Hint);
    const auto hinted = h.HintPair();
    h.timers.Fire(QStringLiteral("HintFlash"));
    ASSERT_FALSE(h.Shown(hinted.first));
    h.Click(others[0]);
    h.Click(others[1]);
    ASSERT_EQ(h.board().TileCount(), 2);
    EXPECT_EQ(h.round().GetPhase(), Phase::Playing);
    // The flash ends with the hinted tiles shown, and they still play.
    h.timers.Fire(QStringLiteral("HintFlash"), 3);
    EXPECT_TRUE(h.Shown(hinted.first));
    h.Click(hinted.first);
    h.Click(hinted.second);
    EXPECT_EQ(h.round().GetPhase(), Phase::Cleared);
}

TEST_F(Tools, AnEmptiedCellNeverShowsAGhostTile)
{
    Start(2);
    const auto pair = *h.LinkablePair();
    toolbar().Click(Toolbar::Label::Hint);
    // The player takes the hinted pair before the flash is over.
    h.Click(pair.first);
    h.Click(pair.second);
    for (int tick = 1; tick <= 4; ++tick) {
        h.timers.Fire(QStringLiteral("HintFlash"));
        EXPECT_FALSE(h.Shown(pair.first)) << "tick " << tick;
        EXPECT_FALSE(h.Shown(pair.second)) << "tick " << tick;
    }
}

// Once a hinted tile left its cell, the flash hides nothing more, neither
// the other tile nor one that came into a hinted cell: by a shuffle, by a
// slide after another pair, and by the pair taken and undone.
TEST_F(Tools, AFlashHidesNothingOnceOneOfItsTilesLeftItsCell)
{
    const auto hintAndHide = [&] {
        toolbar().Click(Toolbar::Label::Hint);
        h.timers.Fire(QStringLiteral("HintFlash"));
        const CellPair hinted = h.HintPair();
        EXPECT_FALSE(h.Shown(hinted.first));
        return hinted;
    };
    const auto codes = [&](CellPair pair) {
        return std::pair{h.board().At(h.CellOf(pair.first)), h.board().At(h.CellOf(pair.second))};
    };
    const auto expectAllShown = [&](const char* how) {
        for (int tick = 0; tick <= HintFlash::kTicks; ++tick) {
            for (int n = 1; n <= h.board().CellCount(); ++n) {
                EXPECT_FALSE(h.motion().hint.Hides(h.CellOf(n))) << how << ", tick " << tick << ", cell " << n;
            }
            h.timers.Fire(QStringLiteral("HintFlash"));
        }
    };

    Start(2);
    CellPair hinted = hintAndHide();
    const auto before = codes(hinted);
    toolbar().Click(Toolbar::Label::Shuffle);
    ASSERT_NE(codes(hinted), before) << "the shuffle left the hinted pictures in place";
    expectAllShown("shuffled");

    // Tiles fall after every pair: another pair whose going lets a hinted
    // tile fall, and a tile above it into its cell.
    Start(3, 6, 4);
    std::optional<CellPair> letsFall;
    for (int deal = 0; deal < 100 && !letsFall; ++deal) {
        if (deal > 0) {
            h.flow->ChooseLevel(1);
        }
        const Board& board = h.board();
        const CellPair toHint = *h.LinkablePair(); // what the hint will show
        for (int i = 1; i <= board.CellCount() && !letsFall; ++i) {
            for (int j = i + 1; j <= board.CellCount() && !letsFall; ++j) {
                const Cell a = h.CellOf(i), b = h.CellOf(j);
                if (i == toHint.first || i == toHint.second || j == toHint.first || j == toHint.second
                    || board.At(a) == 0 || !IsLink(board, a.x, a.y, b.x, b.y, 3).linked) {
                    continue;
                }
                Board after = board;
                after.RemoveTile(a);
                after.RemoveTile(b);
                SlideDown(after);
                if (after.At(h.CellOf(toHint.first)) != board.At(h.CellOf(toHint.first))
                    || after.At(h.CellOf(toHint.second)) != board.At(h.CellOf(toHint.second))) {
                    letsFall = CellPair{i, j};
                }
            }
        }
    }
    hinted = hintAndHide();
    ASSERT_TRUE(letsFall.has_value());
    const int tiles = h.board().TileCount();
    h.Click(letsFall->first);
    h.Click(letsFall->second);
    ASSERT_EQ(h.board().TileCount(), tiles - 2);
    expectAllShown("slid");

    Start(2);
    hinted = hintAndHide();
    h.timers.Fire(QStringLiteral("HintFlash")); // in sight, to be clicked
    h.Click(hinted.first);
    h.Click(hinted.second);
    ASSERT_EQ(h.board().At(h.CellOf(hinted.first)), 0);
    toolbar().Click(Toolbar::Label::Undo);
    ASSERT_NE(h.board().At(h.CellOf(hinted.first)), 0);
    expectAllShown("taken and undone");
}

TEST_F(Tools, AHintForAnotherPairDuringAFlashShowsTheOldPairAgain)
{
    Start(2);
    const auto first = *h.LinkablePair();
    ASSERT_TRUE(h.RemoveAPair());
    toolbar().Click(Toolbar::Label::Hint);
    const auto second = h.HintPair();
    ASSERT_NE(second, first);
    h.timers.Fire(QStringLiteral("HintFlash")); // the second pair is hidden now
    toolbar().Click(Toolbar::Label::Undo);      // the first pair is back, and first again
    toolbar().Click(Toolbar::Label::Hint);
    ASSERT_EQ(h.HintPair(), first);
    EXPECT_TRUE(h.Shown(second.first));
    EXPECT_TRUE(h.Shown(second.second));
    EXPECT_TRUE(h.Shown(first.first)) << "the new pair starts in sight";
    h.timers.Fire(QStringLiteral("HintFlash"), 4);
    for (int n = 1; n <= h.board().CellCount(); ++n) {
        EXPECT_TRUE(h.Shown(n)) << "cell " << n;
    }
}

// Mode 1 never tests the board after a pair, so it can run out of moves:
// a hint then costs its points and shows nothing, and shuffles nothing.
TEST_F(Tools, AHintOnADeadBoardIsPaidForButShufflesNothing)
{
    Start(1, 4, 4);
    for (int level = 0; level < 40 && (h.board().TileCount() == 0 || h.LinkablePair()); ++level) {
        h.flow->ChooseLevel(1);
        for (int pairs = 0; pairs < 7 && h.LinkablePair(); ++pairs) {
            ASSERT_TRUE(h.RemoveAPair());
        }
    }
    ASSERT_FALSE(h.LinkablePair()) << "no dead board within 40 levels";
    const std::vector<TileCode> before(h.board().Grid().begin(), h.board().Grid().end());
    const long long score = h.round().Score();
    h.effects.played.clear();
    toolbar().Click(Toolbar::Label::Hint);
    EXPECT_EQ(std::vector<TileCode>(h.board().Grid().begin(), h.board().Grid().end()), before);
    EXPECT_FALSE(h.Sounds().contains(QStringLiteral("dl.wav")));
    EXPECT_FALSE(h.motion().hint.Running());
    EXPECT_EQ(h.round().Score(), score - 2);
    EXPECT_EQ(h.round().Left(Tool::Hint), 8);
}

TEST_F(Tools, LabelsLightUpUnderThePointerUntilItCrossesTheStrip)
{
    Start(2);
    toolbar().HoverLabel(Toolbar::Label::Hint);
    toolbar().HoverLabel(Toolbar::Label::Undo);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Hint), Toolbar::kHoverColour);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Undo), Toolbar::kHoverColour);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Pause), Toolbar::kRestColour);
    toolbar().HoverMenuButton(Toolbar::MenuButton::Main);
    EXPECT_EQ(toolbar().MenuButtonPicture(Toolbar::MenuButton::Main), 12);
    toolbar().HoverStrip();
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Hint), Toolbar::kRestColour);
    EXPECT_EQ(toolbar().MenuButtonPicture(Toolbar::MenuButton::Main), 11);
    EXPECT_EQ(toolbar().MenuButtonPicture(Toolbar::MenuButton::Mode), 16);
}

} // namespace
} // namespace daz::testing
