#include <csignal>

#include <sys/resource.h>

#include "TestFiles.h"
#include "leveldata/Formats.h"
#include "leveldata/PictureNames.h"

namespace daz {
namespace {

using testing::ReadBytes;

class Formats : public testing::ProgramFolderTest {};

// The levels of a catalogue, each as "number name path".
QStringList Entries(const Catalogue& catalogue)
{
    QStringList entries;
    for (const CatalogueEntry& entry : catalogue.levels) {
        entries << QStringLiteral("%1 %2 %3").arg(entry.number).arg(entry.name, entry.path);
    }
    return entries;
}

const QByteArray kGameIni =
    "[GameMenu]\r\nMenu=2\r\nMenuName1=\xD0\xA1\xD0\xC7\xD0\xC7\r\nMenuPath1=\\levels\\star\\\r\n"
    "MenuName2=b\r\nMenuPath2=\\levels\\b\\\r\n"
    "[UserSet]\r\nMediaON=-1\r\nSoundON=False\r\nUserGK=2\r\nUserJF=1234\r\n";

TEST_F(Formats, ReadsTheCatalogueInOrder)
{
    const Catalogue catalogue = ReadCatalogue(ini, File("DAZGame.ini", kGameIni));
    EXPECT_EQ(Entries(catalogue), (QStringList{"1 小星星 \\levels\\star\\", "2 b \\levels\\b\\"}));
    EXPECT_FALSE(catalogue.HasProblems());
    EXPECT_TRUE(boxes.shown.empty());
}

// Levels are read no further than the level menu's room, and missing
// entries show no box each: they are named together, by runs.
TEST_F(Formats, MissingEntriesAreNamedInOneMessage)
{
    QByteArray text = kGameIni;
    text.replace("Menu=2", "Menu=300");
    const Catalogue many = ReadCatalogue(ini, File("many.ini", text));
    EXPECT_EQ(many.menu, 300);
    EXPECT_EQ(many.levels.size(), 2u);
    EXPECT_EQ(many.missing.size(), 64u);
    EXPECT_EQ(CatalogueProblemText(many), "关卡目录中有 300 个关卡，关卡菜单只能列出前 66 个。\n第3至66关的条目缺失");

    text.replace("Menu=300", "Menu=3");
    EXPECT_EQ(CatalogueProblemText(ReadCatalogue(ini, File("one.ini", text))), "第3关的条目缺失");

    // Level 2 lacks its folder, 5 its name, 6 and 7 everything.
    const Catalogue gaps = ReadCatalogue(
        ini,
        File("gaps.ini", "[GameMenu]\r\nMenu=7\r\nMenuName1=a\r\nMenuPath1=\\a\\\r\nMenuName2=b\r\n"
                         "MenuName3=c\r\nMenuPath3=\\c\\\r\nMenuName4=d\r\nMenuPath4=\\d\\\r\nMenuPath5=\\e\\\r\n"));
    EXPECT_EQ(Entries(gaps), (QStringList{"1 a \\a\\", "3 c \\c\\", "4 d \\d\\"}));
    EXPECT_EQ(CatalogueProblemText(gaps), "第2、5至7关的条目缺失");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Formats, ACatalogueWithoutAUsableCountIsEmpty)
{
    EXPECT_TRUE(ReadCatalogue(ini, File("a.ini", "[GameMenu]\r\nMenu=x\r\nMenuName1=a\r\n")).levels.empty());
    EXPECT_TRUE(ReadCatalogue(ini, File("b.ini", "[GameMenu]\r\nMenu=-2\r\n")).levels.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(ReadCatalogue(ini, Path("none.ini")).levels.empty());
    EXPECT_EQ(ShownTexts(), QStringList{testing::kFileError});
}

// The lines and the new count go in together.
TEST_F(Formats, TheEditorsNewLevelFollowsTheUserSettings)
{
    const QString path = File("DAZGame.ini", kGameIni);
    ASSERT_TRUE(AppendCatalogueLevel(ini, path, 3, QStringLiteral("星空"), QString()).ok);

    QByteArray expected = kGameIni;
    expected.replace("Menu=2", "Menu=3");
    // The file was GBK, so the new name is GBK too.
    expected += "MenuName3=\xD0\xC7\xBF\xD5\r\nMenuPath3=\\gameg\\\xD0\xC7\xBF\xD5\\\r\n";
    EXPECT_EQ(ReadBytes(path), expected);

    EXPECT_EQ(Entries(ReadCatalogue(ini, path)).value(2), "3 星空 \\gameg\\星空\\");
    EXPECT_TRUE(boxes.shown.empty());

    // Without the catalogue's header there is no count to go with the
    // lines, and neither is written.
    const QByteArray noHeader = "[UserSet]\r\nUserGK=1\r\n";
    const IniWriteResult result = AppendCatalogueLevel(ini, File("b.ini", noHeader), 1, "a", "");
    EXPECT_FALSE(result.sectionFound);
    EXPECT_EQ(ReadBytes(Path("b.ini")), noHeader);
}

TEST_F(Formats, TheCatalogueNameCarriesTheMaker)
{
    EXPECT_EQ(CatalogueLines(3, "Star", ""), (QStringList{"MenuName3=Star", "MenuPath3=\\gameg\\Star\\"}));
    EXPECT_EQ(CatalogueLines(12, QStringLiteral("星空"), QStringLiteral("张三")),
              (QStringList{QStringLiteral("MenuName12=星空--张三制作"), QStringLiteral("MenuPath12=\\gameg\\星空\\")}));
}

TEST_F(Formats, ReadsTheUserSettings)
{
    const UserSettings settings = ReadUserSettings(ini, File("DAZGame.ini", kGameIni));
    EXPECT_EQ(settings.mediaOnText, "-1");
    EXPECT_TRUE(settings.mediaOn);
    EXPECT_FALSE(settings.soundOn);
    EXPECT_EQ(settings.userGK, 2);
    EXPECT_EQ(settings.userJF, 1234);
}

TEST_F(Formats, UnreadableUserSettingsGiveTheDefaults)
{
    const UserSettings settings = ReadUserSettings(
        ini, File("DAZGame.ini", "[UserSet]\r\nMediaON=maybe\r\nSoundON=\r\nUserGK=99999\r\nUserJF=lots\r\n"));
    EXPECT_TRUE(settings.mediaOnText.isEmpty());
    EXPECT_TRUE(settings.mediaOn);
    EXPECT_TRUE(settings.soundOn);
    EXPECT_EQ(settings.userGK, 1);
    EXPECT_EQ(settings.userJF, 0);

    // A score beyond the eight digits the game shows reads as the nearer bound.
    const std::pair<const char*, std::int64_t> scores[] = {
        {"-9223372036854775808", 0},
        {"-1", 0},
        {"99999999", 99999999},
        {"100000000", 99999999},
        {"9223372036854775807", 99999999},
        {"99999999999999999999", 99999999},
        {"-1e30", 0},
        {"1E30", 99999999},
    };
    for (const auto& [text, expected] : scores) {
        const QString path = File("s.ini", QByteArray("[UserSet]\r\nUserJF=") + text + "\r\n");
        EXPECT_EQ(ReadUserSettings(ini, path).userJF, expected) << text;
    }
}

TEST_F(Formats, SavesTheMusicSwitchInTheFormItHas)
{
    const QString path = File("DAZGame.ini", kGameIni);
    UserSettings settings = ReadUserSettings(ini, path);
    settings.userGK = 1;
    settings.userJF = 1300;
    ASSERT_TRUE(WriteUserSettings(ini, path, settings).ok);
    EXPECT_TRUE(ReadBytes(path).endsWith("[UserSet]\r\nMediaON=-1\r\nSoundON=False\r\nUserGK=1\r\nUserJF=1300\r\n"));

    // Toggled by the player, it becomes a plain switch.
    settings.mediaOnText.clear();
    settings.mediaOn = false;
    settings.soundOn = true;
    ASSERT_TRUE(WriteUserSettings(ini, path, settings).ok);
    EXPECT_TRUE(ReadBytes(path).endsWith("[UserSet]\r\nMediaON=False\r\nSoundON=True\r\nUserGK=1\r\nUserJF=1300\r\n"));

    EXPECT_FALSE(WriteUserSettings(ini, Path("none.ini"), settings).ok);
}

// The four settings are saved in one replace: a save that cannot be stored
// changes none of them, and tells the system's reason. Here the file may
// grow by a few bytes only; the new score needs more.
TEST_F(Formats, SavesAllFourSettingsOrNone)
{
    const QByteArray before = QByteArray(kGameIni).replace("MediaON=-1", "MediaON=False");
    const QString path = File("DAZGame.ini", before);
    UserSettings settings = ReadUserSettings(ini, path);
    settings.mediaOn = true;
    settings.mediaOnText.clear();
    settings.userJF = 123456789012;

    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{rlim_t(before.size() + 4), limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const IniWriteResult result = WriteUserSettings(ini, path, settings);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(FileErrorText(result.error).contains(QStringLiteral("文件太大")))
        << FileErrorText(result.error).toStdString();
    EXPECT_TRUE(FileErrorText(result.error).contains("DAZGame.ini")) << FileErrorText(result.error).toStdString();
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"DAZGame.ini"});

    ASSERT_TRUE(WriteUserSettings(ini, path, settings).ok);
    EXPECT_TRUE(
        ReadBytes(path).endsWith("[UserSet]\r\nMediaON=True\r\nSoundON=False\r\nUserGK=2\r\nUserJF=123456789012\r\n"));
}

TEST_F(Formats, WritesTheLevelSettingsInTheEditorsLayout)
{
    LevelSettingsText settings;
    settings.maxX = " 10";
    settings.photoSum = "12";
    settings.gBackColor = "-2147483633";
    settings.mediaName = QStringLiteral("春.mp3");
    settings.particle = "5";
    const QString path = Path("setme.ini");
    ASSERT_TRUE(WriteLevelSettings(ini, path, settings).ok);
    EXPECT_EQ(ReadBytes(path), QStringLiteral("[GameSet]\r\nMaxX= 10\r\nMaxY=8\r\nPhotoSum=12\r\n"
                                              "GBackColor=-2147483633\r\nMediaName=春.mp3\r\nParticle=5\r\n")
                                   .toUtf8());

    const LevelSettingsText read = ReadLevelSettings(ini, path);
    EXPECT_EQ(read.maxX, " 10");
    EXPECT_EQ(read.mediaName, QStringLiteral("春.mp3"));
    EXPECT_TRUE(boxes.shown.empty());

    const auto parsed = ParseLevelSettings(read);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->maxX, 10);
    EXPECT_EQ(parsed->maxY, 8);
    EXPECT_EQ(parsed->photoSum, 12);
    EXPECT_EQ(parsed->gBackColor, static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(parsed->particle, 5);

    settings.photoSum.clear();
    EXPECT_FALSE(ParseLevelSettings(settings).has_value());
}

// A level's picture names come from a file anyone may have written: what
// cannot be read is left out, and a name missing in the player's language
// is taken from Chinese, then from any language that has it.
TEST_F(Formats, PictureNamesKeepWhatTheyCanReadAndFallBackByLanguage)
{
    File(QStringLiteral("levels/star/pictures.ini"),
         "\xEF\xBB\xBF[zh]\r\n1=\xE9\xBE\x99\r\n2 = \xE8\x99\x8E \r\n0=none\r\n1000=far\r\nx=y\r\n"
         "3=\r\n[en]\n2=tiger\n4=crane\n[../x]\n5=lost\n[fr]\n\n");
    const PictureNames names = ReadPictureNames(folder.path(), QStringLiteral("\\levels\\star\\"));

    EXPECT_EQ(names.byLanguage.keys(), (QStringList{"en", "zh"}));
    EXPECT_EQ(names.Of(QStringLiteral("en"), 1), QStringLiteral("龙"));
    EXPECT_EQ(names.Of(QStringLiteral("en"), 2), QStringLiteral("tiger"));
    EXPECT_EQ(names.Of(QStringLiteral("zh"), 2), QStringLiteral("虎"));
    EXPECT_EQ(names.Of(QStringLiteral("zh"), 4), QStringLiteral("crane"));
    EXPECT_EQ(names.Of(QStringLiteral("zh"), 3), QString());
    EXPECT_EQ(names.Of(QStringLiteral("zh"), 5), QString());
    EXPECT_EQ(ParsePictureNames(SerializePictureNames(names)), names);
    EXPECT_TRUE(ReadPictureNames(folder.path(), QStringLiteral("\\levels\\none\\")).IsEmpty());
}

} // namespace
} // namespace daz
