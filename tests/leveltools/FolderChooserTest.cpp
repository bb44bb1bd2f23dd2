#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FakeMessageBoxes.h"
#include "leveltools/FolderChooser.h"

namespace daz {
namespace {

class Chooser : public ::testing::Test {
protected:
    void SetUp() override { QDir(root.path()).mkpath(QStringLiteral("pictures/level")); }

    QTemporaryDir root;
    testing::FakeMessageBoxes boxes;
    FolderChooser chooser{QStringLiteral("/opt/dazgame"), root.path(), boxes};
};

// Confirming at once gives the program folder; a typed path is given back
// unchecked.
TEST_F(Chooser, ConfirmingGivesTheProgramFolderOrTheTypedPath)
{
    EXPECT_EQ(chooser.Accept(), "/opt/dazgame");
    EXPECT_EQ(chooser.Folder(), root.path());
    chooser.path = QStringLiteral("/no/such/folder/ ");
    EXPECT_EQ(chooser.Accept(), "/no/such/folder/ ");
}

TEST_F(Chooser, OpeningAFolderShowsItsPath)
{
    EXPECT_TRUE(chooser.OpenFolder(root.path() + QStringLiteral("/pictures/level/")));
    EXPECT_EQ(chooser.path, root.path() + QStringLiteral("/pictures/level"));
    EXPECT_EQ(chooser.Folder(), root.path() + QStringLiteral("/pictures/level"));
    // Only a root keeps its separator.
    EXPECT_TRUE(chooser.OpenFolder(QStringLiteral("/")));
    EXPECT_EQ(chooser.Accept(), "/");
    EXPECT_TRUE(boxes.shown.empty());
}

// A drive or folder that cannot be read: the chooser stays where it was
// and says why.
TEST_F(Chooser, AFolderThatCannotBeReadKeepsThePreviousPath)
{
    ASSERT_TRUE(chooser.OpenFolder(root.path() + QStringLiteral("/pictures")));
    EXPECT_FALSE(chooser.OpenFolder(root.path() + QStringLiteral("/gone")));
    EXPECT_EQ(chooser.path, root.path() + QStringLiteral("/pictures"));
    EXPECT_EQ(chooser.Folder(), root.path() + QStringLiteral("/pictures"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "提示");
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("gone")));
}

} // namespace
} // namespace daz
