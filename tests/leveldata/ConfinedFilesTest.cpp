// Every read and write of the program's folders stays inside them, judged
// on what was opened: links that lead out are refused, links that stay in
// are followed, and a link swapped in between a look and an open changes
// nothing.

#include <atomic>
#include <thread>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "PipeTrap.h"
#include "leveldata/ConfinedFiles.h"
#include "leveldata/FileReplace.h"

namespace daz {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class ConfinedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(base.isValid());
        QDir(base.path()).mkpath(QStringLiteral("root/levels/inside"));
        QDir(base.path()).mkpath(QStringLiteral("outside"));
        WriteBytes(Root("levels/inside/setme.ini"), "inside");
        WriteBytes(Outside("setme.ini"), "outside");
    }
    QString Root(const QString& relative = {}) const { return base.path() + QStringLiteral("/root/") + relative; }
    QString RootFolder() const { return base.path() + QStringLiteral("/root"); }
    QString Outside(const QString& relative = {}) const { return base.path() + QStringLiteral("/outside/") + relative; }
    std::optional<QByteArray> Read(const QString& relative, qint64 budget = kTextFileBudget)
    {
        error = {};
        return ReadFileBelow(RootFolder(), Root(relative), budget, error);
    }

    QTemporaryDir base;
    FileError error;
};

TEST_F(ConfinedFiles, ReadsAndWritesStayInsideTheirFolder)
{
    // Links that stay inside are followed, relative or through a folder.
    ASSERT_TRUE(QFile::link(QStringLiteral("inside/setme.ini"), Root("levels/same.ini")));
    ASSERT_TRUE(QFile::link(QStringLiteral("inside"), Root("levels/alias")));
    EXPECT_EQ(Read("levels/same.ini"), "inside");
    EXPECT_EQ(Read("levels/alias/setme.ini"), "inside");

    // Every way out is refused: a file link, a folder link, an absolute
    // link even to a file inside, "..", a path that is not below at all.
    ASSERT_TRUE(QFile::link(Outside("setme.ini"), Root("levels/out.ini")));
    ASSERT_TRUE(QFile::link(Outside(), Root("levels/away")));
    ASSERT_TRUE(QFile::link(Root("levels/inside/setme.ini"), Root("levels/absolute.ini")));
    for (const QString& path :
         {QStringLiteral("levels/out.ini"), QStringLiteral("levels/away/setme.ini"),
          QStringLiteral("levels/absolute.ini"), QStringLiteral("levels/../../outside/setme.ini")}) {
        EXPECT_FALSE(Read(path)) << path.toStdString();
        EXPECT_EQ(error.cause, FileError::Cause::LeadsOut) << path.toStdString();
    }
    EXPECT_FALSE(ReadFileBelow(RootFolder(), Outside("setme.ini"), kTextFileBudget, error));

    // Writes: through a folder link leading out nothing is made, and the
    // target outside keeps its content; inside, the write lands.
    EXPECT_EQ(ReplaceFileContent(RootFolder(), Root("levels/away/setme.ini"), "new").cause, FileError::Cause::LeadsOut);
    EXPECT_EQ(ReplaceFileContent(RootFolder(), Root("levels/away/made.ini"), "new").cause, FileError::Cause::LeadsOut);
    EXPECT_EQ(QDir(Outside()).entryList(QDir::Files | QDir::Hidden), QStringList{"setme.ini"});
    EXPECT_EQ(ReadBytes(Outside("setme.ini")), "outside");
    EXPECT_FALSE(ReplaceFileContent(RootFolder(), Root("levels/alias/new.ini"), "new").Failed());
    EXPECT_EQ(ReadBytes(Root("levels/inside/new.ini")), "new");

    // Only regular files within the budget are read; a pipe is never opened.
    testing::PipeTrap pipe(Root("levels/pipe.ini"));
    ASSERT_TRUE(pipe.Made());
    EXPECT_FALSE(Read("levels/pipe.ini"));
    EXPECT_FALSE(pipe.Opened());
    EXPECT_FALSE(Read("levels"));
    WriteBytes(Root("levels/big.ini"), QByteArray(kTextFileBudget + 1, 'x'));
    EXPECT_FALSE(Read("levels/big.ini"));
    EXPECT_EQ(error.cause, FileError::Cause::TooLarge);
    EXPECT_EQ(error.sizeKb, kTextFileBudget / 1024 + 1);
    EXPECT_EQ(Read("levels/big.ini", kTextFileBudget + 1)->size(), kTextFileBudget + 1);

    // Players that open files themselves get what was opened: a link out
    // gives them nothing, and a file swapped for a link afterwards still
    // reads as it was.
    HeldFiles held;
    EXPECT_EQ(held.Hold(RootFolder(), Root("levels/out.ini"), kTextFileBudget), QString());
    const QString sound = held.Hold(RootFolder(), Root("levels/inside/setme.ini"), kTextFileBudget);
    ASSERT_FALSE(sound.isEmpty());
    ASSERT_TRUE(QFile::rename(Root("levels/inside/setme.ini"), Root("levels/inside/old.ini")));
    ASSERT_TRUE(QFile::link(Outside("setme.ini"), Root("levels/inside/setme.ini")));
    EXPECT_EQ(ReadBytes(sound), "inside");
    EXPECT_EQ(held.Hold(RootFolder(), Root("levels/inside/setme.ini"), kTextFileBudget), sound);
}

// A folder swapped for a link to another place and back, all the time,
// while files are read and written through it: whatever the moment, the
// outside is never read and never written.
TEST_F(ConfinedFiles, ALinkSwappedInMeanwhileLeadsNowhere)
{
    WriteBytes(Outside("setme.ini"), "outside");
    const QByteArray level = QFile::encodeName(Root("levels/inside"));
    const QByteArray real = QFile::encodeName(Root("levels/real"));
    const QByteArray link = QFile::encodeName(Root("levels/link"));
    ASSERT_EQ(::symlink(QFile::encodeName(Outside()).constData(), link.constData()), 0);

    std::atomic<bool> stop{false};
    std::atomic<int> swaps{0};
    std::thread swapper([&] {
        while (!stop) {
            // level becomes the link, then the real folder again.
            ::rename(level.constData(), real.constData());
            ::rename(link.constData(), level.constData());
            ::rename(level.constData(), link.constData());
            ::rename(real.constData(), level.constData());
            ++swaps;
        }
    });
    for (int i = 0; i < 3000 || swaps < 100; ++i) {
        if (const auto bytes = Read("levels/inside/setme.ini")) {
            ASSERT_EQ(*bytes, "inside");
        }
        (void)ReplaceFileContent(RootFolder(), Root("levels/inside/setme.ini"), "inside");
    }
    stop = true;
    swapper.join();

    EXPECT_EQ(ReadBytes(Outside("setme.ini")), "outside");
    EXPECT_EQ(QDir(Outside()).entryList(QDir::Files | QDir::Hidden), QStringList{"setme.ini"});
    EXPECT_EQ(Read("levels/inside/setme.ini"), "inside");
}

} // namespace
} // namespace daz
