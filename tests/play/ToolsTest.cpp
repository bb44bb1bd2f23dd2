#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "GameHarness.h"

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

// Each tool's label spends through the round and sounds its cue; a score
// that cannot pay greys the tools, and each click on one is refused with a
// sound and a note that says why.
TEST_F(Tools, LabelsSpendCueAndGreyAsTheScoreAllows)
{
    Start(2, 6, 4, 11);
    ASSERT_TRUE(h.RemoveAPair());
    h.effects.played.clear();
    toolbar().Click(Toolbar::Label::Undo);
    EXPECT_EQ(h.board().TileCount(), 24);
    toolbar().Click(Toolbar::Label::Shuffle);
    EXPECT_EQ(h.round().Score(), 0);
    EXPECT_EQ(toolbar().Text(Toolbar::Label::Undo), QStringLiteral("←撤消*5"));
    EXPECT_EQ(toolbar().Text(Toolbar::Label::Shuffle), QStringLiteral("※重排*5"));
    EXPECT_EQ(h.Sounds(), (QStringList{QStringLiteral("cx.wav"), QStringLiteral("dl.wav")}));

    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Shuffle), Toolbar::kUnpaidColour);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Hint), Toolbar::kUnpaidColour);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Restart), Toolbar::kRestColour);
    QStringList notes;
    QObject::connect(&h.parts->actions, &GameActions::refused,
                     [&notes](const QString&, const QString& why) { notes << why; });
    h.effects.played.clear();
    toolbar().Click(Toolbar::Label::Shuffle);
    toolbar().Click(Toolbar::Label::Hint);
    EXPECT_EQ(h.Sounds(), QStringList(2, QStringLiteral("mousedown2.wav")));
    EXPECT_EQ(notes, QStringList(2, QStringLiteral("积分不足")));
    EXPECT_FALSE(h.motion().hint.Running());
    // Paying again lights them up.
    ASSERT_TRUE(h.RemoveAPair());
    ASSERT_TRUE(h.RemoveAPair());
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Hint), Toolbar::kRestColour);
    EXPECT_EQ(toolbar().Colour(Toolbar::Label::Shuffle), Toolbar::kUnpaidColour);
}

// A hint flashes the first pair four times and ends with it shown, never
// more than three flashes a second (the most a player sensitive to
// flashing can take); cut short, it leaves no tile hidden, and the next
// one counts afresh.
TEST_F(Tools, AHintFlashesTheFirstPairFourTimesAndNeverLeavesItHidden)
{
    Start(2);
    const auto pair = *h.LinkablePair();
    toolbar().Click(Toolbar::Label::Hint);
    EXPECT_EQ(h.HintPair(), pair);
    std::vector<bool> shown;
    for (int tick = 0; tick < 4; ++tick) {
        h.timers.Fire(QStringLiteral("HintFlash"));
        shown.push_back(h.Shown(pair.first));
        EXPECT_EQ(h.Shown(pair.first), h.Shown(pair.second));
    }
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true}));
    // A flash is the pair going out of sight; each tick lasts the timer's
    // interval.
    const int flashes = static_cast<int>(std::count(shown.begin(), shown.end(), false));
    const double seconds = static_cast<double>(shown.size()) * h.timers[QStringLiteral("HintFlash")].IntervalMs()
                           / 1000;
    EXPECT_LE(flashes / seconds, 3.0);
    EXPECT_EQ(h.Sounds().count(QStringLiteral("ts.wav")), 4);
    EXPECT_FALSE(h.motion().hint.Running());
    EXPECT_EQ(h.motion().hint.Tick(), 0);

    toolbar().Click(Toolbar::Label::Hint);
    h.timers.Fire(QStringLiteral("HintFlash")); // the pair is hidden now
    ASSERT_FALSE(h.Shown(pair.first));
    h.flow->ChooseLevel(1);
    for (int n = 1; n <= h.board().CellCount(); ++n) {
        EXPECT_TRUE(h.Shown(n));
    }
    toolbar().Click(Toolbar::Label::Hint);
    h.timers.Fire(QStringLiteral("HintFlash"), 3);
    EXPECT_TRUE(h.motion().hint.Running());
    h.timers.Fire(QStringLiteral("HintFlash"));
    EXPECT_FALSE(h.motion().hint.Running());
    EXPECT_TRUE(h.Shown(h.HintPair().first));
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

    // Tiles fall after every pair: the pair under the hinted one goes, and
    // the tiles above fall into the hinted cells.
    Start(3, 6, 4);
    RoundState stacked = h.round().State();
    stacked.cells.assign(stacked.cells.size(), 0);
    stacked.cells[6] = 3;
    stacked.cells[7] = 4;
    stacked.cells[12] = stacked.cells[13] = 1; // the hint's
    stacked.cells[18] = stacked.cells[19] = 2;
    h.round().Resume(h.flow->CurrentLevel()->settings, 3, stacked);
    hinted = hintAndHide();
    ASSERT_EQ(hinted, (CellPair{13, 14}));
    h.Click(19);
    h.Click(20);
    ASSERT_EQ(codes(hinted), (std::pair<TileCode, TileCode>{3, 4}));
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
