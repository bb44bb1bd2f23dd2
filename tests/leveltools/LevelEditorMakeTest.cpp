// The level editor making levels: the level folder, the catalogue, the
// music, and what a failure part-way takes back.
#include <vector>

#include <QDir>
#include <QFileInfo>

#include "PipeTrap.h"
#include "ToolFolder.h"

namespace daz {
namespace {

using testing::Editor;
using testing::kGameIni;
using testing::Listing;
using testing::ReadBytes;
using testing::WriteBytes;
using Outcome = LevelEditor::Outcome;

TEST_F(Editor, MakesTheLevelFolderAndAddsItToTheCatalogue)
{
    FillIn();
    WriteBytes(Outside("back.jpg"), "background");
    WriteBytes(Outside("music/song.mp3"), "music");
    dialogs.files = {Outside("back.jpg"), Outside("music/song.mp3")};
    editor.ChooseBackground();
    editor.ChooseMusic();
    editor.fields.backColour = 0x0080FF;
    editor.fields.particle = 3;
    editor.fields.maker = QStringLiteral("张三");
    editor.fields.names.byLanguage[QStringLiteral("zh")] = {QStringLiteral("北斗"), {}, QStringLiteral("银河")};
    // A folder that a build cut short by a kill left behind.
    WriteBytes(Program("gameg/.building=Ab12Cd34/1.gif"), "half");
    // The level is built aside and takes its name only when complete.
    std::vector<LevelEditor::Step> seenUnderItsName;
    editor.beforeStep = [&](LevelEditor::Step step) {
        if (QFileInfo::exists(Level(""))) {
            seenUnderItsName.push_back(step);
        }
    };

    const LevelEditor::Result result = editor.Accept();

    EXPECT_EQ(result.outcome, Outcome::Created);
    EXPECT_EQ(seenUnderItsName, std::vector{LevelEditor::Step::AddToCatalogue});
    EXPECT_EQ(Listing(Program("gameg")), QStringList{"星空/"});
    ASSERT_EQ(boxes.shown.size(), 1u);
    ExpectNote("关卡文件生成，已加入关卡菜单！");

    EXPECT_EQ(Listing(Level("")),
              (QStringList{"1.gif", "10.gif", "11.gif", "12.gif", "2.gif", "3.gif", "4.gif", "5.gif", "6.gif", "7.gif",
                           "8.gif", "9.gif", "gameback.jpg", "mb1.gif", "mb2.gif", "pictures.ini", "setme.ini"}));
    EXPECT_EQ(ReadBytes(Level("pictures.ini")), "[zh]\n1=北斗\n3=银河\n");
    for (const QString& name :
         {QStringLiteral("1.gif"), QStringLiteral("12.gif"), QStringLiteral("mb1.gif"), QStringLiteral("mb2.gif")}) {
        EXPECT_EQ(ReadBytes(Level(name)), ReadBytes(Source(name))) << name.toStdString();
    }
    EXPECT_EQ(ReadBytes(Level("gameback.jpg")), "background");
    EXPECT_EQ(ReadBytes(Level("setme.ini")), "[GameSet]\r\nMaxX=12\r\nMaxY=8\r\nPhotoSum=12\r\nGBackColor=33023\r\n"
                                             "MediaName=song.mp3\r\nParticle=3\r\n");
    EXPECT_EQ(ReadBytes(Program("media/song.mp3")), "music");

    QByteArray catalogue = kGameIni;
    catalogue.replace("Menu=2", "Menu=3");
    catalogue += "MenuName3=星空--张三制作\r\nMenuPath3=\\gameg\\星空\\\r\n";
    EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), catalogue);
    EXPECT_EQ(Listing(Program()), (QStringList{"DAZGame.ini", "gameg/", "media/"}));
}

// Numbers go in as typed; without a maker the catalogue name is the level
// name; without background and music neither is written, also when a
// background was chosen and then the choice cancelled.
TEST_F(Editor, MakesAPlainLevel)
{
    FillIn();
    WriteBytes(Outside("back.jpg"), "background");
    dialogs.files = {Outside("back.jpg"), std::nullopt};
    editor.ChooseBackground();
    editor.ChooseBackground();
    editor.fields.photoSum = QStringLiteral("10");
    editor.fields.maxX = QStringLiteral(" 4");
    editor.fields.backColour = -2147483633; // a system colour

    EXPECT_EQ(editor.Accept().outcome, Outcome::Created);

    EXPECT_EQ(Listing(Level("")), (QStringList{"1.gif", "10.gif", "2.gif", "3.gif", "4.gif", "5.gif", "6.gif", "7.gif",
                                               "8.gif", "9.gif", "mb1.gif", "mb2.gif", "setme.ini"}));
    EXPECT_EQ(ReadBytes(Level("setme.ini")), "[GameSet]\r\nMaxX= 4\r\nMaxY=8\r\nPhotoSum=10\r\n"
                                             "GBackColor=-2147483633\r\nMediaName=\r\nParticle=0\r\n");
    EXPECT_TRUE(
        ReadBytes(Program("DAZGame.ini")).endsWith("UserJF=0\r\nMenuName3=星空\r\nMenuPath3=\\gameg\\星空\\\r\n"));
    EXPECT_TRUE(Listing(Program("media")).isEmpty());
}

TEST_F(Editor, MusicAlreadyInTheMediaFolderIsNotCopiedAgain)
{
    FillIn();
    WriteBytes(Program("media/song.mp3"), "the shared one");
    WriteBytes(Outside("song.mp3"), "another song of that name");
    dialogs.files = {Outside("song.mp3")};
    editor.ChooseMusic();

    EXPECT_EQ(editor.Accept().outcome, Outcome::Created);

    EXPECT_EQ(ReadBytes(Program("media/song.mp3")), "the shared one");
    EXPECT_TRUE(ReadBytes(Level("setme.ini")).contains("\r\nMediaName=song.mp3\r\n"));
}

// A folder of the program folder that is a link leading out of it takes
// no write: the editor says which link, and nothing lands where it points.
TEST_F(Editor, WritesThroughALinkThatLeadsOutAreRefusedNamingTheLink)
{
    FillIn();
    QDir().mkpath(Outside("elsewhere"));
    WriteBytes(Outside("song.mp3"), "a song");
    for (const QString& folder : {QStringLiteral("gameg"), QStringLiteral("media")}) {
        QDir(Program(folder)).removeRecursively();
        ASSERT_TRUE(QFile::link(Outside("elsewhere"), Program(folder)));
        dialogs.files = {Outside("song.mp3")};
        editor.ChooseMusic();

        EXPECT_EQ(editor.Accept().outcome, Outcome::Refused) << folder.toStdString();
        ExpectNote(LinkLeadingOutMessage(Program(folder)));
        EXPECT_TRUE(Listing(Outside("elsewhere")).isEmpty()) << folder.toStdString();
        EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), kGameIni);

        QFile::remove(Program(folder));
        QDir().mkpath(Program(folder));
    }
    // The catalogue itself a link that leads out: nothing is made.
    ASSERT_TRUE(QFile::rename(Program("DAZGame.ini"), Outside("DAZGame.ini")));
    ASSERT_TRUE(QFile::link(Outside("DAZGame.ini"), Program("DAZGame.ini")));
    EXPECT_EQ(editor.Accept().outcome, Outcome::Refused);
    ExpectNote(LinkLeadingOutMessage(Program("DAZGame.ini")));
    EXPECT_TRUE(Listing(Program("gameg")).isEmpty());
    EXPECT_EQ(ReadBytes(Outside("DAZGame.ini")), kGameIni);
}

// A failure part-way leaves no half-made level: the folder the editor made
// goes again. Here a picture is gone, a pipe cannot be copied, and the
// media folder is missing.
TEST_F(Editor, AFailedCopyTakesBackTheLevelFolder)
{
    FillIn();
    WriteBytes(Outside("song.mp3"), "music");
    dialogs.files = {Outside("gone.jpg"), Outside("song.mp3")};
    editor.ChooseBackground(); // a picture that is gone by the time it is copied
    editor.ChooseMusic();

    EXPECT_EQ(editor.Accept().outcome, Outcome::Failed);

    ExpectFailureBox();
    EXPECT_TRUE(boxes.shown.back().text.contains(QStringLiteral("gone.jpg")));
    ExpectNothingWritten();

    // A pipe would never finish copying: it is refused unopened.
    testing::PipeTrap pipe(Outside("pipe.jpg"));
    ASSERT_TRUE(pipe.Made());
    dialogs.files = {Outside("pipe.jpg")};
    editor.ChooseBackground();
    EXPECT_EQ(editor.Accept().outcome, Outcome::Failed);
    ExpectFailureBox();
    EXPECT_TRUE(boxes.shown.back().text.contains(QStringLiteral("pipe.jpg")));
    ExpectNothingWritten();
    EXPECT_FALSE(pipe.Opened());

    editor.fields.background.clear();
    QDir(Program("media")).removeRecursively();
    testing::WriteBytes(Program("media"), "not a folder");
    EXPECT_EQ(editor.Accept().outcome, Outcome::Failed);
    ExpectFailureBox();
    EXPECT_TRUE(Listing(Program("gameg")).isEmpty());
    EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), kGameIni);
}

// The catalogue takes the level's lines and its new count in one replace.
// When that fails (here: the file is read-only, which binds the superuser
// too) the catalogue is as it was, the reason is told, and the level
// folder and the music copied for it go again.
TEST_F(Editor, ACatalogueThatCannotBeWrittenTakesBackTheLevel)
{
    FillIn();
    WriteBytes(Outside("song.mp3"), "music");
    dialogs.files = {Outside("song.mp3")};
    editor.ChooseMusic();
    bool levelInPlace = false;
    editor.beforeStep = [&](LevelEditor::Step step) {
        if (step != LevelEditor::Step::AddToCatalogue) {
            return;
        }
        levelInPlace = QFileInfo::exists(Level("setme.ini"));
        QFile::setPermissions(Program("DAZGame.ini"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    };

    EXPECT_EQ(editor.Accept().outcome, Outcome::Failed);

    EXPECT_TRUE(levelInPlace);
    ExpectFailureBox();
    EXPECT_TRUE(boxes.shown.back().text.contains(QStringLiteral("只读"))) << boxes.shown.back().text.toStdString();
    EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), kGameIni);
    EXPECT_EQ(Listing(Program()), (QStringList{"DAZGame.ini", "gameg/", "media/"}));
    EXPECT_TRUE(Listing(Program("gameg")).isEmpty());
    EXPECT_TRUE(Listing(Program("media")).isEmpty());
}

// Without the catalogue's [GameMenu] section or its level count the level
// could not be listed; this is found out before anything is made.
TEST_F(Editor, ACatalogueWithoutItsSectionOrCountIsReportedBeforeAnythingIsMade)
{
    FillIn();
    // The header gone, also where the name still stands inside a value.
    for (const char* header : {"", "Note=[GameMenu]\r\n", "[GameMenuOld]\r\n"}) {
        QByteArray noSection = kGameIni;
        noSection.replace("[GameMenu]\r\n", header);
        WriteBytes(Program("DAZGame.ini"), noSection);
        boxes.shown.clear();

        EXPECT_EQ(editor.Accept().outcome, Outcome::Failed) << header;

        ASSERT_EQ(boxes.shown.size(), 1u) << header;
        ExpectFailureBox();
        EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("没有 [GameMenu] 一节"))) << header;
        EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), noSection);
        EXPECT_TRUE(Listing(Program("gameg")).isEmpty());
    }

    boxes.shown.clear();
    QByteArray noCount = kGameIni;
    noCount.replace("Menu=2\r\n", "");
    WriteBytes(Program("DAZGame.ini"), noCount);

    EXPECT_EQ(editor.Accept().outcome, Outcome::Failed);

    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "在文件中没有找到所要查找的字段");
    ExpectFailureBox();
    EXPECT_EQ(ReadBytes(Program("DAZGame.ini")), noCount);
    EXPECT_TRUE(Listing(Program("gameg")).isEmpty());

    boxes.shown.clear();
    QFile::remove(Program("DAZGame.ini"));
    EXPECT_EQ(editor.Accept().outcome, Outcome::Failed);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "文件出错");
    ExpectFailureBox();
    EXPECT_TRUE(Listing(Program("gameg")).isEmpty());
}

} // namespace
} // namespace daz
