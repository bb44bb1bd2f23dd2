#include <gtest/gtest.h>

#include <QTimer>

#include "MainWindowFixture.h"
#include "presentation/Pictures.h"

namespace daz::testing {
namespace {

TEST_P(InMainWindow, PlaysALevelToTheEndAndGoesOnToTheNext)
{
    Open(GetParam());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("霁岚连连看2006.10.4"));
    EXPECT_TRUE(window->Board()->Caption()->text().endsWith(QStringLiteral("1．甲")));
    EXPECT_TRUE(window->Board()->isVisible());

    ClearWithTheMouse();
    EXPECT_EQ(h.round().GetPhase(), Phase::Cleared);
    EXPECT_FALSE(window->Board()->isVisible());
    ASSERT_TRUE(window->ShowBox()->isVisible());
    EXPECT_FALSE(LabelOf(Toolbar::Label::Hint)->isEnabled());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("digit1"))->pixmap().cacheKey(), ImageList1(5).cacheKey());
    // The clear's time and place show under the cleared picture.
    const QLabel* note = window->Overlay()->Note();
    ASSERT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("用时 "))) << note->text().toStdString();
    EXPECT_TRUE(note->text().endsWith(QStringLiteral("新纪录！"))) << note->text().toStdString();
    EXPECT_GE(note->y(), window->ShowBox()->y());

    QTest::mouseClick(window->ShowBox(), Qt::LeftButton);
    EXPECT_FALSE(window->ShowBox()->isVisible());
    EXPECT_FALSE(note->isVisible());
    EXPECT_TRUE(window->Board()->isVisible());
    EXPECT_EQ(h.flow->Place().level, 2);
    EXPECT_TRUE(window->Board()->Caption()->text().endsWith(QStringLiteral("2．乙")));
    EXPECT_EQ(h.board().TileCount(), 24);
}

// From the first key to the next level without the mouse. The score
// pays for any shuffle a dead deal needs.
TEST_P(InMainWindow, PlaysALevelByKeyboardAloneAndGoesOnToTheNext)
{
    Open(GetParam());
    h.round().SetScore(100);
    ClearWithTheKeyboard();
    EXPECT_EQ(h.round().GetPhase(), Phase::Cleared);
    ASSERT_TRUE(window->ShowBox()->isVisible());
    Key(Qt::Key_Space);
    EXPECT_FALSE(window->ShowBox()->isVisible());
    EXPECT_EQ(h.flow->Place().level, 2);
    EXPECT_EQ(h.board().TileCount(), 24);
    EXPECT_EQ(h.round().CursorCell(), Cell{}) << "a new level starts the cursor afresh";
}

INSTANTIATE_TEST_SUITE_P(EveryMode, InMainWindow, ::testing::Values(1, 2, 3, 4));

class Keys : public InMainWindow {};

// The cursor wraps, rests on empty cells, and hands over to the mouse and
// back; Space, Return and Backspace click where it is.
TEST_F(Keys, TheCursorWrapsRestsAnywhereAndSharesTheHoverWithTheMouse)
{
    Open(2, {}, {Spec(QStringLiteral("甲"), QStringLiteral("a"), 6, 4, 10)});
    Round& game = h.round();
    Key(Qt::Key_Left);
    EXPECT_EQ(game.CursorCell(), (Cell{1, 1}));
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_EQ(game.CursorCell(), (Cell{6, 4}));
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    EXPECT_EQ(game.CursorCell(), (Cell{1, 1}));

    // The mouse takes the hover; the next arrow goes on from its tile.
    ClickTile(h.board().CellNumber({3, 2}));
    ASSERT_TRUE(game.Selection().has_value());
    Key(Qt::Key_Right);
    EXPECT_EQ(game.CursorCell(), (Cell{4, 2}));
    Key(Qt::Key_Left);
    Key(Qt::Key_Space); // on the selected tile: nothing, as with the mouse
    EXPECT_TRUE(game.Selection().has_value());
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(game.Selection().has_value());
    EXPECT_EQ(h.Sounds().last(), QStringLiteral("mousedown2.wav"));

    // A removed pair leaves the cursor in sight on its empty cell, where
    // a left click does nothing and a right click lets a selection go.
    const auto pair = h.LinkablePair();
    ASSERT_TRUE(pair);
    CursorTo(pair->first);
    Key(Qt::Key_Space);
    CursorTo(pair->second);
    Key(Qt::Key_Space);
    ASSERT_EQ(h.board().TileCount(), 22);
    EXPECT_TRUE(game.CursorShown());
    const int sounds = static_cast<int>(h.effects.played.size());
    Key(Qt::Key_Space);
    EXPECT_FALSE(game.Selection().has_value());
    EXPECT_EQ(h.effects.played.size(), sounds);
    CursorTo(pair->first);
    EXPECT_TRUE(game.CursorShown());
    int other = 1;
    while (h.board().At(h.board().CellOf(other)) == 0) {
        ++other;
    }
    CursorTo(other);
    Key(Qt::Key_Return);
    ASSERT_TRUE(game.Selection().has_value());
    CursorTo(pair->first);
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(game.Selection().has_value());
    Key(Qt::Key_Space);
    EXPECT_FALSE(game.Selection().has_value());
    EXPECT_EQ(h.board().TileCount(), 22);

    // Esc lets a selection go.
    CursorTo(other);
    Key(Qt::Key_Space);
    ASSERT_TRUE(game.Selection().has_value());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(game.Selection().has_value());
}

// Each tool key uses its label's tool, pauses and resumes
// as ◆暂停 and its picture do, and does nothing where the label is
// disabled or a modal window is open.
TEST_F(Keys, ToolKeysTakeTheToolbarsPath)
{
    Open(2, MainWindow::LevelTools{{}, [this](QWidget* parent) {
                                       QDialog modal(parent);
                                       QTimer::singleShot(0, &modal, [this, &modal] {
                                           modal.activateWindow();
                                           EXPECT_TRUE(QTest::qWaitForWindowActive(&modal));
                                           const int hints = h.round().Left(Tool::Hint);
                                           for (const Qt::Key key : {Qt::Key_H, Qt::Key_P, Qt::Key_Right, Qt::Key_F5}) {
                                               Key(key);
                                               QTest::keyClick(modal.windowHandle(), key);
                                           }
                                           EXPECT_EQ(h.round().Left(Tool::Hint), hints);
                                           EXPECT_TRUE(h.boxes.shown.empty());
                                           modal.accept();
                                       });
                                       modal.exec();
                                   }});
    h.round().SetScore(100);
    Round& game = h.round();
    struct ToolKey {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Toolbar::Label label;
        Tool tool;
    };
    ASSERT_TRUE(h.RemoveAPair());
    for (const ToolKey& tool : {ToolKey{Qt::Key_Z, Qt::ControlModifier, Toolbar::Label::Undo, Tool::Undo},
                                ToolKey{Qt::Key_H, Qt::NoModifier, Toolbar::Label::Hint, Tool::Hint},
                                ToolKey{Qt::Key_S, Qt::NoModifier, Toolbar::Label::Shuffle, Tool::Shuffle}}) {
        const QString name = LabelOf(tool.label)->text();
        SCOPED_TRACE(name.toStdString());
        const QString keys = QKeySequence(QKeyCombination(tool.modifiers, tool.key)).toString(QKeySequence::NativeText);
        EXPECT_TRUE(LabelOf(tool.label)->toolTip().contains(keys));
        const int left = game.Left(tool.tool);
        Key(tool.key, tool.modifiers);
        EXPECT_EQ(game.Left(tool.tool), left - 1);
        EXPECT_EQ(LabelOf(tool.label)->text(), name.left(name.indexOf(u'*') + 1) + QString::number(left - 1));
    }
    EXPECT_EQ(game.Undo().UndoCount(), 0);

    // P pauses: the board goes, the labels are disabled and take no key.
    EXPECT_TRUE(LabelOf(Toolbar::Label::Pause)->toolTip().contains(QStringLiteral("P")));
    Key(Qt::Key_P);
    EXPECT_EQ(game.GetPhase(), Phase::Paused);
    EXPECT_TRUE(window->ShowBox()->isVisible());
    EXPECT_FALSE(LabelOf(Toolbar::Label::Hint)->isEnabled());
    const int hints = game.Left(Tool::Hint);
    Key(Qt::Key_H);
    Key(Qt::Key_Right);
    EXPECT_EQ(game.Left(Tool::Hint), hints);
    EXPECT_FALSE(game.CursorShown());
    Key(Qt::Key_P); // and again goes on, as a click on the picture
    EXPECT_EQ(game.GetPhase(), Phase::Playing);
    EXPECT_TRUE(window->Board()->isVisible());
    Key(Qt::Key_Pause);
    EXPECT_EQ(game.GetPhase(), Phase::Paused);
    Key(Qt::Key_Return);
    EXPECT_EQ(game.GetPhase(), Phase::Playing);

    // Nothing reaches the game while a modal window is open.
    Action("levelModifier")->trigger();
    EXPECT_EQ(game.GetPhase(), Phase::Playing);
}

} // namespace
} // namespace daz::testing
