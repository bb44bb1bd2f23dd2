#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "FileBytes.h"
#include "GameHarness.h"
#include "presentation/leveltools/LevelEditorWindow.h"
#include "presentation/leveltools/LevelModifierWindow.h"
#include "presentation/leveltools/ToolWidgets.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;
using tools::Role;

// A level maker's folder of prepared pictures: tiles 1 … count and the two
// masks.
void PreparePictures(const QString& folder, int count)
{
    for (int k = 1; k <= count; ++k) {
        WriteBytes(folder + QStringLiteral("/%1.gif").arg(k),
                   TestProgramFolder::Picture(20, QColor::fromHsv(k * 30, 200, 220)));
    }
    WriteBytes(folder + QStringLiteral("/mb1.gif"), TestProgramFolder::Picture(20, QColor(255, 0, 0, 90)));
    WriteBytes(folder + QStringLiteral("/mb2.gif"), TestProgramFolder::Picture(20, QColor(0, 0, 255, 60)));
    WriteBytes(folder + QStringLiteral("/theme.mid"), "MThd");
}

// A level made in the editor's window is in the level menu after the next
// start, plays to its cleared board, and takes the modifier's changes at
// its next load.
TEST(LevelToolsEndToEnd, ALevelMadeInTheEditorIsPlayedAfterTheNextStart)
{
    GameHarness h;
    h.folder.WriteGame(
        {Spec(QStringLiteral("春"), QStringLiteral("spring")), Spec(QStringLiteral("夏"), QStringLiteral("summer"))});
    QDir(h.folder.Path()).mkpath(QStringLiteral("media"));
    QTemporaryDir pictures;
    PreparePictures(pictures.path(), 10);
    h.Start(2);
    ASSERT_EQ(h.LevelMenu().size(), 2);

    FakeDialogs dialogs;
    {
        LevelToolContext context{h.parts->ini, h.boxes, dialogs};
        LevelEditorWindow editor(context, nullptr);
        editor.Line(Role::LevelName)->setText(QStringLiteral("星空"));
        editor.Line(Role::SourceFolder)->setText(pictures.path());
        QTest::keyClicks(editor.Line(Role::PhotoSum), QStringLiteral("10"));
        editor.Line(Role::MaxX)->setText(QStringLiteral("5"));
        editor.Line(Role::MaxY)->setText(QStringLiteral("4"));
        editor.List(Role::Effect)->setCurrentIndex(0);
        editor.Line(Role::Maker)->setText(QStringLiteral("张三"));
        dialogs.files = {pictures.path() + QStringLiteral("/theme.mid")};
        QTest::mouseClick(editor.Button(Role::MusicButton), Qt::LeftButton);
        QTest::mouseClick(editor.Button(Role::Ok), Qt::LeftButton);
        ASSERT_EQ(h.boxes.shown.back().text, "关卡文件生成，已加入关卡菜单！");
        ASSERT_EQ(editor.result(), QDialog::Accepted);
    }
    // The menu is built at start-up: the new level is not there yet.
    EXPECT_EQ(h.LevelMenu().size(), 2);

    h.flow->Unload();
    h.Drop();
    h.Start(2);
    const QStringList menu = h.LevelMenu();
    ASSERT_EQ(menu.size(), 3);
    EXPECT_EQ(menu[2], "3．星空--张三制作");

    h.flow->ChooseLevel(3);
    EXPECT_EQ(h.Caption(), "正常模式======>当前游戏关卡：3．星空--张三制作");
    EXPECT_EQ(h.board().MaxX(), 5);
    EXPECT_EQ(h.board().TileCount(), 20);
    EXPECT_EQ(QFileInfo(h.music.current).fileName(), "theme.mid");
    EXPECT_EQ(h.folder.Read("media/theme.mid"), "MThd");

    const auto scoreBefore = h.round().Score();
    h.ClearBoard();
    EXPECT_EQ(h.board().TileCount(), 0);
    EXPECT_EQ(h.round().GetPhase(), Phase::Cleared);
    EXPECT_EQ(h.round().Score(), scoreBefore + 10); // a point for each of the ten pairs
    // After the last level play goes on at the first.
    h.flow->ClickOverlay();
    EXPECT_EQ(h.flow->Place().level, 1);

    // The modifier lists the level too and changes its size for its next load.
    {
        LevelToolContext context{h.parts->ini, h.boxes, dialogs};
        LevelModifierWindow modifier(context, nullptr);
        ASSERT_EQ(modifier.List(Role::LevelList)->count(), 3);
        modifier.List(Role::LevelList)->setCurrentIndex(2);
        EXPECT_EQ(modifier.Line(Role::MaxX)->text(), "5");
        EXPECT_EQ(modifier.Line(Role::Music)->text(), "theme.mid");
        modifier.Line(Role::MaxX)->setText(QStringLiteral("6"));
        QTest::mouseClick(modifier.Button(Role::Ok), Qt::LeftButton);
        ASSERT_EQ(h.boxes.shown.back().text, "当前关卡修改成功！");
    }
    h.flow->ChooseLevel(3);
    EXPECT_EQ(h.board().MaxX(), 6);
    EXPECT_EQ(h.board().TileCount(), 24);
}

} // namespace
} // namespace daz::testing
