#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include "FakeMessageBoxes.h"
#include "FakeRecords.h"
#include "GameHarness.h"
#include "presentation/BestTimeChart.h"
#include "presentation/GameTexts.h"
#include "presentation/MainWindow.h"
#include "presentation/RecordsWindow.h"
#include "presentation/StatisticsPage.h"

namespace daz::testing {
namespace {

const QString kSpring = QStringLiteral("\\levels\\spring\\");
const QString kAutumn = QStringLiteral("\\levels\\autumn\\");
// Made in the level editor: the catalogue lists it after the shipped ones.
const QString kMine = QStringLiteral("\\gameg\\我的关\\");

std::vector<CatalogueEntry> Catalogue()
{
    return {
        {1, QStringLiteral("春"), kSpring}, {2, QStringLiteral("秋"), kAutumn}, {3, QStringLiteral("我的关"), kMine}};
}

QDateTime Day(int day, int minute = 0)
{
    return QDateTime(QDate(2024, 5, day), QTime(20, minute));
}

QStringList Row(const QTableWidget* table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column) {
        texts.append(table->item(row, column) ? table->item(row, column)->text() : QString());
    }
    return texts;
}

QStringList Column(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) {
        texts.append(table->item(row, column)->text());
    }
    return texts;
}

class ResultsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Twelve results of spring in the normal mode, stored in no order:
        // the window shows the ten best.
        const int seconds[] = {95, 83, 140, 83, 61, 300, 77, 120, 99, 83, 200, 45};
        for (int i = 0; i < 12; ++i) {
            records.Add(kSpring, 2, seconds[i], 100 + i, QStringLiteral("玩家%1").arg(i), Day(1 + i), i % 3, i % 2);
        }
        records.Add(kSpring, 3, 500, 9, QStringLiteral("挑战者"), Day(20));
        records.Add(kMine, 2, 30, 7, QStringLiteral("自己"), Day(21), 1, 2, 3);
        // Faster than all, and untimed: never among the timed.
        records.results.push_back({kSpring, 2, 1, 20, 0, 0, 0, Day(25), QStringLiteral("不限时者"), {}, true});
    }

    FakeRecords records;
    FakeMessageBoxes boxes;
};

TEST_F(ResultsWindow, ListsALevelsBestInPlaceOrderAndFollowsTheChoosers)
{
    daz::RecordsWindow window(&records, Catalogue(), boxes);
    window.Choose(kSpring, 2);
    window.show();

    QStringList levels;
    for (int i = 0; i < window.LevelChooser()->count(); ++i) {
        levels.append(window.LevelChooser()->itemText(i));
    }
    EXPECT_EQ(levels, (QStringList{QStringLiteral("1．春"), QStringLiteral("2．秋"), QStringLiteral("3．我的关")}));

    const QTableWidget* table = window.Table();
    ASSERT_EQ(table->rowCount(), 10);
    EXPECT_EQ(Column(table, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    // Equal times: more points first.
    EXPECT_EQ(Column(table, 3),
              (QStringList{QStringLiteral("45秒"), QStringLiteral("1分01秒"), QStringLiteral("1分17秒"),
                           QStringLiteral("1分23秒"), QStringLiteral("1分23秒"), QStringLiteral("1分23秒"),
                           QStringLiteral("1分35秒"), QStringLiteral("1分39秒"), QStringLiteral("2分00秒"),
                           QStringLiteral("2分20秒")}));
    EXPECT_EQ(Column(table, 2).mid(3, 3), (QStringList{"109", "103", "101"}));
    // Place, player, points, time, undos, hints, shuffles, date.
    EXPECT_EQ(Row(table, 0), (QStringList{"1", QStringLiteral("玩家11"), "111", QStringLiteral("45秒"), "2", "1", "0",
                                          "2024-05-12 20:00"}));

    // Another level, then another mode.
    window.LevelChooser()->setCurrentIndex(2);
    EXPECT_EQ(Row(window.Table(), 0), (QStringList{"1", QStringLiteral("自己"), "7", QStringLiteral("30秒"), "1", "2",
                                                   "3", "2024-05-21 20:00"}));
    ASSERT_EQ(window.Table()->rowCount(), 1);
    window.LevelChooser()->setCurrentIndex(0);
    window.ModeChooser()->setCurrentIndex(2);
    ASSERT_EQ(window.Table()->rowCount(), 1);
    EXPECT_EQ(window.Table()->item(0, 1)->text(), QStringLiteral("挑战者"));
    window.LevelChooser()->setCurrentIndex(1);
    EXPECT_EQ(window.Table()->rowCount(), 0);

    // The statistics: a row per mode, the chart in catalogue order.
    records.stats[2] = {8, 6, 2, 4, 3725};
    window.ModeChooser()->setCurrentIndex(1);
    window.ShowPage(daz::RecordsWindow::Statistics);
    const QTableWidget* stats = window.StatisticsTab()->Table();
    EXPECT_EQ(Row(stats, 1), (QStringList{"8", "6", "2", "75%", "4", QStringLiteral("1小时02分05秒")}));
    EXPECT_EQ(Row(stats, 0), (QStringList{"0", "0", "0", QStringLiteral("—"), "0", QStringLiteral("0秒")}));
    const auto& bars = window.StatisticsTab()->Chart()->Bars();
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].seconds, 45);
    EXPECT_EQ(bars[1].seconds, std::nullopt);
    EXPECT_EQ(bars[2].seconds, 30);
    EXPECT_EQ(bars[2].label, "3");

    // 不限时: untimed play's statistics, best times and results alone.
    records.stats[7] = {1, 1, 0, 1, 20};
    window.UntimedChooser()->setChecked(true);
    EXPECT_EQ(Row(stats, 1), (QStringList{"1", "1", "0", "100%", "1", QStringLiteral("20秒")}));
    EXPECT_TRUE(window.StatisticsTab()->ChartTitle()->text().contains(QStringLiteral("不限时")));
    EXPECT_EQ(bars[0].seconds, 20);
    EXPECT_EQ(bars[2].seconds, std::nullopt);
    window.ShowPage(daz::RecordsWindow::Best);
    window.LevelChooser()->setCurrentIndex(0);
    ASSERT_EQ(window.Table()->rowCount(), 1);
    EXPECT_EQ(Row(window.Table(), 0).mid(0, 4),
              (QStringList{"1", QStringLiteral("不限时者"), "1", QStringLiteral("20秒")}));
}

TEST_F(ResultsWindow, ClearsEveryResultOnlyWhenThePlayerSaysYes)
{
    daz::RecordsWindow window(&records, Catalogue(), boxes);
    window.Choose(kSpring, 2);

    window.ClearButton()->click(); // answered No
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("你真的要清除全部成绩吗？"));
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(records.clears, 0);
    EXPECT_EQ(window.Table()->rowCount(), 10);

    boxes.answers.push_back(platform::MessageAnswer::Yes);
    window.ClearButton()->click();
    EXPECT_EQ(records.clears, 1);
    EXPECT_EQ(window.Table()->rowCount(), 0);
    EXPECT_EQ(boxes.shown.size(), 2u);

    // A store that could not clear: the player is told, the table stays.
    records.Add(kSpring, 2, 60, 1, QStringLiteral("又一个"), Day(22));
    records.clearWorks = false;
    boxes.answers.push_back(platform::MessageAnswer::Yes);
    window.ClearButton()->click();
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[3].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(window.Table()->rowCount(), 1);
}

TEST_F(ResultsWindow, WithoutAStoreSaysResultsCannotBeKeptAndShowsNothing)
{
    records.keeping = false;
    for (Records* store : {static_cast<Records*>(nullptr), static_cast<Records*>(&records)}) {
        daz::RecordsWindow window(store, Catalogue(), boxes);
        window.Choose(kSpring, 2);
        EXPECT_EQ(window.Notice(), QStringLiteral("成绩无法保存"));
        EXPECT_EQ(window.Table(), nullptr);
        EXPECT_EQ(window.ClearButton(), nullptr);
    }
    EXPECT_EQ(records.bestCalls, 0);
}

TEST(RecordsMenu, CtrlROpensTheWindowOverTheMainWindowOnTheLevelInPlayAndPausesIt)
{
    GameHarness h;
    h.folder.WriteGame({TestProgramFolder::LevelSpec(QStringLiteral("甲"), QStringLiteral("a"), 4, 2, 10),
                        TestProgramFolder::LevelSpec(QStringLiteral("乙"), QStringLiteral("b"), 4, 2, 10),
                        TestProgramFolder::LevelSpec(QStringLiteral("丙"), QStringLiteral("c"), 4, 2, 10)});
    h.Start(2);
    h.flow->ChooseMode(3);
    h.flow->ChooseLevel(2);
    MainWindow window(h.WindowParts(), {});
    window.SetRecordsOpener([&](QWidget* parent) { h.OpenRecords(parent); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QAction* item = window.findChild<QAction*>(QStringLiteral("records"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_TRUE(item->isShortcutVisibleInContextMenu());
    ASSERT_EQ(h.round().GetPhase(), Phase::Playing);

    QTest::keyClick(window.windowHandle(), Qt::Key_R, Qt::ControlModifier);
    auto* records = window.findChild<RecordsWindow*>();
    ASSERT_NE(records, nullptr);
    EXPECT_TRUE(records->isVisible());
    EXPECT_TRUE(records->isModal());
    EXPECT_EQ(h.round().GetPhase(), Phase::Paused);

    // Clearing there counts the level in play as started again.
    h.boxes.answers.push_back(platform::MessageAnswer::Yes);
    records->ClearButton()->click();
    EXPECT_EQ(h.parts->results.Store()->Statistics(3).started, 1);
    h.boxes.shown.clear();
    EXPECT_EQ(records->LevelChooser()->currentText(), QStringLiteral("2．乙"));
    EXPECT_EQ(records->ModeChooser()->currentData().toInt(), 3);
    // The keys start on the table; Return closes without asking to clear.
    ASSERT_TRUE(QTest::qWaitForWindowActive(records));
    EXPECT_EQ(QApplication::focusWidget(), records->Table());
    const QPointer<RecordsWindow> closing = records; // it deletes itself once closed
    QTest::keyClick(records->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(h.boxes.shown.empty());
    EXPECT_TRUE(!closing || !closing->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Cleared, its picture still on the board: the cleared level is shown.
    h.flow->ClickOverlay();
    h.ClearBoard();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), Qt::Key_R, Qt::ControlModifier);
    records = window.findChild<RecordsWindow*>();
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(records->LevelChooser()->currentText(), QStringLiteral("2．乙"));
    EXPECT_FALSE(records->UntimedChooser()->isChecked());
    records->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // An untimed level opens it on untimed play.
    h.round().SetUntimedPlay(true);
    h.flow->ClickOverlay();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), Qt::Key_R, Qt::ControlModifier);
    records = window.findChild<RecordsWindow*>();
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(records->LevelChooser()->currentText(), QStringLiteral("3．丙"));
    EXPECT_TRUE(records->UntimedChooser()->isChecked());
    records->close();
}

// The chart rendered at a pixel ratio, and each bar found in it by its
// colour, from left to right: its middle and its height in device pixels.
struct Rendered {
    struct Bar {
        double centre;
        int height;
    };
    QImage image;
    int base = -1; // the lowest row of bar pixels, where every bar stands
    std::vector<Bar> bars;
};

Rendered Render(BestTimeChart& chart, double ratio)
{
    Rendered r;
    r.image = QImage(chart.size() * ratio, QImage::Format_ARGB32);
    r.image.setDevicePixelRatio(ratio);
    chart.render(&r.image);
    const QRgb bar = BestTimeChart::kBarColour.rgb();
    for (int y = r.image.height() - 1; y >= 0 && r.base < 0; --y) {
        for (int x = 0; x < r.image.width() && r.base < 0; ++x) {
            r.base = r.image.pixel(x, y) == bar ? y : -1;
        }
    }
    for (int x = 0; r.base >= 0 && x < r.image.width(); ++x) {
        if (r.image.pixel(x, r.base) != bar) {
            continue;
        }
        int end = x;
        while (end < r.image.width() && r.image.pixel(end, r.base) == bar) {
            ++end;
        }
        int top = r.base;
        while (top > 0 && r.image.pixel((x + end) / 2, top - 1) == bar) {
            --top;
        }
        r.bars.push_back({(x + end) / 2.0, r.base - top + 1});
        x = end;
    }
    return r;
}

// Whether the image has dark (text) pixels in this rectangle of device pixels.
bool HasInk(const QImage& image, QRect area)
{
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

TEST(BestTimeChart, BarsStandAsHighAsTheBestTimesAtOneAndTwiceThePixels)
{
    const std::optional<int> times[] = {83, 45, std::nullopt, 170, 120, 61};
    std::vector<BestTimeChart::Bar> bars;
    for (int i = 0; i < 6; ++i) {
        bars.push_back({QString::number(i + 1), QStringLiteral("第%1关").arg(i + 1), times[i]});
    }
    BestTimeChart chart;
    chart.resize(420, 240);
    chart.SetBars(bars);
    ASSERT_GE(chart.AxisTop(), 170);

    std::vector<Rendered::Bar> single;
    for (const double ratio : {1.0, 2.0}) {
        const Rendered r = Render(chart, ratio);
        const auto& found = r.bars;
        ASSERT_EQ(found.size(), 5u) << ratio;
        // In catalogue order, each in its own place: the level without a
        // time leaves its place empty.
        const double slot = (found[4].centre - found[0].centre) / 5;
        const int places[] = {0, 1, 3, 4, 5};
        const int seconds[] = {83, 45, 170, 120, 61};
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR((found[i].centre - found[0].centre) / slot, places[i], 0.05) << ratio << " bar " << i;
            // As high as its time, to a device pixel.
            EXPECT_NEAR(found[i].height, found[2].height * seconds[i] / 170.0, 1.5) << ratio << " bar " << i;
        }
        // The longest bar takes most of the plot: the axis ends at the
        // round number above it.
        EXPECT_GT(found[2].height, 120 * ratio);
        if (ratio == 1.0) {
            single = found;
        } else {
            for (std::size_t i = 0; i < found.size(); ++i) {
                EXPECT_NEAR(found[i].height, 2 * single[i].height, 2.5) << "bar " << i;
            }
        }
        // The levels' numbers under their bars, the seconds beside the axis.
        for (const auto& bar : found) {
            const int c = static_cast<int>(bar.centre);
            EXPECT_TRUE(HasInk(r.image, QRect(c - 10 * ratio, r.base + 4 * ratio, 20 * ratio, r.image.height())))
                << ratio << " label under " << c;
        }
        const int left = static_cast<int>(found[0].centre - slot / 2);
        EXPECT_TRUE(HasInk(r.image, QRect(0, 0, left - 2, r.base))) << ratio << " the axis' numbers";

        // Anywhere over each place, with a bar or without, the tooltip
        // tells that place's own level.
        for (int place = 0; place < 6; ++place) {
            for (const double across : {-0.4, 0.0, 0.4}) {
                const QPoint at(static_cast<int>((found[0].centre + (place + across) * slot) / ratio),
                                static_cast<int>(r.base / ratio) - 3);
                QHelpEvent help(QEvent::ToolTip, at, chart.mapToGlobal(at));
                QApplication::sendEvent(&chart, &help);
                EXPECT_EQ(QToolTip::text(),
                          QStringLiteral("第%1关：").arg(place + 1)
                              + (times[place] ? DurationText(*times[place]) : QStringLiteral("还没有成绩")))
                    << ratio << " place " << place << " across " << across;
            }
        }
        QToolTip::hideText();
    }
}

} // namespace
} // namespace daz::testing
