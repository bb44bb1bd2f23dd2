#include <sys/stat.h>
#include <unistd.h>

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include "TestFiles.h"

namespace daz {
namespace {

using testing::ReadBytes;

class IniWrite : public testing::ProgramFolderTest {
protected:
    // Writes the content to a file, applies the write and returns what the
    // file then holds.
    template <typename Value>
    QByteArray After(const QByteArray& content, const QString& section, const QString& key, Value value)
    {
        const QString path = File("test.ini", content);
        const IniWriteResult result = ini.WriteIniKey(path, section, key, value);
        EXPECT_TRUE(result.ok) << FileErrorText(result.error).toStdString();
        return ReadBytes(path);
    }
    // Whether a write left a temporary file anywhere in the folder.
    bool TempFileLeft() const
    {
        static const QRegularExpression temporary(QStringLiteral("\\.ini\\.[A-Za-z]{6}$"));
        QDirIterator it(folder.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            if (temporary.match(it.next()).hasMatch()) {
                return true;
            }
        }
        return false;
    }
};

const QByteArray kTwoSections = "[GameMenu]\r\nMenu=2\r\nMenuName1=a\r\nMenuPath1=\\a\\\r\n"
                                "[UserSet]\r\nMediaON=True\r\nUserGK=1\r\n";

// Where a write puts the key, and what it leaves of the other lines.
TEST_F(IniWrite, ReplacesTheFirstLineHoldingTheKeyOrAppendsItAtTheEnd)
{
    const struct {
        const char* name;
        QByteArray content;
        const char* section;
        const char* key;
        int value;
        QByteArray after;
    } cases[] = {
        {"in place, every other line kept", kTwoSections, "UserSet", "UserGK", 7,
         "[GameMenu]\r\nMenu=2\r\nMenuName1=a\r\nMenuPath1=\\a\\\r\n[UserSet]\r\nMediaON=True\r\nUserGK=7\r\n"},
        // Menu is also contained in MenuName1 below it.
        {"the key's own line first", kTwoSections, "GameMenu", "Menu", 3,
         "[GameMenu]\r\nMenu=3\r\nMenuName1=a\r\nMenuPath1=\\a\\\r\n[UserSet]\r\nMediaON=True\r\nUserGK=1\r\n"},
        // The search for the key runs through UserSet to the end of the
        // file, where the new line goes.
        {"a missing key at the very end", kTwoSections, "GameMenu", "Extra", 5, kTwoSections + "Extra=5\r\n"},
        // A level named like a user key, in a catalogue line appended after
        // the UserSet header, is what the write of UserGK replaces.
        {"the first line containing the key", "[UserSet]\r\nMenuName3=UserGK\r\nMediaON=True\r\nUserGK=1\r\n",
         "UserSet", "UserGK", 2, "[UserSet]\r\nUserGK=2\r\nMediaON=True\r\nUserGK=1\r\n"},
        {"a header found by containment, blanks ignored", " [ GameSet ] x\r\nMaxX = 12\r\n", " GameSet ", " MaxX ", 4,
         " [ GameSet ] x\r\n MaxX =4\r\n"},
        {"under every matching header", "[A]\r\nK=1\r\n[A]\r\nK=2\r\n", "A", "K", 9, "[A]\r\nK=9\r\n[A]\r\nK=9\r\n"},
        {"every line ends with CR LF", "[A]\nK=1\nL=2", "A", "K", 5, "[A]\r\nK=5\r\nL=2\r\n"},
        {"the last line too", "[A]\r\nK=1\r\nL=2", "A", "Z", 5, "[A]\r\nK=1\r\nL=2\r\nZ=5\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(After(c.content, c.section, c.key, c.value), c.after) << c.name;
    }
    EXPECT_FALSE(TempFileLeft());
}

TEST_F(IniWrite, WritesNumbersAndSwitchesAsText)
{
    const QByteArray level = "[GameSet]\r\nMaxX=12\r\nGBackColor=0\r\nMediaName=a.mp3\r\n";
    EXPECT_EQ(After(level, "GameSet", "GBackColor", -2147483633),
              "[GameSet]\r\nMaxX=12\r\nGBackColor=-2147483633\r\nMediaName=a.mp3\r\n");
    EXPECT_EQ(After(level, "GameSet", "MediaName", ""), "[GameSet]\r\nMaxX=12\r\nGBackColor=0\r\nMediaName=\r\n");
    EXPECT_EQ(After(kTwoSections, "UserSet", "MediaON", false),
              "[GameMenu]\r\nMenu=2\r\nMenuName1=a\r\nMenuPath1=\\a\\\r\n[UserSet]\r\nMediaON=False\r\nUserGK=1\r\n");
    const std::int16_t level16 = 5;
    const std::int64_t score = 123456789012LL;
    EXPECT_TRUE(After(kTwoSections, "UserSet", "UserGK", level16).contains("\r\nUserGK=5\r\n"));
    EXPECT_TRUE(After(kTwoSections, "UserSet", "UserGK", score).contains("\r\nUserGK=123456789012\r\n"));
}

TEST_F(IniWrite, LeavesTheFileAloneWhenTheSectionIsMissing)
{
    const QByteArray content = "[GameSet]\nMaxX=12"; // not even CR LF
    const QString path = File("test.ini", content);
    const IniWriteResult result = ini.WriteIniKey(path, "UserSet", "MaxX", 3);
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.sectionFound);
    EXPECT_EQ(ReadBytes(path), content);
    EXPECT_FALSE(TempFileLeft());
    // A line naming the section without a "[" is no header.
    const QByteArray named = "[GameMenu]\r\nMenuName1=UserSet\r\nMaxX=12\r\n";
    EXPECT_FALSE(ini.WriteIniKey(File("test.ini", named), "UserSet", "MaxX", 3).sectionFound);
    EXPECT_EQ(ReadBytes(Path("test.ini")), named);
}

TEST_F(IniWrite, KeepsAGbkFileGbkByteForByte)
{
    // MenuName1=星空--张三制作 and MenuName2=嶽麓, in GBK.
    const QByteArray gbk = "[GameMenu]\r\nMenu=2\r\nMenuName1=\xD0\xC7\xBF\xD5--\xD5\xC5\xC8\xFD\xD6\xC6\xD7\xF7\r\n"
                           "MenuPath1=\\gameg\\\xD0\xC7\xBF\xD5\\\r\nMenuName2=\x8E\x5B\xC2\xB4\r\n"
                           "[UserSet]\r\nUserJF=10\r\n";
    QByteArray expected = gbk;
    expected.replace("UserJF=10", "UserJF=250");
    EXPECT_EQ(After(gbk, "UserSet", "UserJF", 250), expected);

    // A new Chinese value goes in as GBK as well.
    EXPECT_EQ(After(gbk, "GameMenu", "MenuName2", QStringLiteral("测试")),
              QByteArray(gbk).replace("MenuName2=\x8E\x5B\xC2\xB4", "MenuName2=\xB2\xE2\xCA\xD4"));
}

TEST_F(IniWrite, KeepsUtf8AndItsByteOrderMark)
{
    const QByteArray utf8 = QStringLiteral("[GameMenu]\r\nMenu=1\r\nMenuName1=小星星\r\n").toUtf8();
    EXPECT_EQ(After(utf8, "GameMenu", "MenuName1", QStringLiteral("星空")),
              QStringLiteral("[GameMenu]\r\nMenu=1\r\nMenuName1=星空\r\n").toUtf8());
    EXPECT_EQ(After("\xEF\xBB\xBF" + utf8, "GameMenu", "Menu", 2),
              "\xEF\xBB\xBF" + QStringLiteral("[GameMenu]\r\nMenu=2\r\nMenuName1=小星星\r\n").toUtf8());
}

// A replaced file keeps its permissions. One that nobody may write stays
// as it is, whoever runs the game (the superuser too), and the write says
// so; the same goes for the catalogue's lines and a file made anew.
TEST_F(IniWrite, KeepsPermissionsAndLeavesAReadOnlyFileAlone)
{
    const QString path = File("test.ini", "[A]\r\nK=1\r\n");
    const QFile::Permissions own = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, own));
    ASSERT_TRUE(ini.WriteIniKey(path, "A", "K", 2).ok);
    EXPECT_EQ(ReadBytes(path), "[A]\r\nK=2\r\n");
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), own);

    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(path, readOnly));
    for (const IniWriteResult& result :
         {ini.WriteIniKey(path, "A", "K", 3), ini.AppendIniLines(path, {"L=1"}), ini.WriteNewIniFile(path, {"[B]"})}) {
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(FileErrorText(result.error).contains("test.ini")
                    && FileErrorText(result.error).contains(QStringLiteral("只读")))
            << FileErrorText(result.error).toStdString();
    }
    EXPECT_EQ(ReadBytes(path), "[A]\r\nK=2\r\n");
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), readOnly);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"test.ini"});
}

// A folder from an archive may hold links that point anywhere. The game
// writes no file through a link: not through one where a temporary file
// went in earlier versions, nor through one in the place of the file
// itself, also a dangling one. Temporary files are new for each write, and
// what killed writes left behind goes with the next write.
TEST_F(IniWrite, NeverWritesThroughALink)
{
    const QString victim = File("elsewhere/victim", "[A]\nK=0 is the player's own file\n");
    ASSERT_TRUE(QFile::link(victim, Path("me.tmp")));
    const QString path = File("test.ini", "[A]\r\nK=1\r\n");
    File("test.ini.qWeRty", "left by a killed write");
    File("test.ini.backup1", "not one of ours");

    ASSERT_TRUE(ini.WriteIniKey(path, "A", "K", 2).ok);
    EXPECT_EQ(ReadBytes(path), "[A]\r\nK=2\r\n");
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(ReadBytes(victim), "[A]\nK=0 is the player's own file\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::System), (QStringList{"test.ini", "test.ini.backup1"}));

    const QString link = Path("link.ini");
    ASSERT_TRUE(QFile::link(victim, link));
    ASSERT_TRUE(QFile::link(Path("elsewhere/new"), Path("dangling.ini")));
    for (const IniWriteResult& result :
         {ini.WriteIniKey(link, "A", "K", 3), ini.AppendIniLines(link, {"[A]", "K=1"}),
          ini.WriteNewIniFile(link, {"[A]"}), ini.WriteNewIniFile(Path("dangling.ini"), {"[A]"})}) {
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(FileErrorText(result.error).contains(".ini")
                    && FileErrorText(result.error).contains(QStringLiteral("符号链接")))
            << FileErrorText(result.error).toStdString();
    }
    EXPECT_EQ(ReadBytes(victim), "[A]\nK=0 is the player's own file\n");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(Path("elsewhere/new")));
    EXPECT_EQ(QDir(Path("elsewhere")).entryList(QDir::Files), QStringList{"victim"});

    // A folder named like the old temporary file is no obstacle, and stays.
    ASSERT_TRUE(QDir(folder.path()).mkdir("me.tmp"));
    ASSERT_TRUE(ini.WriteIniKey(path, "A", "K", 4).ok);
    EXPECT_EQ(ReadBytes(path), "[A]\r\nK=4\r\n");
    EXPECT_TRUE(QFileInfo(Path("me.tmp")).isDir());
}

TEST_F(IniWrite, DoesNotCreateAMissingFile)
{
    const IniWriteResult result = ini.WriteIniKey(Path("none.ini"), "A", "K", 1);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(FileErrorText(result.error).contains("none.ini")) << FileErrorText(result.error).toStdString();
    EXPECT_TRUE(FileErrorText(result.error).contains(QStringLiteral("文件或文件夹不存在")))
        << FileErrorText(result.error).toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("none.ini")));
    EXPECT_FALSE(TempFileLeft());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(IniWrite, LeavesTheOldFileWhenItCannotBeReplaced)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    ASSERT_TRUE(QDir(folder.path()).mkdir("level"));
    const QString path = File("level/setme.ini", "[GameSet]\r\nMaxX=12\r\n");
    ASSERT_TRUE(QFile::setPermissions(Path("level"), QFile::ReadOwner | QFile::ExeOwner));
    const IniWriteResult result = ini.WriteIniKey(path, "GameSet", "MaxX", 4);
    QFile::setPermissions(Path("level"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(FileErrorText(result.error).contains(QStringLiteral("没有权限")))
        << FileErrorText(result.error).toStdString();
    EXPECT_EQ(ReadBytes(path), "[GameSet]\r\nMaxX=12\r\n");
    EXPECT_FALSE(TempFileLeft());
}

TEST_F(IniWrite, UsesATemporaryFileBesideTheTargetAcrossFileSystems)
{
    // The shared-memory file system is a different one from the usual
    // temporary folder on most systems.
    QTemporaryDir other(QStringLiteral("/dev/shm/daz-leveldata-XXXXXX"));
    struct stat here {
    }, there{};
    if (!other.isValid() || ::stat(QFile::encodeName(folder.path()).constData(), &here) != 0
        || ::stat(QFile::encodeName(other.path()).constData(), &there) != 0 || here.st_dev == there.st_dev) {
        GTEST_SKIP() << "no second file system at hand";
    }

    const QString path = other.path() + "/setme.ini";
    testing::WriteBytes(path, "[GameSet]\r\nMaxX=12\r\n");
    IniAccess elsewhere(DataFolders(other.path()), iniReads);
    const IniWriteResult result = elsewhere.WriteIniKey(path, "GameSet", "MaxX", 4);
    EXPECT_TRUE(result.ok) << FileErrorText(result.error).toStdString();
    EXPECT_EQ(ReadBytes(path), "[GameSet]\r\nMaxX=4\r\n");
    EXPECT_EQ(QDir(other.path()).entryList(QDir::Files), QStringList{"setme.ini"});
    EXPECT_FALSE(TempFileLeft());
}

TEST_F(IniWrite, AppendsLinesInTheFilesEncoding)
{
    const QString gbk = File("gbk.ini", "[GameMenu]\r\nMenu=1\r\nMenuName1=\xD0\xC7\xBF\xD5");
    ASSERT_TRUE(ini.AppendIniLines(gbk, {QStringLiteral("MenuName2=测试"), "MenuPath2=\\gameg\\x\\"}).ok);
    // The old last line got its line end before the new lines.
    EXPECT_EQ(ReadBytes(gbk), "[GameMenu]\r\nMenu=1\r\nMenuName1=\xD0\xC7\xBF\xD5\r\nMenuName2="
                              "\xB2\xE2\xCA\xD4\r\nMenuPath2=\\gameg\\x\\\r\n");

    const QString lf = File("lf.ini", "[A]\nK=1\n");
    ASSERT_TRUE(ini.AppendIniLines(lf, {QStringLiteral("名=值")}).ok);
    EXPECT_EQ(ReadBytes(lf), "[A]\nK=1\n" + QStringLiteral("名=值\r\n").toUtf8());

    EXPECT_FALSE(ini.AppendIniLines(Path("none.ini"), {"x=1"}).ok);
    EXPECT_FALSE(QFileInfo::exists(Path("none.ini")));
}

TEST_F(IniWrite, CreatesNewFilesInUtf8)
{
    const QString path = Path("new.ini");
    ASSERT_TRUE(ini.WriteNewIniFile(path, {"[A]", QStringLiteral("K=星")}).ok);
    EXPECT_EQ(ReadBytes(path), QStringLiteral("[A]\r\nK=星\r\n").toUtf8());
    ASSERT_TRUE(ini.WriteNewIniFile(path, {"[B]"}).ok);
    EXPECT_EQ(ReadBytes(path), "[B]\r\n");
    // The temporary file is written, but cannot take the place of a file
    // in a folder that does not exist; it is cleared away.
    EXPECT_FALSE(ini.WriteNewIniFile(Path("no/such/folder/new.ini"), {"[A]"}).ok);
    EXPECT_FALSE(TempFileLeft());
}

} // namespace
} // namespace daz
