// What the board shows on screen after a change, against what a full
// paint of the board draws: pictures larger than their cells, and a pair
// that goes.
#include <gtest/gtest.h>

#include <QTest>

#include "GameHarness.h"
#include "ScreenCompare.h"
#include "presentation/BoardMotion.h"
#include "presentation/BoardView.h"
#include "presentation/Contrast.h"
#include "presentation/MainWindow.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

// A 12 × 8 level whose pictures overhang their cells by about half a cell,
// with masks much smaller than the tiles, so that only the tiles' own
// repaint shows or clears most of their pixels.
class BoardPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        Spec level(QStringLiteral("甲"), QStringLiteral("a"), 12, 8, 40);
        level.tilePixels = 80;
        h.folder.WriteGame({level}, 1, 100); // points enough for a hint
        h.folder.Write(QStringLiteral("levels/a/mb1.gif"), TestProgramFolder::Picture(12, QColor(255, 0, 0, 90)));
        h.folder.Write(QStringLiteral("levels/a/mb2.gif"), TestProgramFolder::Picture(12, QColor(0, 0, 255, 60)));
        h.Start(2);
        window = std::make_unique<MainWindow>(h.WindowParts(), MainWindow::LevelTools{});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        board = window->Board();
        ASSERT_GT(board->TileRect(Cell{1, 1}).width(), CellBox(Cell{1, 1}).width() * 4 / 3) << "no overhang";
        Settle();
    }

    QRect CellBox(Cell cell) const
    {
        const QPoint corner = board->Geometry().Corner(cell);
        return QRect(corner, board->Geometry().Corner(Cell{cell.x + 1, cell.y + 1}) - QPoint(1, 1));
    }

    void MouseClick(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(board, &move);
        QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, at);
    }

    GameHarness h;
    std::unique_ptr<MainWindow> window;
    BoardView* board = nullptr;
};

// The part of a picture over its right and lower neighbours' cells takes
// the pointer where no later tile lies over it; in the margin too.
TEST_F(BoardPaint, AClickOnAPicturesOverhangSelectsThatPicture)
{
    const Board& cells = h.board();
    for (const Cell cell : {Cell{cells.MaxX(), 1}, Cell{1, cells.MaxY()}, Cell{cells.MaxX(), cells.MaxY()}}) {
        const QRect box = CellBox(cell);
        const QRect picture = board->TileRect(cell);
        // Right of the last column, below the last row.
        const QPoint over = cell.x == cells.MaxX()
                                ? QPoint(box.right() + (picture.right() - box.right()) / 2, box.top() + 4)
                                : QPoint(box.left() + 4, box.bottom() + (picture.bottom() - box.bottom()) / 2);
        ASSERT_FALSE(box.contains(over));
        MouseClick(over);
        ASSERT_TRUE(h.round().Selection().has_value()) << cell.x << "," << cell.y;
        EXPECT_EQ(*h.round().Selection(), cell);
        QTest::mouseClick(board, Qt::RightButton, Qt::NoModifier, over);
        ASSERT_FALSE(h.round().Selection().has_value());
    }
}

// A pair goes: at once, with no other repaint, the screen shows what a
// full paint draws over both cells, where the tiles before them overhang
// into the emptied cells; and that shows nothing of the two tiles.
TEST_F(BoardPaint, APairGoesFromTheScreenAtOnceAndLeavesItsNeighboursOverhang)
{
    const Board& cells = h.board();
    // A pair with a tile left of its first, whose overhang shows once the
    // cell is empty.
    std::optional<CellPair> pair;
    for (int guard = 0; guard < 100 && !pair; ++guard) {
        pair = h.LinkablePair();
        ASSERT_TRUE(pair.has_value());
        const Cell first = h.CellOf(pair->first);
        if (first.x == 1 || cells.At(Cell{first.x - 1, first.y}) == 0) {
            pair.reset();
            ASSERT_TRUE(h.RemoveAPair());
            Settle();
        }
    }
    ASSERT_TRUE(pair.has_value());
    const Cell first = h.CellOf(pair->first);
    const Cell second = h.CellOf(pair->second);
    const QRect places[] = {board->TileRect(first), board->TileRect(second)};
    const QRgb colour = h.flow->CurrentLevel()->pictures.Tile(cells.At(first)).pixel(2, 2);
    MouseClick(board->TileRect(first).topLeft() + QPoint(30, 30));
    MouseClick(board->TileRect(second).topLeft() + QPoint(30, 30));
    ASSERT_EQ(cells.At(first), 0);
    Settle();

    const QImage shown = OnScreen(*window, *board);
    const QImage full = FullPaint(*board);
    ASSERT_EQ(shown.size(), full.size());
    for (const QRect& place : places) {
        EXPECT_EQ(Unlike(shown, full, place), 0) << "the screen is not what a full paint draws";
    }
    // The neighbour's overhang into the first cell, past its own box.
    const Cell left{first.x - 1, first.y};
    const QPoint overhang(CellBox(left).right() + 6, CellBox(left).top() + 4);
    EXPECT_EQ(shown.pixel(overhang), h.flow->CurrentLevel()->pictures.Tile(cells.At(left)).pixel(2, 2));
    // Nothing of the pair: its colour is gone from its cells' boxes.
    for (const Cell cell : {first, second}) {
        int left = 0;
        const QRect box = CellBox(cell);
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                left += full.pixel(x, y) == colour ? 1 : 0;
            }
        }
        EXPECT_EQ(left, 0) << "the tile at " << cell.x << "," << cell.y << " still shows";
    }
}

// Whether the screen shows a two-tone outline just inside rect: its edge
// all around in black, and within the black ring, as thick, a ring of
// light all around.
bool OutlinedIn(const QImage& shown, const QRect& rect, QColor light)
{
    int black = 0;
    while (black < rect.width() / 2 && shown.pixelColor(rect.left() + black, rect.center().y()) == Qt::black) {
        ++black;
    }
    if (black < 2) {
        return false;
    }
    const QRect lightRing = rect.adjusted(black, black, -black, -black);
    for (int i = 0; i < black; ++i) {
        const QRect dark = rect.adjusted(i, i, -i, -i);
        const QRect inner = lightRing.adjusted(i, i, -i, -i);
        for (const QPoint& at : {dark.topLeft(), dark.topRight(), dark.bottomLeft(), dark.bottomRight()}) {
            if (shown.pixelColor(at) != Qt::black) {
                return false;
            }
        }
        for (const QPoint& at : {inner.topLeft(), inner.bottomRight(), QPoint(inner.center().x(), inner.top()),
                                 QPoint(inner.left(), inner.center().y())}) {
            if (shown.pixelColor(at) != light) {
                return false;
            }
        }
    }
    return true;
}

// Under high contrast the selection and the cursor (the hover's mask too)
// are thick two-tone outlines, yellow and white within black, repainted
// as they move; the steady hint of less motion outlines both tiles in cyan
// for its four ticks, hiding neither. Off again, the masks' pictures come
// back.
TEST_F(BoardPaint, HighContrastOutlinesTheMarksAndTheSteadyHintIsOutlined)
{
    UseHighContrast(true);
    h.motion().SetLessMotion(true);
    const Cell selected{3, 2};
    MouseClick(board->TileRect(selected).topLeft() + QPoint(30, 30));
    ASSERT_EQ(h.round().Selection(), selected);
    h.round().MoveCursor(Direction::Down);
    h.round().MoveCursor(Direction::Right);
    ASSERT_TRUE(h.round().CursorShown());
    const Cell cursor = h.round().CursorCell();
    ASSERT_NE(cursor, selected);
    Settle();
    QImage shown = OnScreen(*window, *board);
    EXPECT_TRUE(OutlinedIn(shown, board->SelectionRect(selected), QColor(255, 255, 0)));
    EXPECT_TRUE(OutlinedIn(shown, board->CursorRect(cursor), Qt::white));
    EXPECT_EQ(Unlike(shown, FullPaint(*board), board->CursorRect(cursor)), 0);

    QTest::mouseClick(board, Qt::RightButton, Qt::NoModifier, board->TileRect(selected).topLeft() + QPoint(30, 30));
    ASSERT_FALSE(h.round().Selection().has_value());
    h.parts->toolbar.Click(Toolbar::Label::Hint);
    const HintFlash& hint = h.motion().hint;
    ASSERT_TRUE(hint.Running());
    for (int tick = 0; tick <= HintFlash::kTicks; ++tick) {
        Settle();
        shown = OnScreen(*window, *board);
        for (const Cell cell : {hint.First(), hint.Second()}) {
            EXPECT_EQ(OutlinedIn(shown, board->TileRect(cell), Qt::cyan), tick < HintFlash::kTicks) << "tick " << tick;
            EXPECT_EQ(Unlike(shown, FullPaint(*board), board->TileRect(cell)), 0) << "tick " << tick;
        }
        h.timers.Fire(QStringLiteral("HintFlash"));
    }

    UseHighContrast(false);
    Settle();
    shown = OnScreen(*window, *board);
    EXPECT_FALSE(OutlinedIn(shown, board->CursorRect(cursor), Qt::white));
    EXPECT_EQ(Unlike(shown, FullPaint(*board), board->CursorRect(cursor)), 0);
}

} // namespace
} // namespace daz::testing
