#include <QDir>
#include <QFileInfo>

#include "ToolFolder.h"
#include "leveldata/Formats.h"
#include "leveltools/LevelModifier.h"

namespace daz {
namespace {

using testing::Listing;
using testing::ReadBytes;
using testing::WriteBytes;
using Outcome = LevelModifier::Outcome;

const QByteArray kStar =
    "[GameSet]\r\nMaxX=10\r\nMaxY=8\r\nPhotoSum=20\r\nGBackColor=255\r\nMediaName=a.mp3\r\nParticle=2\r\n";
const QByteArray kMoon =
    "[GameSet]\r\nMaxX=12\r\nMaxY=7\r\nPhotoSum=20\r\nGBackColor=-2147483633\r\nMediaName=\r\nParticle=6\r\n";

QString StoredName(const CatalogueEntry& level)
{
    return level.name;
}

class Modifier : public testing::ToolFolderTest {
protected:
    void SetUp() override
    {
        ToolFolderTest::SetUp();
        WriteBytes(Star("setme.ini"), kStar);
        WriteBytes(Star("gameback.jpg"), "star background");
        WriteBytes(Moon("setme.ini"), kMoon);
        modifier.Load();
    }
    QString Star(const QString& name) const { return Program(QStringLiteral("levels/star/") + name); }
    QString Moon(const QString& name) const { return Program(QStringLiteral("levels/moon/") + name); }
    void ExpectRefusal(const QString& message, ToolField caret, bool select)
    {
        ToolFolderTest::ExpectRefusal(modifier, message, caret, select);
    }

    LevelModifier modifier{context};
};

TEST_F(Modifier, ListsTheCatalogueReadAnewAtEachOpening)
{
    EXPECT_EQ(modifier.LevelItems(StoredName), (QStringList{"1．小星星", "2．月亮"}));
    EXPECT_EQ(modifier.ChosenLevel(), -1);

    ASSERT_TRUE(
        AppendCatalogueLevel(ini, Program("DAZGame.ini"), 3, QStringLiteral("星空"), QStringLiteral("张三")).ok);
    LevelModifier reopened(context);
    reopened.Load();
    EXPECT_EQ(reopened.LevelItems(StoredName), (QStringList{"1．小星星", "2．月亮", "3．星空--张三制作"}));
    EXPECT_TRUE(boxes.shown.empty());

    // A count beyond the entries there are: the levels found are listed with
    // their own numbers, and what is missing is told in one note.
    QByteArray gaps = testing::kGameIni;
    gaps.replace("Menu=2", "Menu=300");
    gaps.replace("MenuName1=", "Name1=");
    WriteBytes(Program("DAZGame.ini"), gaps);
    LevelModifier gapped(context);
    EXPECT_EQ(CatalogueProblemText(gapped.Load()),
              "关卡目录中有 300 个关卡，关卡菜单只能列出前 66 个。\n第1、3至66关的条目缺失");
    EXPECT_EQ(gapped.LevelItems(StoredName), QStringList{"2．月亮"});
    gapped.ChooseLevel(0);
    EXPECT_EQ(gapped.LevelFolder(), Moon(""));
}

TEST_F(Modifier, ChoosingALevelFillsTheFields)
{
    EXPECT_EQ(modifier.fields.particle, -1); // no effect selected yet
    modifier.ChooseLevel(0);
    EXPECT_EQ(modifier.ChosenLevel(), 0);
    EXPECT_EQ(modifier.LevelFolder(), Star(""));
    EXPECT_EQ(modifier.fields.maxX, "10");
    EXPECT_EQ(modifier.fields.maxY, "8");
    EXPECT_EQ(modifier.fields.backColour, 255);
    EXPECT_EQ(modifier.fields.background, "gameback.jpg");
    EXPECT_EQ(modifier.fields.music, "a.mp3");
    EXPECT_EQ(modifier.fields.particle, 2);

    // An effect number outside the list keeps the list's choice.
    modifier.ChooseLevel(1);
    EXPECT_EQ(modifier.fields.maxX, "12");
    EXPECT_EQ(modifier.fields.maxY, "7");
    EXPECT_EQ(modifier.fields.backColour, -2147483633);
    EXPECT_TRUE(modifier.fields.background.isEmpty());
    EXPECT_TRUE(modifier.fields.music.isEmpty());
    EXPECT_EQ(modifier.fields.particle, 2);
    EXPECT_TRUE(boxes.shown.empty());
}

// The picture count is not read, so a settings file without it is fine; a
// colour that cannot be read keeps the swatch's colour. Without the file,
// each key shown tells the file error.
TEST_F(Modifier, ChoosingReadsOnlyTheKeysItShows)
{
    modifier.ChooseLevel(0);
    WriteBytes(Moon("setme.ini"),
               "[GameSet]\r\nMaxX=6\r\nMaxY=6\r\nGBackColor=red\r\nMediaName=b.mid\r\nParticle=0\r\n");
    modifier.ChooseLevel(1);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(modifier.fields.backColour, 255);
    EXPECT_EQ(modifier.fields.particle, 0);

    QFile::remove(Moon("setme.ini"));
    modifier.ChooseLevel(1);
    EXPECT_EQ(ShownTexts(), QStringList(5, "文件出错"));
}

TEST_F(Modifier, RefusesEntriesInOrder)
{
    ExpectRefusal("哈哈！你还没有选择要修改的关卡呢！", ToolField::LevelList, false);
    modifier.ChooseLevel(0);
    auto& f = modifier.fields;

    ExpectSizeRefusals(modifier);
    ExpectRefusal("图片横向卡片排列数或图片纵向卡片排列数要有一方为偶数！", ToolField::MaxY, true);
    f.maxY = QStringLiteral(" 12 ");

    f.background = Outside("none.jpg");
    ExpectRefusal("对不起，背景图不存在，请重新选择一个！", ToolField::Background, true);
    WriteBytes(Outside("none.jpg"), "now it is there");
    EXPECT_FALSE(modifier.Validate().has_value());

    f.music = Outside("none.mp3");
    ExpectRefusal("对不起，背景音乐不存在，请重新选择一个！", ToolField::Music, true);
    // The stored music name passes although no such file is at hand.
    f.music = QStringLiteral("a.mp3");
    EXPECT_FALSE(modifier.Validate().has_value());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Modifier, ARefusalIsToldAndNothingIsWritten)
{
    const LevelModifier::Result result = modifier.Save();
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(result.refusal.caret, ToolField::LevelList);
    ASSERT_EQ(boxes.shown.size(), 1u);
    ExpectNote("哈哈！你还没有选择要修改的关卡呢！");

    modifier.ChooseLevel(0);
    modifier.fields.maxX = QStringLiteral("25");
    EXPECT_EQ(modifier.Save().outcome, Outcome::Refused);
    EXPECT_EQ(ReadBytes(Star("setme.ini")), kStar);
}

TEST_F(Modifier, SavingWithoutChangesKeepsTheLevelAsItWas)
{
    modifier.ChooseLevel(0);
    EXPECT_EQ(modifier.Save().outcome, Outcome::Saved);
    EXPECT_EQ(ShownTexts(), QStringList{"当前关卡修改成功！"});
    EXPECT_EQ(ReadBytes(Star("setme.ini")), kStar);
    EXPECT_EQ(ReadBytes(Star("gameback.jpg")), "star background");
    EXPECT_TRUE(Listing(Program("media")).isEmpty());

    // The level's own background name always passes, also where the level
    // has no background.
    modifier.ChooseLevel(1);
    modifier.fields.background = QStringLiteral("gameback.jpg");
    EXPECT_EQ(modifier.Save().outcome, Outcome::Saved);
    EXPECT_FALSE(QFileInfo::exists(Moon("gameback.jpg")));
}

TEST_F(Modifier, SavesTheChangedSettings)
{
    WriteBytes(Outside("new.bmp"), "new background");
    WriteBytes(Outside("music/tune.mid"), "tune");
    dialogs.files = {Outside("new.bmp"), Outside("music/tune.mid")};
    dialogs.colours = {0xFF0000};

    modifier.ChooseLevel(0);
    modifier.ChooseBackground();
    modifier.ChooseMusic();
    modifier.ChooseColour();
    modifier.fields.maxX = QStringLiteral("7");
    modifier.fields.maxY = QStringLiteral("6");
    modifier.fields.particle = 5;
    EXPECT_EQ(modifier.Save().outcome, Outcome::Saved);

    ASSERT_EQ(boxes.shown.size(), 1u);
    ExpectNote("当前关卡修改成功！");
    EXPECT_EQ(ReadBytes(Star("setme.ini")), "[GameSet]\r\nMaxX=7\r\nMaxY=6\r\nPhotoSum=20\r\nGBackColor=16711680\r\n"
                                            "MediaName=tune.mid\r\nParticle=5\r\n");
    EXPECT_EQ(ReadBytes(Star("gameback.jpg")), "new background");
    EXPECT_EQ(ReadBytes(Program("media/tune.mid")), "tune");
    EXPECT_EQ(Listing(Star("")), (QStringList{"gameback.jpg", "setme.ini"}));
}

TEST_F(Modifier, EmptyFieldsRemoveTheBackgroundAndTheMusic)
{
    modifier.ChooseLevel(0);
    modifier.fields.background.clear();
    modifier.fields.music.clear();
    EXPECT_EQ(modifier.Save().outcome, Outcome::Saved);

    EXPECT_FALSE(QFileInfo::exists(Star("gameback.jpg")));
    EXPECT_EQ(ReadBytes(Star("setme.ini")), QByteArray(kStar).replace("MediaName=a.mp3", "MediaName="));
}

TEST_F(Modifier, CancelledDialogsKeepTheFields)
{
    modifier.ChooseLevel(0);
    dialogs.files = {std::nullopt, std::nullopt};
    modifier.ChooseBackground();
    modifier.ChooseMusic();
    modifier.ChooseColour();
    EXPECT_EQ(modifier.fields.background, "gameback.jpg");
    EXPECT_EQ(modifier.fields.music, "a.mp3");
    EXPECT_EQ(modifier.fields.backColour, 255);
    EXPECT_TRUE(modifier.MediaTitle().isEmpty());
    EXPECT_EQ(dialogs.fileRequests[0].patterns, (QStringList{"*.bmp", "*.jpg", "*.gif", "*.jpeg"}));
    EXPECT_EQ(dialogs.fileRequests[1].patterns, (QStringList{"*.mp3", "*.mid", "*.midi", "*.wav", "*.ogg"}));
}

TEST_F(Modifier, MusicAlreadyInTheMediaFolderIsNotCopiedAgain)
{
    WriteBytes(Program("media/tune.mid"), "the shared one");
    WriteBytes(Outside("tune.mid"), "another");
    dialogs.files = {Outside("tune.mid")};
    modifier.ChooseLevel(1);
    modifier.ChooseMusic();
    modifier.fields.maxY = QStringLiteral("8");
    EXPECT_EQ(modifier.Save().outcome, Outcome::Saved);

    EXPECT_EQ(ReadBytes(Program("media/tune.mid")), "the shared one");
    EXPECT_TRUE(ReadBytes(Moon("setme.ini")).contains("\r\nMediaName=tune.mid\r\n"));
}

// The music is stored under the name last chosen in the dialog, also when
// the path was typed by hand afterwards, and also across levels.
TEST_F(Modifier, MusicTypedByHandIsStoredUnderTheLastChosenName)
{
    WriteBytes(Outside("typed.wav"), "typed");
    modifier.ChooseLevel(0);
    modifier.fields.music = Outside("typed.wav");
    EXPECT_EQ(modifier.Save().outcome, Outcome::Saved);
    EXPECT_TRUE(ReadBytes(Star("setme.ini")).contains("\r\nMediaName=\r\n"));
    EXPECT_TRUE(Listing(Program("media")).isEmpty());

    WriteBytes(Outside("chosen.mp3"), "chosen");
    dialogs.files = {Outside("chosen.mp3")};
    modifier.ChooseMusic();
    modifier.ChooseLevel(1);
    EXPECT_EQ(modifier.MediaTitle(), "chosen.mp3");
    modifier.fields.maxY = QStringLiteral("8");
    modifier.fields.music = Outside("typed.wav");
    EXPECT_EQ(modifier.Save().outcome, Outcome::Saved);
    EXPECT_TRUE(ReadBytes(Moon("setme.ini")).contains("\r\nMediaName=chosen.mp3\r\n"));
    EXPECT_EQ(ReadBytes(Program("media/chosen.mp3")), "typed");
}

// A failure stops the save and is told; the keys go into setme.ini
// together at the end, so its settings stay as they were. A read-only
// setme.ini is not replaced, whoever runs the game.
TEST_F(Modifier, AFailureStopsTheSaveAndIsReported)
{
    modifier.ChooseLevel(1);
    QDir().mkpath(Moon("gameback.jpg")); // a folder where the picture should go
    WriteBytes(Outside("new.jpg"), "new");
    modifier.fields.background = Outside("new.jpg");
    modifier.fields.maxY = QStringLiteral("9");

    EXPECT_EQ(modifier.Save().outcome, Outcome::Failed);

    ASSERT_EQ(boxes.shown.size(), 1u);
    ExpectFailureBox();
    EXPECT_EQ(ReadBytes(Moon("setme.ini")), kMoon);

    boxes.shown.clear();
    QDir(Moon("gameback.jpg")).removeRecursively();
    modifier.fields.background.clear();
    QFile::setPermissions(Moon("setme.ini"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(modifier.Save().outcome, Outcome::Failed);
    ExpectFailureBox();
    EXPECT_TRUE(boxes.shown.back().text.contains(QStringLiteral("只读"))) << boxes.shown.back().text.toStdString();
    EXPECT_EQ(ReadBytes(Moon("setme.ini")), kMoon);

    boxes.shown.clear();
    QFile::remove(Moon("setme.ini"));
    EXPECT_EQ(modifier.Save().outcome, Outcome::Failed);
    ExpectFailureBox();
}

// A level folder that is a link leading out of the program folder takes
// no write, however it was chosen: the modifier says which link.
TEST_F(Modifier, ALevelFolderThatIsALinkLeadingOutTakesNoWrite)
{
    ASSERT_TRUE(QDir().rename(Program("levels/star"), Outside("star")));
    ASSERT_TRUE(QFile::link(Outside("star"), Program("levels/star")));
    const QStringList before = Listing(Outside("star"));
    modifier.ChooseLevel(0);
    modifier.fields.maxX = QStringLiteral("6");
    modifier.fields.maxY = QStringLiteral("4");
    modifier.fields.background.clear();

    EXPECT_EQ(modifier.Save().outcome, Outcome::Refused);
    ExpectNote(LinkLeadingOutMessage(Program("levels/star")));
    EXPECT_EQ(Listing(Outside("star")), before);
    EXPECT_EQ(ReadBytes(Outside("star/setme.ini")), kStar);
}

// A settings file without its section takes no key; that is no success.
TEST_F(Modifier, ASettingsFileWithoutItsSectionIsNotReportedAsSaved)
{
    modifier.ChooseLevel(1);
    const QByteArray noSection = QByteArray(kMoon).replace("[GameSet]\r\n", "");
    WriteBytes(Moon("setme.ini"), noSection);
    modifier.fields.maxY = QStringLiteral("8");
    EXPECT_EQ(modifier.Save().outcome, Outcome::Failed);
    ExpectFailureBox();
    EXPECT_EQ(ReadBytes(Moon("setme.ini")), noSection);
}

} // namespace
} // namespace daz
