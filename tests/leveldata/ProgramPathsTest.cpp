#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "leveldata/ProgramPaths.h"

namespace daz {
namespace {

using testing::WriteBytes;

TEST(NativePath, TurnsStoredBackslashesIntoSeparators)
{
    EXPECT_EQ(NativePath("/opt/daz", QStringLiteral("\\gameg\\星空\\")), QStringLiteral("/opt/daz/gameg/星空/"));
    EXPECT_EQ(NativePath("/opt/daz", QStringLiteral("\\gameg\\星空\\") + QStringLiteral("1.gif")),
              QStringLiteral("/opt/daz/gameg/星空/1.gif"));
    EXPECT_EQ(NativePath("/opt/daz", kGameIniFile), "/opt/daz/DAZGame.ini");
    // A stored path that lacks its leading backslash still lands inside
    // the program folder.
    EXPECT_EQ(NativePath("/opt/daz", "levels\\a\\"), "/opt/daz/levels/a/");
}

class ResolveExistingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath("gameg/Star"));
        WriteBytes(root.path() + "/gameg/Star/MB1.GIF", "gif");
        WriteBytes(root.path() + "/gameg/Star/Setme.ini", "ini");
    }
    QString At(const QString& relative) const { return root.path() + u'/' + relative; }

    QTemporaryDir root;
};

TEST_F(ResolveExistingTest, FindsNamesMadeInAnotherLetterCase)
{
    EXPECT_EQ(ResolveExisting(At("gameg/star/mb1.gif")), At("gameg/Star/MB1.GIF"));
    EXPECT_EQ(ResolveExisting(At("GAMEG/STAR/setme.ini")), At("gameg/Star/Setme.ini"));
    EXPECT_EQ(ResolveExisting(At("gameg/star/")), At("gameg/Star/"));
    EXPECT_TRUE(FileExists(At("gameg/star/mb1.gif")));
}

TEST_F(ResolveExistingTest, PrefersTheExactName)
{
    WriteBytes(At("gameg/Star/mb1.gif"), "other");
    EXPECT_EQ(ResolveExisting(At("gameg/Star/mb1.gif")), At("gameg/Star/mb1.gif"));
    EXPECT_EQ(ResolveExisting(At("gameg/star/mb1.gif")), At("gameg/Star/mb1.gif"));
}

TEST_F(ResolveExistingTest, KeepsTheMissingRestAsGiven)
{
    // A new file in an existing folder: the folder resolves, the name stays.
    EXPECT_EQ(ResolveExisting(At("GameG/star/New.ini")), At("gameg/Star/New.ini"));
    EXPECT_EQ(ResolveExisting(At("gameg/Moon/setme.ini")), At("gameg/Moon/setme.ini"));
    EXPECT_FALSE(FileExists(At("gameg/star/mb2.gif")));
    EXPECT_FALSE(FileExists(At("gameg/moon/setme.ini")));
    EXPECT_FALSE(FileExists(At("gameg/star"))); // a folder is no file
}

} // namespace
} // namespace daz
