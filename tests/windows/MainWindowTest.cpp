#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPicture>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>

#include "GameHarness.h"
#include "leveldata/IniFile.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtTranslations.h"
#include "presentation/BoardView.h"
#include "presentation/HelpWindow.h"
#include "presentation/MainWindow.h"
#include "presentation/Pictures.h"
#include "presentation/ToolStrip.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

// The main window over a two-level catalogue, played with the mouse.
class InMainWindow : public ::testing::TestWithParam<int> {
protected:
    void Open(int mode, MainWindow::LevelTools tools = {},
              const QList<Spec>& levels = {Spec(QStringLiteral("甲"), QStringLiteral("a"), 4, 2, 10),
                                           Spec(QStringLiteral("乙"), QStringLiteral("b"), 6, 4, 10)})
    {
        h.folder.WriteGame(levels);
        h.Start(mode);
        window = std::make_unique<MainWindow>(*h.parts, std::move(tools));
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
            const auto pair = h.flow->Mode() == 1 ? h.EqualPair() : h.LinkablePair();
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
            const auto pair = h.flow->Mode() == 1 ? h.EqualPair() : h.LinkablePair();
            if (!pair) {
                window->Strip()->Label(Toolbar::Shuffle)->setEnabled(true);
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

TEST_P(InMainWindow, PlaysALevelToTheEndAndGoesOnToTheNext)
{
    Open(GetParam());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("霁岚连连看2006.10.4"));
    EXPECT_TRUE(window->Board()->Caption()->text().endsWith(QStringLiteral("1．甲")));
    EXPECT_TRUE(window->Board()->isVisible());

    ClearWithTheMouse();
    EXPECT_EQ(h.round().GetPhase(), Phase::Cleared);
    EXPECT_EQ(h.round().Score(), 4);
    EXPECT_FALSE(window->Board()->isVisible());
    ASSERT_TRUE(window->ShowBox()->isVisible());
    EXPECT_FALSE(window->Strip()->Label(Toolbar::Hint)->isEnabled());
    EXPECT_EQ(window->Strip()->Digit(1)->pixmap().cacheKey(), ImageList1(5).cacheKey());
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
    EXPECT_EQ(h.flow->LevelReached(), 2);
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
    EXPECT_EQ(h.flow->LevelReached(), 2);
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
    EXPECT_FALSE(game.Selection().has_value());
}

// Each tool key spends what its label's click spends, pauses and resumes
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
    ToolStrip* strip = window->Strip();
    struct ToolKey {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int label;
        std::function<int()> left;
        int cost;
    };
    ASSERT_TRUE(h.RemoveAPair());
    for (const ToolKey& tool :
         {ToolKey{Qt::Key_Z, Qt::ControlModifier, Toolbar::Undo, [&] { return game.Left(Tool::Undo); }, 2},
          ToolKey{Qt::Key_H, Qt::NoModifier, Toolbar::Hint, [&] { return game.Left(Tool::Hint); }, 2},
          ToolKey{Qt::Key_S, Qt::NoModifier, Toolbar::Shuffle, [&] { return game.Left(Tool::Shuffle); }, 10}}) {
        const QString name = strip->Label(tool.label)->text();
        SCOPED_TRACE(name.toStdString());
        const QString keys = QKeySequence(QKeyCombination(tool.modifiers, tool.key)).toString(QKeySequence::NativeText);
        EXPECT_TRUE(strip->Label(tool.label)->toolTip().contains(keys));
        const int left = tool.left();
        const std::int64_t score = h.round().Score();
        Key(tool.key, tool.modifiers);
        EXPECT_EQ(tool.left(), left - 1);
        EXPECT_EQ(h.round().Score(), score - tool.cost);
        EXPECT_EQ(strip->Label(tool.label)->text(), name.left(name.indexOf(u'*') + 1) + QString::number(left - 1));
    }
    EXPECT_EQ(game.Undo().UndoCount(), 0);

    // P pauses: the board goes, the labels are disabled and take no key.
    EXPECT_TRUE(strip->Label(Toolbar::Pause)->toolTip().contains(QStringLiteral("P")));
    Key(Qt::Key_P);
    EXPECT_EQ(game.GetPhase(), Phase::Paused);
    EXPECT_TRUE(window->ShowBox()->isVisible());
    EXPECT_FALSE(strip->Label(Toolbar::Hint)->isEnabled());
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
    window->MainItem(QStringLiteral("霁岚--关卡修改器"))->trigger();
    EXPECT_EQ(game.GetPhase(), Phase::Playing);
}

// The program's keys show beside their menu items and do what the items
// do: F5 still asks, the menus open paused, Ctrl+Q saves.
TEST_F(Keys, MenuKeysShowInTheMenusAndTakeTheItemsPaths)
{
    Open(2);
    h.folder.Write(QStringLiteral("dazRedme.txt"), "帮助\r\n");
    const std::pair<QAction*, QKeySequence> shown[] = {
        {window->MainItem(QStringLiteral("重新开始")), QKeySequence(Qt::Key_F5)},
        {window->MainItem(QStringLiteral("主题帮助")), QKeySequence(Qt::Key_F1)},
        {window->MainItem(QStringLiteral("退出")), QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {window->ModeItem(1), QKeySequence(Qt::CTRL | Qt::Key_1)},
        {window->ModeItem(4), QKeySequence(Qt::CTRL | Qt::Key_4)},
    };
    for (const auto& [item, key] : shown) {
        ASSERT_NE(item, nullptr) << key.toString().toStdString();
        EXPECT_EQ(item->shortcut(), key);
        EXPECT_TRUE(item->isShortcutVisibleInContextMenu());
    }
    EXPECT_TRUE(window->ModeItem(3)->text().startsWith(QStringLiteral("挑战模式 — ")));
    EXPECT_TRUE(window->Strip()->MenuButton(Toolbar::MenuButton::Mode)->toolTip().contains(QStringLiteral("Alt+G")));

    Round& game = h.round();
    ASSERT_TRUE(h.RemoveAPair());
    Key(Qt::Key_F5); // answered No
    ASSERT_EQ(h.BoxTexts(), QStringList{QStringLiteral("你真的要重新开始吗？")});
    EXPECT_EQ(game.Undo().UndoCount(), 2);
    h.boxes.answers.push_back(platform::MessageAnswer::Yes);
    Key(Qt::Key_F5);
    EXPECT_EQ(game.Undo().UndoCount(), 0);

    Key(Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(openedMenu, window->MainMenu());
    EXPECT_EQ(game.GetPhase(), Phase::Paused);
    Key(Qt::Key_Space);
    EXPECT_EQ(game.GetPhase(), Phase::Playing);
    Key(Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(openedMenu, window->ModeMenu());
    Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(h.flow->Mode(), 3);
    EXPECT_TRUE(window->ModeItem(3)->isChecked());
    EXPECT_EQ(game.GetPhase(), Phase::Playing) << "the mode's level starts";

    Key(Qt::Key_F1);
    ASSERT_NE(window->Help(), nullptr);
    EXPECT_TRUE(window->Help()->isVisible());
    window->Help()->close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    h.round().SetScore(77);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    IniAccess ini(h.folder.Path(), h.problems);
    EXPECT_EQ(ini.ReadIniKey(h.folder.File(QStringLiteral("DAZGame.ini")), QStringLiteral("UserSet"),
                             QStringLiteral("UserJF")),
              QStringLiteral("77"));
}

class Window : public InMainWindow {
protected:
    // A 14 × 10 level with a background and twinkling stars, whose ten
    // particles jump all over the board every tick, shown at a scale that
    // is not the pictures' own.
    void OpenStarryLevel()
    {
        h.folder.WriteParticle(Particles::Stars);
        Spec level(QStringLiteral("甲"), QStringLiteral("a"), 14, 10, 40, Particles::Stars);
        level.background = true;
        Open(2, {}, {level});
        window->resize(1130, 900);
    }
};

TEST_F(Window, TheToolbarLabelsAndTogglesWork)
{
    Open(2);
    ToolStrip* strip = window->Strip();
    EXPECT_EQ(strip->Label(Toolbar::Undo)->text(), QStringLiteral("←撤消*6"));
    QTest::mouseClick(strip->Label(Toolbar::Pause), Qt::LeftButton);
    EXPECT_FALSE(strip->Label(Toolbar::Undo)->isEnabled());
    EXPECT_TRUE(strip->Label(Toolbar::Restart)->isEnabled());
    EXPECT_TRUE(window->ShowBox()->isVisible());
    QTest::mouseClick(window->ShowBox(), Qt::LeftButton);
    EXPECT_TRUE(strip->Label(Toolbar::Undo)->isEnabled());

    // A label lit by the pointer goes back to rest as the pointer leaves
    // it, wherever it goes; a tool the score cannot pay for is grey, and a
    // click on it says why beside it.
    ClickLabel* hint = strip->Label(Toolbar::Hint);
    h.round().SetScore(100);
    QTest::mouseMove(hint, hint->rect().center());
    ASSERT_EQ(hint->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0x00));
    QTest::mouseMove(window->Board(), window->Board()->rect().center());
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(0x40, 0x40, 0x40));
    h.round().SetScore(1);
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(0xA0, 0xA0, 0xA0));
    QTest::mouseClick(hint, Qt::LeftButton);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("积分不足"));
    EXPECT_EQ(h.round().Score(), 1);

    // The music switch shows twice, and both always agree. On and off look
    // nothing alike: not merely a shade darker.
    const QImage on = strip->CheckMedia()->grab().toImage();
    QTest::mouseClick(strip->CheckMedia(), Qt::LeftButton);
    EXPECT_TRUE(strip->CheckMedia()->isChecked());
    const QImage off = strip->CheckMedia()->grab().toImage();
    ASSERT_EQ(on.size(), off.size());
    int unlike = 0;
    for (int y = 0; y < on.height(); ++y) {
        for (int x = 0; x < on.width(); ++x) {
            const QColor a = on.pixelColor(x, y);
            const QColor b = off.pixelColor(x, y);
            unlike += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue())
                      > 120;
        }
    }
    EXPECT_GT(unlike, on.width() * on.height() / 2) << "on and off look alike";
    EXPECT_FALSE(window->MediaItem()->isChecked());
    EXPECT_FALSE(h.flow->Audio().MusicOn());
    window->MediaItem()->trigger();
    EXPECT_FALSE(strip->CheckMedia()->isChecked());
    EXPECT_TRUE(h.flow->Audio().MusicOn());
    window->SoundItem()->trigger();
    EXPECT_TRUE(strip->CheckSound()->isChecked());
    EXPECT_FALSE(h.flow->Audio().EffectsOn());
}

TEST_F(Window, MenuButtonsPauseAndOpenBelowTheirMiddle)
{
    Open(2);
    window->resize(1200, 700);
    QTest::mouseClick(window->Strip()->MenuButton(Toolbar::MenuButton::Main), Qt::LeftButton);
    EXPECT_EQ(openedMenu, window->MainMenu());
    QWidget* button = window->Strip()->MenuButton(Toolbar::MenuButton::Main);
    EXPECT_EQ(openedAt, button->mapToGlobal(QPoint(button->width() / 2, button->height())));
    EXPECT_FALSE(window->Board()->isVisible());
    EXPECT_FALSE(window->Strip()->Label(Toolbar::Hint)->isEnabled()) << "a menu's pause is a pause";

    QTest::mouseClick(window->Strip()->MenuButton(Toolbar::MenuButton::Mode), Qt::LeftButton);
    EXPECT_EQ(openedMenu, window->ModeMenu());
    EXPECT_TRUE(window->ModeItem(2)->isChecked());
    window->ModeItem(3)->trigger();
    EXPECT_EQ(h.flow->Mode(), 3);
    EXPECT_TRUE(window->ModeItem(3)->isChecked());
    EXPECT_FALSE(window->ModeItem(2)->isChecked());
    EXPECT_TRUE(window->Board()->isVisible());
}

TEST_F(Window, TheLevelMenuListsTheCatalogue)
{
    Open(2);
    EXPECT_EQ(window->LevelItem(1)->text(), QStringLiteral("1．甲"));
    EXPECT_TRUE(window->LevelItem(2)->isVisible());
    EXPECT_FALSE(window->LevelItem(3)->isVisible());
    window->LevelItem(2)->trigger();
    EXPECT_EQ(h.flow->LevelReached(), 2);
}

TEST_F(Window, TheStripSpansTheWindowWithItsContentsCentred)
{
    Open(2);
    window->resize(1600, 700);
    QApplication::processEvents();
    ToolStrip* strip = window->Strip();
    EXPECT_EQ(strip->geometry(), QRect(0, 0, 1600, strip->height()));
    const QRect menu = strip->MenuButton(Toolbar::MenuButton::Main)->geometry();
    const QRect time = strip->Time()->geometry();
    EXPECT_LE(std::abs(menu.left() - (1600 - time.right())), 0.1 * 1600) << "the contents are not centred";
}

TEST_F(Window, ClosingTheWindowSavesTheSettings)
{
    Open(2);
    ClearWithTheMouse();
    QTest::mouseClick(window->ShowBox(), Qt::LeftButton);
    window->close();
    IniAccess ini(h.folder.Path(), h.problems);
    const QString file = h.folder.File(QStringLiteral("DAZGame.ini"));
    EXPECT_EQ(ini.ReadIniKey(file, QStringLiteral("UserSet"), QStringLiteral("UserGK")), QStringLiteral("2"));
    EXPECT_EQ(ini.ReadIniKey(file, QStringLiteral("UserSet"), QStringLiteral("UserJF")), QStringLiteral("4"));
}

TEST_F(Window, ALevelMadeInTheEditorIsListedAtOnce)
{
    Open(2, MainWindow::LevelTools{[this](QWidget*) {
                                       h.folder.WriteGame({Spec(QStringLiteral("甲"), QStringLiteral("a"), 4, 2, 10),
                                                           Spec(QStringLiteral("乙"), QStringLiteral("b"), 6, 4, 10),
                                                           Spec(QStringLiteral("丙"), QStringLiteral("c"), 2, 2, 10)});
                                       return true;
                                   },
                                   {}});
    EXPECT_FALSE(window->LevelItem(3)->isVisible());
    window->MainItem(QStringLiteral("霁岚--关卡编辑器"))->trigger();
    ASSERT_TRUE(window->LevelItem(3)->isVisible());
    EXPECT_EQ(window->LevelItem(3)->text(), QStringLiteral("3．丙"));
    EXPECT_EQ(h.flow->LevelReached(), 1); // the level in play goes on
    window->LevelItem(3)->trigger();
    EXPECT_EQ(h.board().TileCount(), 4);
    EXPECT_TRUE(h.boxes.shown.empty());
}

// The help text as it was saved: GBK by the Windows releases, UTF-8 (with
// or without a byte-order mark) by editors of today.
TEST_F(Window, HelpOpensInAWindowOfTheGameInEitherEncoding)
{
    Open(2);
    const QString help = QStringLiteral("连连看帮助：点两张相同的牌。\n第二行");
    const QByteArray gbk = QByteArray::fromHex("c1acc1acbfb4b0efd6faa3bab5e3c1bdd5c5cfe0cdacb5c4c5c6a1a3") + "\r\n"
                           + QByteArray::fromHex("b5dab6fed0d0");
    for (const QByteArray& bytes : {gbk, help.toUtf8(), "\xEF\xBB\xBF" + help.toUtf8()}) {
        h.folder.Write(QStringLiteral("dazRedme.txt"), bytes);
        window->MainItem(QStringLiteral("主题帮助"))->trigger();
        HelpWindow* shown = window->Help();
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->Text(), help);
        EXPECT_TRUE(shown->View()->isReadOnly());
        EXPECT_EQ(shown->windowTitle(), QStringLiteral("主题帮助"));
        shown->close();
    }
    EXPECT_TRUE(h.desktop.opened.isEmpty());
    EXPECT_TRUE(h.boxes.shown.empty());
}

// Qt's own buttons speak Chinese also where the system's locale has no
// translation of its own.
TEST(QtTexts, MessageBoxButtonsReadChineseUnderTheCAndEnglishLocales)
{
    const auto plain = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&"))); };
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const std::unique_ptr<QTranslator> translator = platform::LoadQtTranslation(locale);
        ASSERT_NE(translator, nullptr) << "Qt's translations (qt6-translations-l10n) are not installed";
        QCoreApplication::installTranslator(translator.get());
        platform::QtMessageBoxes boxes;
        QStringList read;
        const auto readAndAnswer = [&](QMessageBox::StandardButton answer) {
            QTimer::singleShot(0, [&, answer] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                for (QAbstractButton* button : box->buttons())
                    read << plain(button->text());
                box->button(answer)->click();
            });
        };
        readAndAnswer(QMessageBox::No);
        EXPECT_EQ(boxes.Show({QStringLiteral("你真的要重新开始吗？"), QStringLiteral("友情提示"),
                              platform::MessageIcon::Question, platform::MessageButtons::YesNo,
                              platform::MessageAnswer::Yes}),
                  platform::MessageAnswer::No);
        read.sort();
        EXPECT_EQ(read, (QStringList{QStringLiteral("否"), QStringLiteral("是")})) << locale.name().toStdString();
        read.clear();
        readAndAnswer(QMessageBox::Ok);
        boxes.Show({QStringLiteral("帮助文件丢失！"), QStringLiteral("警告"), platform::MessageIcon::Exclamation,
                    platform::MessageButtons::Ok, platform::MessageAnswer::Ok});
        EXPECT_EQ(read, QStringList{QStringLiteral("确定")}) << locale.name().toStdString();
        QCoreApplication::removeTranslator(translator.get());
    }
}

// Particles are redrawn where they were and where they are, ten times a
// second: the board must not repaint, nor even draw, anything else, at
// whatever scale the window draws it.
TEST_F(Window, AParticleTickRepaintsOnlyTheParticlesOldAndNewPlaces)
{
    OpenStarryLevel();
    BoardView* board = window->Board();
    const Particles& particles = h.parts->particles;
    const auto placesNow = [&] {
        QRegion places;
        for (int i = 1; i <= Particles::kCount; ++i) {
            places += board->ParticleRect(i);
        }
        return places;
    };
    struct PaintSpy : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                painted += static_cast<QPaintEvent*>(event)->region();
            }
            return false;
        }
    } spy;
    QTest::qWait(50); // the first full paint is done
    board->installEventFilter(&spy);

    QRegion places = placesNow();
    h.timers.Fire(QStringLiteral("Particles")); // stars: all ten jump
    places += placesNow();
    for (int guard = 0; guard < 100 && spy.painted.isEmpty(); ++guard) {
        QTest::qWait(10);
    }
    board->removeEventFilter(&spy);
    const auto area = [](const QRegion& region) {
        long long sum = 0;
        for (const QRect& r : region) {
            sum += static_cast<long long>(r.width()) * r.height();
        }
        return sum;
    };
    places &= board->rect();
    EXPECT_TRUE((places - spy.painted).isEmpty()) << "a particle's old or new place was not repainted";
    const QSize picture = board->Geometry().ScaledSize(particles.Picture().size());
    ASSERT_GT(picture.width(), particles.Picture().width()) << "the board is not drawn larger";
    EXPECT_LE(area(spy.painted), 4 * Particles::kCount * picture.width() * picture.height())
        << "more than the particles' places was repainted";

    // What the paint of that region draws, replayed without its clip onto a
    // blank picture: nothing lands outside the region.
    QPicture drawn;
    board->render(&drawn, spy.painted.boundingRect().topLeft(), spy.painted, {});
    QImage replay(board->size(), QImage::Format_RGB32);
    replay.fill(Qt::black);
    QPainter painter(&replay);
    drawn.play(&painter);
    painter.end();
    int outside = 0;
    for (int y = 0; y < replay.height(); ++y) {
        for (int x = 0; x < replay.width(); ++x) {
            outside += replay.pixel(x, y) != qRgb(0, 0, 0) && !spy.painted.contains(QPoint(x, y)) ? 1 : 0;
        }
    }
    EXPECT_EQ(outside, 0) << "the paint drew outside the particles' places";
}

// A tick repaints many small pieces in one go: the hover mask's old and
// new places and each star's. Wherever they overlap, the tiles must stay
// under the mask and the stars over both, and nothing may be left stale:
// what the window shows after each tick is what a full repaint draws.
TEST_F(Window, AFewPiecesRepaintedAtOnceLookAsAFullRepaint)
{
    OpenStarryLevel();
    BoardView* board = window->Board();
    QTest::qWait(50);
    const Board& cells = h.board();
    const QRect onWindow(board->mapTo(window.get(), QPoint(0, 0)), board->size());
    int underAStar = 0;
    for (int tick = 0; tick < 12; ++tick) {
        h.timers.Fire(QStringLiteral("Particles"));
        // The mask moves onto the tile under one of the stars, in the same
        // repaint as the stars.
        for (int i = 1; i <= Particles::kCount; ++i) {
            const Cell cell = board->Geometry().CellUnder(board->ParticleRect(i).center());
            if (cells.InField(cell) && h.Shown(cells.CellNumber(cell))) {
                h.round().Hover(cell);
                ++underAStar;
                break;
            }
        }
        QTest::qWait(30);
        const QImage shown = window->screen()
                                 ->grabWindow(window->winId())
                                 .toImage()
                                 .copy(onWindow)
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage full = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), full.size());
        int wrong = 0;
        for (int y = 0; y < full.height(); ++y) {
            for (int x = 0; x < full.width(); ++x) {
                wrong += shown.pixel(x, y) != full.pixel(x, y) ? 1 : 0;
            }
        }
        ASSERT_EQ(wrong, 0) << "tick " << tick << ": the repaint left pixels unlike a full repaint";
        const QImage& picture = h.parts->particles.Picture();
        const QRgb star = QColor(picture.pixel(picture.width() / 2, picture.height() / 2)).rgb();
        for (int i = 1; i <= Particles::kCount; ++i) {
            const QPoint centre = board->ParticleRect(i).center();
            if (board->rect().contains(centre) && !board->Caption()->geometry().contains(centre)) {
                EXPECT_EQ(shown.pixel(centre), star) << "tick " << tick << ": star " << i << " is covered";
            }
        }
    }
    EXPECT_GT(underAStar, 6);
}

// The window opens inside the screen's work area with its frame: where
// the frame is not known yet, room for a title bar is left above it.
TEST_F(Window, OpensWithItsFrameInsideTheWorkArea)
{
    Open(2);
    const QRect area = window->screen()->availableGeometry();
    const QRect inside = window->geometry();
    EXPECT_GE(inside.top() - area.top(), 20) << "no room for the title bar";
    EXPECT_LE(inside.bottom(), area.bottom());
    EXPECT_GE(inside.left(), area.left());
    EXPECT_LE(inside.right(), area.right());
}

TEST_F(Window, MinimisingPausesTheLevel)
{
    Open(2);
    window->setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_EQ(h.round().GetPhase(), Phase::Paused);
}

} // namespace
} // namespace daz::testing
