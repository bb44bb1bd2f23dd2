// The results of the levels played, as the game keeps and tells them.
#include <gtest/gtest.h>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "GameHarness.h"
#include "presentation/GameTexts.h"

namespace daz::testing {
namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(15, 9, 26));
const QString kOne = QStringLiteral("\\levels\\one\\");

class Results : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.folder.WriteGame({{QStringLiteral("一"), QStringLiteral("one"), 4, 2, 10},
                            {QStringLiteral("二"), QStringLiteral("two"), 4, 2, 10}},
                           1, 100);
        h.desktop.loginName = QStringLiteral(" zhang san ");
        h.Make(2);
        h.parts->results.SetClock([] { return kNow; });
        h.flow->Load();
    }

    Records& Store() { return *h.parts->results.Store(); }

    // Plays level 1 anew: the clock runs for some seconds, then the board
    // is cleared, with a hint first when asked.
    void ClearLevelOne(int seconds, bool hint)
    {
        h.flow->ChooseLevel(1);
        h.timers.Fire(QStringLiteral("LevelClock"), seconds);
        if (hint) {
            h.parts->toolbar.Click(Toolbar::Label::Hint);
        }
        h.ClearBoard();
    }

    GameHarness h;
};

TEST_F(Results, AClearedBoardIsStoredAndToldWithItsTimeAndPlace)
{
    h.timers.Fire(QStringLiteral("LevelClock"), 83);
    h.parts->toolbar.Click(Toolbar::Label::Hint);
    h.ClearBoard();
    EXPECT_EQ(h.round().GetPhase(), Phase::Cleared) << "the old clear stays";
    EXPECT_EQ(h.Caption(), QStringLiteral("正常模式======>当前游戏关卡：1．一　　用时 1分23秒 · 新纪录！"));

    const std::vector<Result> best = Store().Best(kOne, 2);
    ASSERT_EQ(best.size(), 1u);
    const Result& r = best[0];
    EXPECT_EQ(r.levelPath, kOne);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.points, h.round().Score() - 100);
    EXPECT_EQ(r.seconds, 83);
    EXPECT_EQ(r.hints, 1);
    EXPECT_EQ(r.undos + r.shuffles, 0);
    EXPECT_EQ(r.when, kNow);
    EXPECT_EQ(r.player, QStringLiteral("ZHANG SAN"));
    EXPECT_EQ(r.player, h.flow->UserName());
    EXPECT_EQ(r.seed, h.round().RandomAt().seed) << "the seed it was dealt from";
    const std::int64_t hintedPoints = r.points;

    // Slower: second. As fast without the hint's cost: first. As fast
    // with as many points: after the earlier one.
    ClearLevelOne(90, false);
    EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("　　用时 1分30秒 · 本关第2名"))) << h.Caption().toStdString();
    ClearLevelOne(83, false);
    EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("用时 1分23秒 · 新纪录！")));
    ClearLevelOne(83, false);
    EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("用时 1分23秒 · 本关第2名")));
    const std::vector<Result> four = Store().Best(kOne, 2);
    ASSERT_EQ(four.size(), 4u);
    EXPECT_GT(four[0].points, hintedPoints);
    EXPECT_EQ(four[2].points, hintedPoints);
    EXPECT_EQ(four[3].seconds, 90);

    // Level 2 times out, then is cleared in the same mode: a new run of clears.
    h.flow->ChooseLevel(2);
    int timedOutAfter = 0;
    while (h.round().GetPhase() != Phase::TimedOut && timedOutAfter < 100000) {
        h.timers.Fire(QStringLiteral("LevelClock"));
        ++timedOutAfter;
    }
    EXPECT_EQ(h.Caption(), QStringLiteral("正常模式======>当前游戏关卡：2．二"));
    h.flow->ChooseLevel(2);
    h.timers.Fire(QStringLiteral("LevelClock"), 5);
    h.ClearBoard();

    const ModeStatistics s = Store().Statistics(2);
    EXPECT_EQ(s.started, 6);
    EXPECT_EQ(s.cleared, 5);
    EXPECT_EQ(s.timedOut, 1);
    EXPECT_EQ(s.longestRunOfClears, 4);
    EXPECT_EQ(s.secondsPlayed, 83 + 90 + 83 + 83 + timedOutAfter + 5);
    EXPECT_EQ(Store().BestTimes(2),
              (std::vector<std::pair<QString, int>>{{kOne, 83}, {QStringLiteral("\\levels\\two\\"), 5}}));
    EXPECT_EQ(Store().Statistics(3).started, 0);

    // Untimed and slower than every timed clear: a record of its own, kept
    // and counted apart.
    h.round().SetUntimedPlay(true);
    ClearLevelOne(120, false);
    EXPECT_EQ(h.Caption(), QStringLiteral("正常模式（不限时）======>当前游戏关卡：1．一　　用时 2分00秒 · 新纪录！"));
    ASSERT_EQ(Store().Best(kOne, 2).size(), 4u);
    EXPECT_EQ(Store().Best(kOne, 2).back().seconds, 90) << "never among the timed";
    const std::vector<Result> untimed = Store().Best(kOne, 2, 10, true);
    ASSERT_EQ(untimed.size(), 1u);
    EXPECT_EQ(untimed[0].seconds, 120);
    EXPECT_EQ(Store().Statistics(2).started, 6);
    EXPECT_EQ(Store().Statistics(2, true).started * 10 + Store().Statistics(2, true).cleared, 11);
    EXPECT_TRUE(h.boxes.shown.empty()) << h.BoxTexts().join(u'\n').toStdString();
}

TEST_F(Results, ClearingEmptiesTheResultsAndTheStatisticsAndNothingElse)
{
    h.timers.Fire(QStringLiteral("LevelClock"), 10);
    h.ClearBoard();
    h.flow->Unload();
    const QByteArray settings = h.folder.Read(QStringLiteral("DAZGame.ini"));
    const QStringList files = QDir(h.folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    ASSERT_EQ(Store().Best(kOne, 2).size(), 1u);

    ASSERT_TRUE(h.parts->results.Clear());
    EXPECT_TRUE(Store().Best(kOne, 2).empty());
    EXPECT_TRUE(Store().BestTimes(2).empty());
    const ModeStatistics s = Store().Statistics(2);
    EXPECT_EQ(s.started + s.cleared + s.timedOut + s.longestRunOfClears + s.secondsPlayed, 0);
    EXPECT_EQ(h.folder.Read(QStringLiteral("DAZGame.ini")), settings);
    EXPECT_EQ(QDir(h.folder.Path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), files);

    // And results are kept again: the next clear is the level's first place.
    ClearLevelOne(40, true);
    EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("用时 40秒 · 新纪录！")));
    EXPECT_EQ(Store().Statistics(2).cleared, 1);

    // Cleared while a level is in play: that level's start counts again,
    // so its clear never counts without one.
    h.flow->ChooseLevel(1);
    ASSERT_TRUE(h.parts->results.Clear());
    EXPECT_EQ(Store().Statistics(2).started, 1);
    h.ClearBoard();
    EXPECT_EQ(Store().Statistics(2).started, 1);
    EXPECT_EQ(Store().Statistics(2).cleared, 1);
}

TEST_F(Results, AClearTheStoreCouldNotKeepIsToldSoAndWrittenLater)
{
    // Another program holds the store while the board is cleared.
    const QString file = QDir(h.folder.Path()).filePath(QStringLiteral("records.sqlite"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("BEGIN IMMEDIATE")));
    }
    h.timers.Fire(QStringLiteral("LevelClock"), 7);
    h.ClearBoard();
    EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("用时 7秒 · 成绩未能保存"))) << h.Caption().toStdString();

    // It lets go: the next level's start writes the result that waited.
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    ClearLevelOne(9, false);
    EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("用时 9秒 · 本关第2名"))) << h.Caption().toStdString();
    h.Make(2);
    h.parts->results.Open(file);
    ASSERT_EQ(Store().Best(kOne, 2).size(), 2u);
    EXPECT_EQ(Store().Best(kOne, 2)[0].seconds, 7);
    EXPECT_EQ(Store().Statistics(2).started, 2);
}

} // namespace
} // namespace daz::testing
