#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "GameHarness.h"
#include "presentation/BoardView.h"
#include "presentation/HelpWindow.h"
#include "presentation/MainWindow.h"
#include "presentation/OverlayBox.h"
#include "presentation/ToolStrip.h"

namespace daz::testing {

using Spec = TestProgramFolder::LevelSpec;

// The main window's commands, found as the window names them.
inline QAction* ActionOf(const MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// The main window over a two-level catalogue, played with the mouse.
class InMainWindow : public ::testing::TestWithParam<int> {
protected:
    void Open(int mode, MainWindow::LevelTools tools = {},
              const QList<Spec>& levels = {Spec(QStringLiteral("甲"), QStringLiteral("a"), 4, 2, 10),
                                           Spec(QStringLiteral("乙"), QStringLiteral("b"), 6, 4, 10)})
    {
        h.folder.WriteGame(levels);
        h.Start(mode);
        window = std::make_unique<MainWindow>(h.WindowParts(), std::move(tools));
        window->SetMenuRunner([this](QMenu* menu, QPoint at) {
            openedMenu = menu;
            openedAt = at;
        });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // A key as the keyboard sends it: to the window, through its shortcuts,
    // unless a modal window blocks it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    // The arrow keys walk the cursor to a cell, the short way round.
    void CursorTo(int cellNumber)
    {
        const Board& board = h.board();
        if (!board.InField(h.round().CursorCell())) {
            Key(Qt::Key_Down); // the first key of a level shows the cursor top left
            ASSERT_EQ(h.round().CursorCell(), (Cell{1, 1}));
        }
        const Cell from = h.round().CursorCell();
        const Cell to = board.CellOf(cellNumber);
        const auto walk = [this](int a, int b, int count, Qt::Key forward, Qt::Key back) {
            const int ahead = ((b - a) % count + count) % count;
            for (int i = 0; i < std::min(ahead, count - ahead); ++i) {
                Key(ahead <= count - ahead ? forward : back);
            }
        };
        walk(from.x, to.x, board.MaxX(), Qt::Key_Right, Qt::Key_Left);
        walk(from.y, to.y, board.MaxY(), Qt::Key_Down, Qt::Key_Up);
        ASSERT_EQ(h.round().CursorCell(), to);
        ASSERT_TRUE(h.round().CursorShown());
    }

    // Plays the level on the board to its end with the keyboard alone.
    void ClearWithTheKeyboard()
    {
        for (int guard = 0; guard < 200 && h.board().TileCount() > 0; ++guard) {
            const auto pair = h.flow->Place().mode == 1 ? h.EqualPair() : h.LinkablePair();
            if (!pair) {
                const int shuffles = h.round().Left(Tool::Shuffle);
                Key(Qt::Key_S);
                ASSERT_EQ(h.round().Left(Tool::Shuffle), shuffles - 1) << "the shuffle key did nothing";
                continue;
            }
            const std::int64_t score = h.round().Score();
            CursorTo(pair->first);
            Key(Qt::Key_Space);
            ASSERT_TRUE(h.round().Selection().has_value());
            CursorTo(pair->second);
            Key(Qt::Key_Return);
            ASSERT_EQ(h.round().Score(), score + 1);
        }
    }

    QAction* Action(const char* name) const { return ActionOf(*window, name); }
    // The strip's parts, found by their names.
    ClickLabel* LabelOf(Toolbar::Label label) const
    {
        return window->findChild<ClickLabel*>(Toolbar::ActionOf(label) + QStringLiteral("Label"));
    }
    QPushButton* Toggle(const char* name) const
    {
        return window->findChild<QPushButton*>(QString::fromLatin1(name) + QStringLiteral("Toggle"));
    }

    QPoint TileCentre(int cellNumber) { return window->Board()->TileRect(h.CellOf(cellNumber)).center(); }

    void ClickTile(int cellNumber)
    {
        BoardView* board = window->Board();
        const QPoint at = TileCentre(cellNumber);
        QTest::mouseMove(board, at);
        QMouseEvent move(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(board, &move);
        QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, at);
    }

    void ClearWithTheMouse()
    {
        for (int guard = 0; guard < 200 && h.board().TileCount() > 0; ++guard) {
            const auto pair = h.flow->Place().mode == 1 ? h.EqualPair() : h.LinkablePair();
            if (!pair) {
                h.round().ShuffleBoard();
                continue;
            }
            ClickTile(pair->first);
            ClickTile(pair->second);
        }
    }

    GameHarness h;
    std::unique_ptr<MainWindow> window;
    QMenu* openedMenu = nullptr;
    QPoint openedAt;
};

} // namespace daz::testing
