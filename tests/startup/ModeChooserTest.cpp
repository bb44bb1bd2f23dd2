#include <vector>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeAudio.h"
#include "SeeThrough.h"
#include "TestProgramFolder.h"
#include "presentation/ModeChooser.h"
#include "presentation/ModeChooserWindow.h"

namespace daz {
namespace {

using testing::FakeEffectPlayer;
using testing::ShowsNothingAt;

const QString kChallenge = QStringLiteral(
    "作者最新开发设计，对经典的连连看作了最新的修改，游戏的可玩性增强了。消除后牌会下落！");
const QString kExtreme = QStringLiteral("每消除一对牌的最长思考时间为60秒，你想挑战时间的极限吗？");

constexpr unsigned kLightBlue = 0xFF8080;
constexpr unsigned kOrange = 0x0080FF;

class ModeChooserTest : public ::testing::Test {
protected:
    ModeChooserTest()
    {
        chooser.moveWindowBy = [this](float dx, float dy) { moves.push_back({dx, dy}); };
        chooser.modeChosen = [this](int mode) { chosen.push_back(mode); };
        chooser.exitChosen = [this] { ++exits; };
    }

    void OverBackground(Qt::MouseButtons buttons = Qt::NoButton, float x = 300, float y = 300)
    {
        chooser.MouseMoveBackground(buttons, x, y);
    }

    struct Move {
        float dx, dy;
    };

    FakeEffectPlayer effects;
    testing::TestProgramFolder folder;
    ModeChooser chooser{effects, folder.Path()};
    std::vector<Move> moves;
    std::vector<int> chosen;
    int exits = 0;
};

TEST_F(ModeChooserTest, AnEntryLightsUpOnlyAfterThePointerCrossedTheBackground)
{
    // At first the pointer has not been over the background.
    EXPECT_EQ(chooser.Description(), ModeChooser::RestingCredit());
    chooser.MouseMoveEntry(1);
    EXPECT_TRUE(effects.played.isEmpty());
    EXPECT_EQ(chooser.Colour(1), kLightBlue);

    // The hover sound plays before the effects switch is read.
    OverBackground();
    chooser.MouseMoveEntry(3);
    ASSERT_EQ(effects.played.size(), 1);
    EXPECT_EQ(effects.played[0], folder.File(QStringLiteral("sound/mousedown1.wav")));
    EXPECT_EQ(chooser.Colour(3), kOrange);
    EXPECT_EQ(chooser.Description(), kChallenge);

    // Straight on to the next entry, and back: nothing changes.
    chooser.MouseMoveEntry(4);
    chooser.MouseMoveEntry(3);
    EXPECT_EQ(effects.played.size(), 1);
    EXPECT_EQ(chooser.Colour(3), kOrange);
    EXPECT_EQ(chooser.Colour(4), kLightBlue);
    EXPECT_EQ(chooser.Description(), kChallenge);

    // Over the background everything rests; the next entry lights up.
    OverBackground();
    EXPECT_EQ(chooser.Colour(3), kLightBlue);
    EXPECT_EQ(chooser.Description(), ModeChooser::RestingCredit());
    chooser.MouseMoveEntry(4);
    EXPECT_EQ(effects.played.size(), 2);
    EXPECT_EQ(chooser.Colour(3), kLightBlue);
    EXPECT_EQ(chooser.Colour(4), kOrange);
    EXPECT_EQ(chooser.Description(), kExtreme);
}

// A mode's entry sets the mode and hands over; the exit entry ends without
// choosing one.
TEST_F(ModeChooserTest, PressingAnEntrySetsItsModeOrExits)
{
    for (int mode = 1; mode <= 4; ++mode) {
        chooser.MouseDownEntry(mode);
        EXPECT_EQ(chosen.back(), mode);
    }
    EXPECT_EQ(chosen, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(exits, 0);

    chooser.MouseDownEntry(0);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(chosen.size(), 4u);
}

TEST_F(ModeChooserTest, LeftDragFollowsThePointerFromWhereItWasPressed)
{
    // Other buttons do not start a drag.
    chooser.MouseDownBackground(Qt::RightButton, 100, 100);
    chooser.MouseDownBackground(Qt::MiddleButton, 100, 100);
    EXPECT_FALSE(chooser.Dragging());
    OverBackground(Qt::LeftButton, 400, 400);
    EXPECT_TRUE(moves.empty());

    chooser.MouseDownBackground(Qt::LeftButton, 150.25f, 300.5f);
    EXPECT_TRUE(chooser.Dragging());
    EXPECT_FLOAT_EQ(chooser.DragX(), 150.25f);
    EXPECT_EQ(chooser.DragY(), 300); // half to even

    OverBackground(Qt::LeftButton, 450.25f, 615.5f);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_FLOAT_EQ(moves[0].dx, 300.0f);
    EXPECT_FLOAT_EQ(moves[0].dy, 315.5f);

    // Only the left button alone drags.
    OverBackground(Qt::LeftButton | Qt::RightButton, 600, 600);
    OverBackground(Qt::NoButton, 600, 600);
    EXPECT_EQ(moves.size(), 1u);

    chooser.MouseUpBackground();
    EXPECT_FALSE(chooser.Dragging());
    OverBackground(Qt::LeftButton, 10, 10);
    EXPECT_EQ(moves.size(), 1u);

    chooser.MouseDownBackground(Qt::LeftButton, 0, 301.5f);
    EXPECT_EQ(chooser.DragY(), 302);
    // From far outside the window the start stays in range.
    chooser.MouseDownBackground(Qt::LeftButton, 0, 1e9f);
    EXPECT_EQ(chooser.DragY(), 32767);
    chooser.MouseDownBackground(Qt::LeftButton, 0, -1e9f);
    EXPECT_EQ(chooser.DragY(), -32768);
}

// --- The window ------------------------------------------------------------

class ModeChooserWindowTest : public ::testing::Test {
protected:
    ModeChooserWindowTest()
    {
        window = new ModeChooserWindow(effects, folder.Path());
        window->onModeChosen = [this](int mode) {
            chosen.push_back(mode);
            hiddenWhileHandingOver = !window->isVisible();
        };
        window->Load();
    }
    ~ModeChooserWindowTest() override
    {
        delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QColor TextColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

    // The pointer moves over a widget with no button held. The event goes
    // through the application, which passes it on to the parent when the
    // widget does not take it, as for a real pointer.
    static void Hover(QWidget* widget, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static void Hover(QLabel* entry) { Hover(entry, entry->rect().center()); }

    // A point of the window's background, clear of every label.
    static constexpr QPoint kBackground{30, 200};

    FakeEffectPlayer effects;
    testing::TestProgramFolder folder;
    QPointer<ModeChooserWindow> window;
    std::vector<int> chosen;
    bool hiddenWhileHandingOver = false;
};

TEST_F(ModeChooserWindowTest, LayoutTitleAndShape)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("系统设置"));
    EXPECT_EQ(window->size(), QSize(361, 368));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QLabel* easy = window->EntryLabel(1);
    ASSERT_NE(easy, nullptr);
    EXPECT_EQ(easy->text(), QStringLiteral("简单模式"));
    EXPECT_EQ(easy->geometry(), QRect(112, 96, 120, 29));
    EXPECT_EQ(window->EntryLabel(0)->geometry().topLeft(), QPoint(112, 272));
    EXPECT_EQ(TextColour(easy), QColor(128, 128, 255));
    EXPECT_EQ(window->DescriptionLabel()->geometry().topLeft(), QPoint(48, 328));
    EXPECT_EQ(window->DescriptionLabel()->text(), ModeChooser::RestingCredit());
    EXPECT_EQ(TextColour(window->DescriptionLabel()), QColor(255, 0, 0));

    // Black is see-through, the entries are not.
    EXPECT_TRUE(ShowsNothingAt(*window, QPoint(360, 367)));  // beyond the picture
    EXPECT_TRUE(ShowsNothingAt(*window, QPoint(0, 0)));      // the picture's black corner
    EXPECT_FALSE(ShowsNothingAt(*window, QPoint(172, 110))); // over "简单模式"
    EXPECT_FALSE(ShowsNothingAt(*window, QPoint(176, 340))); // over the description
}

TEST_F(ModeChooserWindowTest, PointerCrossingFromTheBackgroundLightsAnEntry)
{
    QLabel* challenge = window->EntryLabel(3);
    QLabel* extreme = window->EntryLabel(4);
    Hover(window, kBackground);
    Hover(challenge);
    EXPECT_EQ(effects.played.size(), 1);
    EXPECT_EQ(TextColour(challenge), QColor(255, 128, 0));
    EXPECT_EQ(window->DescriptionLabel()->text(), kChallenge);

    Hover(extreme);
    EXPECT_EQ(effects.played.size(), 1);
    EXPECT_EQ(TextColour(extreme), QColor(128, 128, 255));

    // The description line is not background: it does not re-arm.
    Hover(window->DescriptionLabel(), QPoint(5, 5));
    Hover(extreme);
    EXPECT_EQ(effects.played.size(), 1);

    Hover(window, kBackground);
    EXPECT_EQ(TextColour(challenge), QColor(128, 128, 255));
    Hover(extreme);
    EXPECT_EQ(effects.played.size(), 2);
    EXPECT_EQ(TextColour(extreme), QColor(255, 128, 0));
    EXPECT_EQ(window->DescriptionLabel()->text(), kExtreme);
}

// Up/Down and Tab walk the five entries round, lighting each as the
// pointer would; after the pointer lit one they go on from there.
TEST_F(ModeChooserWindowTest, KeysWalkTheEntriesAndReturnChooses)
{
    const auto lit = [this] {
        std::vector<int> entries;
        for (int index = 0; index <= 4; ++index) {
            if (TextColour(window->EntryLabel(index)) == QColor(255, 128, 0)) {
                entries.push_back(index);
            }
        }
        return entries;
    };
    QTest::keyClick(window, Qt::Key_Space); // nothing is lit: nothing is chosen
    EXPECT_TRUE(chosen.empty());
    QTest::keyClick(window, Qt::Key_Up);
    EXPECT_EQ(lit(), std::vector<int>{0});
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_EQ(lit(), std::vector<int>{3});
    EXPECT_EQ(window->DescriptionLabel()->text(), kChallenge);
    EXPECT_EQ(effects.played.size(), 4);
    QTest::keyClick(window, Qt::Key_Backtab);
    EXPECT_EQ(lit(), std::vector<int>{2});

    Hover(window, kBackground);
    EXPECT_EQ(lit(), std::vector<int>{});
    Hover(window->EntryLabel(4));
    QTest::keyClick(window, Qt::Key_Down);
    EXPECT_EQ(lit(), std::vector<int>{0});
    QTest::keyClick(window, Qt::Key_Up);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(chosen, std::vector<int>{4});
}

TEST_F(ModeChooserWindowTest, EscLeavesWithoutChoosing)
{
    QTest::keyClick(window, Qt::Key_Down);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(chosen.empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(ModeChooserWindowTest, RightButtonOnAnEntryStartsThatMode)
{
    QTest::mousePress(window->EntryLabel(2), Qt::RightButton);
    QTest::mouseRelease(window->EntryLabel(2), Qt::RightButton);
    EXPECT_EQ(chosen, std::vector<int>{2});
    EXPECT_TRUE(hiddenWhileHandingOver);
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "the chooser closes once the main window is up";
}

TEST_F(ModeChooserWindowTest, ExitClosesWithoutAQuestion)
{
    QTest::mousePress(window->EntryLabel(0), Qt::LeftButton);
    QTest::mouseRelease(window->EntryLabel(0), Qt::LeftButton);
    EXPECT_TRUE(chosen.empty());
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(widget), nullptr);
        EXPECT_FALSE(widget->isVisible()) << "no window is left";
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

// Only the left button on the background drags, by the pointer's movement.
TEST_F(ModeChooserWindowTest, DraggingMovesTheWindowByThePointersMovement)
{
    const QPoint start = window->pos();
    QTest::mousePress(window, Qt::RightButton, {}, kBackground);
    QTest::mouseMove(window, kBackground + QPoint(40, 40));
    QTest::mouseRelease(window, Qt::RightButton, {}, kBackground + QPoint(40, 40));
    EXPECT_EQ(window->pos(), start);

    QLabel* line = window->DescriptionLabel();
    QTest::mousePress(line, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(line, QPoint(45, 15));
    QTest::mouseRelease(line, Qt::LeftButton, {}, QPoint(45, 15));
    EXPECT_EQ(window->pos(), start) << "the description line is not background";

    QTest::mousePress(window, Qt::LeftButton, {}, kBackground);
    QTest::mouseMove(window, kBackground + QPoint(40, -25));
    EXPECT_EQ(window->pos(), start + QPoint(40, -25));

    // The next movement is measured from where the window is now.
    QTest::mouseMove(window, kBackground + QPoint(7, 3));
    EXPECT_EQ(window->pos(), start + QPoint(47, -22));

    QTest::mouseRelease(window, Qt::LeftButton, {}, kBackground + QPoint(7, 3));
    Hover(window, kBackground + QPoint(20, 20));
    EXPECT_EQ(window->pos(), start + QPoint(47, -22));
}

} // namespace
} // namespace daz
