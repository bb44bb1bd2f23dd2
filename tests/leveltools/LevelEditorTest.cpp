// The level editor's checks of its entries and its dialogs.
#include <QDir>

#include "ToolFolder.h"

namespace daz {
namespace {

using testing::Editor;
using testing::kGameIni;
using testing::Listing;
using testing::ReadBytes;
using testing::WriteBytes;
using Outcome = LevelEditor::Outcome;

// Each entry in turn: the editor stops at the first test that fails, with
// its own text and caret.
TEST_F(Editor, RefusesEntriesInOrder)
{
    auto& f = editor.fields;
    ExpectRefusal("请输入一个关卡名称！", ToolField::LevelName, false);
    f.name = QStringLiteral("星空");

    WriteBytes(Level("1.gif"), "x");
    ExpectRefusal("对不起！此关卡名称已经存在，请改一个！", ToolField::None, false);
    QFile::remove(Level("1.gif"));
    WriteBytes(Program("gameg/Star/1.gif"), "x"); // taken in another letter case
    f.name = QStringLiteral("star");
    ExpectRefusal("对不起！此关卡名称已经存在，请改一个！", ToolField::None, false);
    f.name = QStringLiteral("星空");

    ExpectRefusal("请选择关卡图片及蒙版所在目录！", ToolField::SourceFolder, false);
    f.sourceFolder = SourceFolder();

    ExpectRefusal("你准备了几张关卡图片（不含蒙版）！", ToolField::PhotoSum, false);
    for (const char* notANumber : {"x", "1x", "1 2"}) {
        f.photoSum = QString::fromUtf8(notANumber);
        ExpectRefusal("你准备了几张关卡图片（不含蒙版）只能是数字！", ToolField::PhotoSum, true);
    }
    for (const char* tooFewOrNotWhole : {"9", "10.5", "-12", "0"}) {
        f.photoSum = QString::fromUtf8(tooFewOrNotWhole);
        ExpectRefusal("你准备了几张关卡图片（不含蒙版）最少要有１０张图片哟！", ToolField::PhotoSum, true);
    }
    f.photoSum = QStringLiteral(" 12 ");

    ExpectSizeRefusals(editor);
    ExpectRefusal("图片横向卡片排列数或图片纵向卡片排列数要有一方为偶数！", ToolField::MaxX, false);
    f.maxY = QStringLiteral(" 8 ");

    QFile::rename(Source("mb1.gif"), Source("mb1.bak"));
    QFile::remove(Source("mb2.gif"));
    ExpectRefusal("没有发现你打开目录下有mb1.gif，请先制作！", ToolField::MaxX, false);
    QFile::rename(Source("mb1.bak"), Source("mb1.gif"));
    ExpectRefusal("没有发现你打开目录下有mb2.gif，请先制作！", ToolField::MaxX, false);
    WriteBytes(Source("mb2.gif"), "m");

    QFile::remove(Source("7.gif"));
    QFile::remove(Source("9.gif"));
    ExpectRefusal("没有发现你打开目录下有7.gif，请先制作！", ToolField::None, false);
    WriteBytes(Source("7.gif"), "7");
    WriteBytes(Source("9.gif"), "9");
    QFile::remove(Source("12.gif")); // the last one
    ExpectRefusal("没有发现你打开目录下有12.gif，请先制作！", ToolField::None, false);
    WriteBytes(Source("12.gif"), "12");

    EXPECT_FALSE(editor.Validate().has_value());
}

TEST_F(Editor, ARefusalIsToldAndNothingIsWritten)
{
    FillIn();
    editor.fields.maxY = QStringLiteral("7");
    editor.fields.maxX = QStringLiteral("9");

    const LevelEditor::Result result = editor.Accept();

    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(result.refusal.caret, ToolField::MaxX);
    ASSERT_EQ(boxes.shown.size(), 1u);
    ExpectNote("图片横向卡片排列数或图片纵向卡片排列数要有一方为偶数！");
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
    ExpectNothingWritten();
}

// A name that would reach outside the levels folder, or break the lines of
// the catalogue, is refused right after the empty-name test, before it is
// used as a path.
TEST_F(Editor, RefusesNamesThatAreNoPlainFolderName)
{
    FillIn();
    WriteBytes(Program("gameg/x"), "a file beside the levels");
    const QString nul(QChar(0));
    for (const QString& bad :
         {QStringLiteral("a\\b"), QStringLiteral("a/b"), QStringLiteral(".."), QStringLiteral("a..b"),
          QStringLiteral("a:b"), QStringLiteral("[a"), QStringLiteral("a]"), QStringLiteral("a=b"),
          QStringLiteral("a\nb"), QStringLiteral("a\rb"), QStringLiteral(" a"), QStringLiteral("a "),
          QStringLiteral("\ta"), QStringLiteral("."), QStringLiteral("a") + nul + QStringLiteral("b"),
          QStringLiteral("a\x01"), QStringLiteral("a\tb"), QStringLiteral("a\x1F"), QStringLiteral("a\x7F")}) {
        editor.fields.name = bad;
        const auto refusal = editor.Validate();
        ASSERT_TRUE(refusal.has_value()) << bad.toStdString();
        EXPECT_TRUE(refusal->message.contains(QStringLiteral("关卡名称中不能有"))) << bad.toStdString();
        EXPECT_EQ(refusal->caret, ToolField::LevelName) << bad.toStdString();
        EXPECT_TRUE(refusal->select) << bad.toStdString();
    }
    for (const char* fine : {"星空 之夜", "a.b", "UserGK 乐园", "a-b_c"}) {
        editor.fields.name = QString::fromUtf8(fine);
        EXPECT_FALSE(editor.Validate().has_value()) << fine;
    }

    for (const QString& bad : {QStringLiteral("../escape"), QStringLiteral("a") + nul + QStringLiteral("b")}) {
        editor.fields.name = bad;
        EXPECT_EQ(editor.Accept().outcome, Outcome::Refused);
        EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), kGameIni);
        EXPECT_EQ(Listing(Program("gameg")), QStringList{"x"});
        EXPECT_EQ(Listing(Program()), (QStringList{"DAZGame.ini", "gameg/", "media/"}));
    }
}

TEST_F(Editor, RefusesAMakerThatWouldBreakTheCatalogue)
{
    FillIn();
    for (const QString& bad : {QStringLiteral("[张三]"), QStringLiteral("a\nb"), QString(QChar(0)),
                               QStringLiteral("a\tb"), QStringLiteral("\x7F")}) {
        editor.fields.maker = bad;
        const auto refusal = editor.Validate();
        ASSERT_TRUE(refusal.has_value()) << bad.toStdString();
        EXPECT_EQ(refusal->caret, ToolField::Maker);
        EXPECT_TRUE(refusal->select);
    }
    editor.fields.maker = QStringLiteral("张三=李四");
    EXPECT_FALSE(editor.Validate().has_value());
}

// Only visible files make a level folder taken; a folder that is there but
// empty passes, and then cannot be made anew. It is never removed.
TEST_F(Editor, AnExistingFolderWithoutFilesFailsWhenMade)
{
    FillIn();
    WriteBytes(Level(".hidden"), "h");
    QDir().mkpath(Level("sub"));

    const LevelEditor::Result result = editor.Accept();

    EXPECT_EQ(result.outcome, Outcome::Failed);
    ExpectFailureBox();
    EXPECT_EQ(Listing(Level("")), (QStringList{".hidden", "sub/"}));
    EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), kGameIni);
}

TEST_F(Editor, FileDialogsFillTheFieldsOrEmptyThem)
{
    dialogs.files = {Outside("back.bmp"), std::nullopt};
    editor.ChooseBackground();
    EXPECT_EQ(editor.fields.background, Outside("back.bmp"));
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].description, "图片文件");
    EXPECT_EQ(dialogs.fileRequests[0].patterns, (QStringList{"*.bmp", "*.jpg", "*.gif", "*.jpeg"}));
    editor.ChooseBackground();
    EXPECT_TRUE(editor.fields.background.isEmpty());

    dialogs.files = {Outside("music/song.mp3"), std::nullopt};
    editor.ChooseMusic();
    EXPECT_EQ(editor.fields.music, Outside("music/song.mp3"));
    EXPECT_EQ(editor.MusicName(), "song.mp3");
    EXPECT_EQ(dialogs.fileRequests[2].description, "媒体文件");
    EXPECT_EQ(dialogs.fileRequests[2].patterns, (QStringList{"*.mp3", "*.mid", "*.midi", "*.wav", "*.ogg"}));
    editor.ChooseMusic();
    EXPECT_TRUE(editor.fields.music.isEmpty());
    EXPECT_EQ(editor.MusicName(), "song.mp3");

    editor.fields.backColour = 0x123456;
    dialogs.colours = {0x0080FF, std::nullopt};
    editor.ChooseColour();
    EXPECT_EQ(dialogs.lastInitialColour, 0x123456);
    EXPECT_EQ(editor.fields.backColour, 0x0080FF);
    editor.ChooseColour();
    EXPECT_EQ(editor.fields.backColour, 0x0080FF);
}

} // namespace
} // namespace daz
