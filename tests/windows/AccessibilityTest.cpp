// What a screen reader is told beyond what the AT-SPI test (tests/access)
// hears in one pair: the words of every announcement, with the cells and
// the clear's note they carry, and the pictures' names from the level's
// pictures.ini.
#include <QAccessible>

#include "MainWindowFixture.h"
#include "presentation/Announcer.h"
#include "presentation/BoardCaption.h"

namespace daz::testing {
namespace {

class Accessible : public InMainWindow {};

TEST_F(Accessible, AnnouncesHintShufflePauseClearAndTimeOut)
{
    Open(1);
    Announcer& announcer = *window->Announcements();
    h.round().SetScore(100);

    Key(Qt::Key_H);
    const BoardView& board = *window->Board();
    const Cell first = h.motion().hint.First(), second = h.motion().hint.Second();
    ASSERT_TRUE(h.board().InField(first) && h.board().InField(second));
    // The hinted cells, each with its picture, for the player cannot see them blink.
    EXPECT_EQ(announcer.Text(), QStringLiteral("提示：%1 与 %2").arg(board.CellName(first), board.CellName(second)));
    EXPECT_NE(board.CellName(first).indexOf(QStringLiteral("图案")), -1);

    Key(Qt::Key_S);
    EXPECT_EQ(announcer.Text(), QStringLiteral("已重排"));
    Key(Qt::Key_P);
    EXPECT_EQ(announcer.Text(), QStringLiteral("已暂停"));
    Key(Qt::Key_P);
    EXPECT_EQ(announcer.Text(), QStringLiteral("继续"));

    // The clear is told with its time and place, once the result is kept.
    ClearWithTheKeyboard();
    QCoreApplication::processEvents(); // the clear is told after the round's end is settled
    const QString note = h.WindowParts().caption.ClearNote();
    ASSERT_FALSE(note.isEmpty());
    EXPECT_EQ(announcer.Text(), QStringLiteral("过关！") + note);

    // The next level runs out of time.
    Key(Qt::Key_Space);
    ASSERT_EQ(h.round().GetPhase(), Phase::Playing);
    for (int guard = 0; guard < 1000 && h.round().GetPhase() == Phase::Playing; ++guard) {
        h.timers.Fire(QStringLiteral("LevelClock"));
    }
    ASSERT_EQ(h.round().GetPhase(), Phase::TimedOut);
    EXPECT_EQ(announcer.Text(), QStringLiteral("时间到"));
}

TEST_F(Accessible, NamesCellsByPlaceAndPictureAndTheToolsByTheirUsesLeft)
{
    // Picture 1 is named in Chinese, picture 2 only in English; the others have none.
    Spec named(QStringLiteral("甲"), QStringLiteral("a"), 4, 2, 10);
    named.pictureNames = "[en]\n1=Rat\n2=Ox\n[zh]\n1=鼠\n";
    Open(2, {}, {named});
    const BoardView& board = *window->Board();
    const Board& cells = h.board();
    for (int number = 1; number <= cells.MaxX() * cells.MaxY(); ++number) {
        const Cell cell = cells.CellOf(number);
        const TileCode code = cells.At(cell);
        const QString picture = code == 1   ? QStringLiteral("鼠")
                                : code == 2 ? QStringLiteral("Ox")
                                            : QStringLiteral("图案 %1").arg(code);
        EXPECT_EQ(board.CellName(cell), QStringLiteral("第%1行第%2列：%3").arg(cell.y).arg(cell.x).arg(picture));
    }

    // A pair goes: its cells say they are empty, and the table is the board's.
    const auto pair = h.LinkablePair();
    ASSERT_TRUE(pair);
    ClickTile(pair->first);
    ClickTile(pair->second);
    const Cell gone = h.CellOf(pair->first);
    EXPECT_EQ(board.CellName(gone), QStringLiteral("第%1行第%2列：空").arg(gone.y).arg(gone.x));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->Board());
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->tableInterface()->rowCount(), cells.MaxY());
    EXPECT_EQ(table->tableInterface()->columnCount(), cells.MaxX());
    QAccessibleInterface* goneCell = table->tableInterface()->cellAt(gone.y - 1, gone.x - 1);
    ASSERT_TRUE(goneCell);
    EXPECT_EQ(goneCell->text(QAccessible::Name), board.CellName(gone));
    EXPECT_FALSE(goneCell->state().selectable);

    // The counted tools are named with their uses left, as they change.
    h.round().SetScore(100);
    Key(Qt::Key_H);
    QAccessibleInterface* hint = QAccessible::queryAccessibleInterface(LabelOf(Toolbar::Label::Hint));
    ASSERT_TRUE(hint);
    EXPECT_EQ(hint->role(), QAccessible::Button);
    EXPECT_EQ(hint->text(QAccessible::Name), QStringLiteral("提示，剩余 %1 次").arg(h.round().Left(Tool::Hint)));
    // Pressed by a client, a tool does what its click does.
    const int shuffles = h.round().Left(Tool::Shuffle);
    QAccessibleInterface* shuffle = QAccessible::queryAccessibleInterface(LabelOf(Toolbar::Label::Shuffle));
    ASSERT_TRUE(shuffle && shuffle->actionInterface());
    shuffle->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(h.round().Left(Tool::Shuffle), shuffles - 1);
}

} // namespace
} // namespace daz::testing
