// Ctrl+Q quits from every window of the game: the window it is pressed in
// closes, and whatever else is open over the main window, then the main
// window closes as its 退出 does, keeping the player's progress.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "FakeDialogs.h"
#include "GameHarness.h"
#include "leveldata/IniFile.h"
#include "leveltools/LevelToolContext.h"
#include "presentation/HelpWindow.h"
#include "presentation/MainWindow.h"
#include "presentation/RecordsWindow.h"
#include "presentation/leveltools/FolderChooserWindow.h"
#include "presentation/leveltools/LevelEditorWindow.h"
#include "presentation/leveltools/LevelTools.h"
#include "presentation/leveltools/ToolWidgets.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

class QuitKeyEverywhere : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.folder.WriteGame({Spec(QStringLiteral("甲"), QStringLiteral("a"), 4, 2, 10)});
        h.folder.Write(QStringLiteral("dazRedme.txt"), "help");
        h.Start(2);
        tools = std::make_unique<LevelToolContext>(LevelToolContext{h.parts->ini, h.boxes, dialogs});
        window = std::make_unique<MainWindow>(
            h.WindowParts(), MainWindow::LevelTools{
                                 [this](QWidget* parent) { return editorMade = OpenLevelEditor(parent, *tools); }, {}});
        window->SetRecordsOpener([this](QWidget* parent) { h.OpenRecords(parent); });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        h.round().SetScore(77);
    }

    // Ctrl+Q as the keyboard sends it to the active window.
    static void PressCtrlQ(QWidget* in)
    {
        ASSERT_TRUE(QTest::qWaitForWindowActive(in));
        QTest::keyClick(in->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
    }

    // The main window closed and the score was saved, as 退出 saves it.
    void ExpectQuit()
    {
        for (int pass = 0; pass < 10 && window->isVisible(); ++pass) {
            QCoreApplication::processEvents();
        }
        EXPECT_FALSE(window->isVisible());
        IniAccess ini(h.folder.Path(), h.problems);
        EXPECT_EQ(ini.ReadIniKey(h.folder.File(QStringLiteral("DAZGame.ini")), QStringLiteral("UserSet"),
                                 QStringLiteral("UserJF")),
                  QStringLiteral("77"));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    GameHarness h;
    FakeDialogs dialogs;
    std::unique_ptr<LevelToolContext> tools;
    std::unique_ptr<MainWindow> window;
    bool editorMade = true;
};

TEST_F(QuitKeyEverywhere, FromTheResultsWithTheHelpOpenBeside)
{
    window->findChild<QAction*>(QStringLiteral("help"))->trigger();
    ASSERT_TRUE(window->findChild<HelpWindow*>()->isVisible());
    window->activateWindow();
    QTest::keyClick(window->windowHandle(), Qt::Key_R, Qt::ControlModifier);
    // The window deletes itself once closed.
    QPointer<RecordsWindow> records = window->findChild<RecordsWindow*>();
    ASSERT_NE(records, nullptr);

    PressCtrlQ(records);

    EXPECT_TRUE(!records || !records->isVisible());
    EXPECT_FALSE(window->findChild<HelpWindow*>()->isVisible());
    ExpectQuit();
}

TEST_F(QuitKeyEverywhere, FromTheFolderChooserOverTheLevelEditor)
{
    // Each window runs its own loop: the key is pressed in the innermost,
    // once it is up.
    QWidget* editor = nullptr;
    QTimer::singleShot(0, [&] {
        editor = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<LevelEditorWindow*>(editor), nullptr);
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<FolderChooserWindow*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            PressCtrlQ(chooser);
            // Were the key lost, the loops would wait for ever: what stays
            // open goes by hand, and the main window stays.
            for (QDialog* open : {static_cast<QDialog*>(chooser), static_cast<QDialog*>(editor)}) {
                if (open->isVisible()) {
                    open->reject();
                }
            }
        });
        static_cast<LevelEditorWindow*>(editor)->Button(tools::Role::SourceButton)->click();
    });
    window->findChild<QAction*>(QStringLiteral("levelEditor"))->trigger();

    EXPECT_NE(editor, nullptr);
    EXPECT_FALSE(editorMade);
    ExpectQuit();
}

} // namespace
} // namespace daz::testing
