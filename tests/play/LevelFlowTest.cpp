#include <functional>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "GameHarness.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

QList<Spec> ThreeLevels()
{
    return {{QStringLiteral("春"), QStringLiteral("spring"), 4, 2, 10},
            {QStringLiteral("夏"), QStringLiteral("summer"), 2, 2, 10},
            {QStringLiteral("秋"), QStringLiteral("autumn"), 6, 4, 12}};
}

TEST(LevelFlow, LoadingALevelDealsAndStartsItsClock)
{
    GameHarness h;
    h.folder.WriteGame(ThreeLevels(), 3);
    h.Start(2);
    Round& game = h.round();
    EXPECT_EQ(h.Caption(), QStringLiteral("正常模式======>当前游戏关卡：3．秋"));
    EXPECT_EQ(h.board().MaxX(), 6);
    EXPECT_EQ(h.board().TileCount(), 24);
    EXPECT_EQ(game.Mode(), 2);
    EXPECT_EQ(game.GetPhase(), Phase::Playing);
    EXPECT_FALSE(h.motion().jitter.Running());
    // Twelve pictures, twelve pairs: each picture once per pair.
    std::map<TileCode, int> counts;
    for (int n = 1; n <= 24; ++n) {
        ++counts[h.board().At(h.board().CellOf(n))];
    }
    EXPECT_EQ(counts.size(), 12u);
}

TEST(LevelFlow, TheClockRunsOutAndTheOverlayWaitsForARestart)
{
    GameHarness h;
    h.folder.WriteGame(ThreeLevels());
    h.Start(1);
    h.round().SetScore(7);
    h.timers.Fire(QStringLiteral("LevelClock"), 300);
    ASSERT_EQ(h.round().GetPhase(), Phase::TimedOut);
    EXPECT_TRUE(h.motion().jitter.Running());
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("gameover.wav"));

    h.flow->ClickOverlay();
    EXPECT_EQ(h.round().GetPhase(), Phase::TimedOut);

    // Answering No to the restart question changes nothing; Yes deals anew.
    h.Trigger("restart");
    EXPECT_EQ(h.boxes.shown.back().text, QStringLiteral("你真的要重新开始吗？"));
    EXPECT_EQ(h.boxes.shown.back().caption, QStringLiteral("友情提示"));
    EXPECT_EQ(h.boxes.shown.back().defaultAnswer, platform::MessageAnswer::No);
    EXPECT_EQ(h.round().GetPhase(), Phase::TimedOut);
    h.boxes.answers.push_back(platform::MessageAnswer::Yes);
    h.Trigger("restart");
    EXPECT_EQ(h.round().GetPhase(), Phase::Playing);
    EXPECT_EQ(h.round().TimeLeft(), 3010);
    EXPECT_EQ(h.round().Score(), 7);
}

// A level's pictures are decoded under budgets of their own; the rest of
// the program's pictures (the windows', a later level's background) keep
// the room they had.
TEST(LevelFlow, ReadingALevelLeavesOtherPicturesTheirRoom)
{
    const int before = QImageReader::allocationLimit();
    GameHarness h;
    h.folder.WriteGame(ThreeLevels());
    h.Start(2);
    ASSERT_EQ(h.board().TileCount(), 8);
    EXPECT_EQ(QImageReader::allocationLimit(), before);
}

// A pause is a pause whichever way it began, by the pause label (the one
// that sounds) or by opening a menu: the board hidden, the tools greyed
// out and their keys refused, nothing of the round changing, until the
// picture is clicked.
TEST(LevelFlow, APauseIsAPauseWhicheverWayItBegan)
{
    GameHarness h;
    h.folder.WriteGame(ThreeLevels(), 1, 40);
    h.Start(2);
    ASSERT_TRUE(h.RemoveAPair());
    h.timers.Fire(QStringLiteral("LevelClock"), 3);
    Toolbar& toolbar = h.parts->toolbar;
    const std::function<void()> pauses[] = {[&] { toolbar.Click(Toolbar::Label::Pause); },
                                            [&] { h.OpenMenu(Toolbar::MenuButton::Main); },
                                            [&] { h.OpenMenu(Toolbar::MenuButton::Mode); }};
    for (const auto& pause : pauses) {
        h.effects.played.clear();
        pause();
        EXPECT_EQ(h.Sounds(), &pause == &pauses[0] ? QStringList{QStringLiteral("mousedown3.wav")} : QStringList());
        ASSERT_EQ(h.round().GetPhase(), Phase::Paused);
        const RoundState paused = h.round().State();
        h.timers.Fire(QStringLiteral("LevelClock"), 100);
        for (const Toolbar::Label label :
             {Toolbar::Label::Undo, Toolbar::Label::Hint, Toolbar::Label::Shuffle, Toolbar::Label::Pause}) {
            EXPECT_FALSE(toolbar.Enabled(label)) << Toolbar::ActionOf(label).toStdString();
            toolbar.Click(label);
        }
        for (const char* key : {"undo", "hint", "shuffle"}) {
            EXPECT_FALSE(h.parts->actions.Get(QString::fromLatin1(key))->isEnabled()) << key;
            h.Trigger(key);
        }
        EXPECT_EQ(h.round().State(), paused);
        EXPECT_TRUE(toolbar.Enabled(Toolbar::Label::Restart));

        h.flow->ClickOverlay();
        EXPECT_EQ(h.round().GetPhase(), Phase::Playing);
        EXPECT_FALSE(h.motion().jitter.Running());
    }
}

TEST(LevelFlow, ClearingTheBoardGoesOnToTheNextLevelAndWraps)
{
    GameHarness h;
    h.folder.WriteGame(ThreeLevels(), 2);
    h.Start(2);
    h.ClearBoard();
    ASSERT_EQ(h.round().GetPhase(), Phase::Cleared);
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("gamewin.wav"));

    h.flow->ClickOverlay();
    EXPECT_EQ(h.flow->Place().level, 3);
    EXPECT_EQ(h.round().GetPhase(), Phase::Playing);
    EXPECT_EQ(h.board().MaxX(), 6);

    h.ClearBoard();
    h.flow->ClickOverlay();
    EXPECT_EQ(h.flow->Place().level, 1);
    EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("1．春")));
}

TEST(LevelFlow, ModeMenuAndLevelMenuDealAtOnce)
{
    GameHarness h;
    h.folder.WriteGame(ThreeLevels());
    h.Start(1);
    h.parts->toolbar.Click(Toolbar::Label::Pause);
    h.flow->ChooseMode(4);
    EXPECT_EQ(h.flow->Place().mode, 4);
    EXPECT_FALSE(BoardHidden(h.round().GetPhase()));
    EXPECT_EQ(h.round().Mode(), 4);
    EXPECT_TRUE(h.Caption().startsWith(QStringLiteral("极限模式")));

    h.flow->ChooseLevel(2);
    EXPECT_EQ(h.flow->Place().level, 2);
    EXPECT_EQ(h.board().CellCount(), 4);
    EXPECT_EQ(h.LevelMenu(), (QStringList{QStringLiteral("1．春"), QStringLiteral("2．夏"), QStringLiteral("3．秋")}));
}

TEST(LevelFlow, TheRandomLevelOfAOneLevelCatalogueIsThatLevel)
{
    GameHarness h;
    h.folder.WriteGame({ThreeLevels()[0]});
    h.Start(2);
    for (int i = 0; i < 5; ++i) {
        h.flow->RandomLevel();
        EXPECT_EQ(h.flow->Place().level, 1);
    }
}

TEST(LevelFlow, TheCaptionChangesColourEverySecond)
{
    GameHarness h;
    h.folder.WriteGame(ThreeLevels());
    h.Start(2);
    std::set<int> colours;
    for (int i = 0; i < 40; ++i) {
        h.clock.seconds += 1;
        h.timers.Fire(QStringLiteral("LevelClock"));
        colours.insert(h.motion().caption.Index());
        EXPECT_GE(h.motion().caption.Index(), 0);
        EXPECT_LE(h.motion().caption.Index(), 15);
    }
    EXPECT_GT(colours.size(), 5u);
}

TEST(LevelFlow, ALevelThatCannotBePlayedIsReportedAndTheRestStillPlays)
{
    GameHarness h;
    auto levels = ThreeLevels();
    h.folder.WriteGame(levels, 2);
    QFile::remove(h.folder.File(QStringLiteral("levels/summer/2.gif")));
    h.Start(2);
    ASSERT_FALSE(h.boxes.shown.empty());
    EXPECT_EQ(h.boxes.shown.back().caption, QStringLiteral("提示"));
    EXPECT_TRUE(h.boxes.shown.back().text.contains(QStringLiteral("第2关「夏」")));
    EXPECT_TRUE(h.boxes.shown.back().text.contains(QStringLiteral("2.gif")));
    EXPECT_EQ(h.board().TileCount(), 0);
    EXPECT_EQ(h.round().GetPhase(), Phase::NoLevel);

    h.flow->ChooseLevel(3);
    EXPECT_EQ(h.board().TileCount(), 24);
    EXPECT_EQ(h.round().GetPhase(), Phase::Playing);
}

TEST(LevelFlow, BadBoardSizesAndMissingSettingsAreReported)
{
    GameHarness h;
    QList<Spec> levels{{QStringLiteral("奇"), QStringLiteral("odd"), 3, 3, 10},
                       {QStringLiteral("空"), QStringLiteral("empty"), 4, 2, 10},
                       {QStringLiteral("零"), QStringLiteral("zero"), 0, 4, 10},
                       {QStringLiteral("无"), QStringLiteral("none"), 4, 2, 0},
                       {QStringLiteral("少"), QStringLiteral("few"), 2, 2, 10}};
    h.folder.WriteGame(levels);
    QFile::remove(h.folder.File(QStringLiteral("levels/empty/setme.ini")));
    // Two pairs show pictures 1 and 2 only: the rest need not be there.
    for (int k = 3; k <= 10; ++k) {
        QFile::remove(h.folder.File(QStringLiteral("levels/few/%1.gif").arg(k)));
    }
    h.Start(2);
    EXPECT_TRUE(h.BoxTexts().last().contains(QStringLiteral("3 × 3")));
    h.flow->ChooseLevel(2);
    EXPECT_TRUE(h.BoxTexts().last().contains(QStringLiteral("setme.ini")));
    h.flow->ChooseLevel(3);
    EXPECT_TRUE(h.BoxTexts().last().contains(QStringLiteral("0 × 4")));
    EXPECT_EQ(h.board().TileCount(), 0);
    h.flow->ChooseLevel(4);
    EXPECT_TRUE(h.BoxTexts().last().contains(QStringLiteral("PhotoSum=0")));
    EXPECT_EQ(h.board().TileCount(), 0);
    const auto boxes = h.boxes.shown.size();
    h.flow->ChooseLevel(5);
    EXPECT_EQ(h.boxes.shown.size(), boxes);
    EXPECT_EQ(h.board().TileCount(), 4);
}

// A picture file may be small and still unpack into a huge picture. Its size
// is read from the file before it is decoded: a tile or a mask may be at
// most four times its cell in either direction, or the level cannot start;
// a background or particle sprite beyond sixteen million pixels is left out.
TEST(LevelFlow, PicturesTooLargeForTheirPlaceAreRefused)
{
    const auto picture = [](int width, int height) {
        QImage image(width, height, QImage::Format_Indexed8);
        image.setColorTable({qRgb(40, 120, 90)});
        image.fill(0);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    };
    GameHarness h;
    // 18 × 10 tiles: cells of 586 × 680 twips, so tiles up to 156 × 181 pixels.
    const QList<Spec> levels{{QStringLiteral("宽"), QStringLiteral("wide"), 18, 10, 10},
                             {QStringLiteral("高"), QStringLiteral("tall"), 18, 10, 10},
                             {QStringLiteral("满"), QStringLiteral("full"), 18, 10, 10, 1}};
    h.folder.WriteGame(levels);
    h.folder.Write(QStringLiteral("levels/wide/2.gif"), picture(157, 20));
    h.folder.Write(QStringLiteral("levels/tall/mb1.gif"), picture(20, 182));
    h.folder.Write(QStringLiteral("levels/full/1.gif"), picture(156, 181));
    const QByteArray bomb = picture(4100, 4100);
    ASSERT_LT(bomb.size(), 200 * 1024);
    h.folder.Write(QStringLiteral("levels/full/gameback.jpg"), bomb);
    h.folder.Write(QStringLiteral("Particle/Particle_1.gif"), bomb);

    h.Start(2);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_TRUE(h.BoxTexts().last().contains(QStringLiteral("无法开始")));
    EXPECT_TRUE(h.BoxTexts().last().contains(QStringLiteral("2.gif")));
    EXPECT_EQ(h.board().TileCount(), 0);
    h.flow->ChooseLevel(2);
    ASSERT_EQ(h.boxes.shown.size(), 2u);
    EXPECT_TRUE(h.BoxTexts().last().contains(QStringLiteral("mb1.gif")));

    h.flow->ChooseLevel(3);
    EXPECT_EQ(h.boxes.shown.size(), 2u);
    ASSERT_NE(h.flow->CurrentLevel(), nullptr);
    EXPECT_EQ(h.flow->CurrentLevel()->pictures.Tile(1).size(), QSize(156, 181));
    EXPECT_TRUE(h.flow->CurrentLevel()->pictures.background.isNull());
    EXPECT_TRUE(h.flow->CurrentLevel()->pictures.particle.isNull());
    EXPECT_EQ(h.board().TileCount(), 180);
}

} // namespace
} // namespace daz::testing
