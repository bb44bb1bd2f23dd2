// A writer killed at random moments never leaves a file half written: a
// child process saves the settings and makes levels in a loop, through the
// program's own code, and is killed with SIGKILL again and again.

#include <map>
#include <random>
#include <set>
#include <string>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>

#include "FakeDialogs.h"
#include "TestFiles.h"
#include "leveldata/FileReplace.h"
#include "leveldata/Formats.h"
#include "leveldata/LevelEditor.h"

namespace daz {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

constexpr int kKills = 200;
constexpr int kPictures = 10;

const QByteArray kGameIni = "[GameMenu]\r\nMenu=1\r\nMenuName1=小星星\r\nMenuPath1=\\levels\\star\\\r\n"
                            "[UserSet]\r\nMediaON=True\r\nSoundON=True\r\nUserGK=1\r\nUserJF=0\r\n";

// The settings of save number i; save 0 is what the catalogue starts with.
UserSettings SettingsOf(qint64 i)
{
    UserSettings s;
    s.mediaOnText = i % 2 == 0 ? QStringLiteral("True") : QStringLiteral("False");
    s.soundOn = i % 3 == 0;
    s.userGK = static_cast<std::int16_t>(i % 30000 + 1);
    s.userJF = i;
    return s;
}

// A kill is no power cut: what was written survives it whether or not it
// reached the disk. The writer's program folder goes into memory where it
// can, so that the many flushes to the disk do not set the pace.
QString FastFolderTemplate()
{
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        return QStringLiteral("/dev/shm/daz-crash-safety-XXXXXX");
    return QDir::tempPath() + QStringLiteral("/daz-crash-safety-XXXXXX");
}

class CrashSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        File("DAZGame.ini", kGameIni);
        ASSERT_TRUE(QDir(folder.path()).mkpath("gameg"));
        ASSERT_TRUE(QDir(folder.path()).mkpath("media"));
        ASSERT_TRUE(QDir(folder.path()).mkpath("pictures"));
        for (int i = 1; i <= kPictures; ++i)
            File(QStringLiteral("pictures/%1.gif").arg(i), "picture " + QByteArray::number(i));
        File("pictures/mb1.gif", "mask 1");
        File("pictures/mb2.gif", "mask 2");
    }

    // One round of the writer: the settings of save i, then level i.
    bool Round(qint64 i)
    {
        if (!WriteUserSettings(ini, Catalogue(), SettingsOf(i)).ok)
            return false;
        testing::FakeDialogs dialogs;
        QString mediaName;
        LevelToolContext context{ini, boxes, dialogs, mediaName};
        LevelEditor editor(context);
        editor.fields.name = QStringLiteral("关%1").arg(i);
        editor.fields.sourceFolder = Path("pictures");
        editor.fields.photoSum = QString::number(kPictures);
        return editor.Accept().outcome == LevelEditor::Outcome::Created;
    }

    [[noreturn]] void Writer(qint64 first)
    {
        for (qint64 i = first;; ++i) {
            if (!Round(i))
                ::_exit(3);
        }
    }

    QString Catalogue() const { return Path("DAZGame.ini"); }

    // Every file of a level folder, complete; the folder name is the level's.
    void ExpectComplete(const QString& name)
    {
        const QString level = Path("gameg/" + name + "/");
        QStringList expected{"mb1.gif", "mb2.gif", "setme.ini"};
        for (int i = 1; i <= kPictures; ++i)
            expected << QStringLiteral("%1.gif").arg(i);
        expected.sort();
        QStringList files = QDir(level).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        files.sort();
        ASSERT_EQ(files.join(u' '), expected.join(u' ')) << "half-built level " << name.toStdString();
        for (int i = 1; i <= kPictures; ++i)
            EXPECT_EQ(ReadBytes(level + QStringLiteral("%1.gif").arg(i)), "picture " + QByteArray::number(i));
        EXPECT_EQ(ReadBytes(level + "mb2.gif"), "mask 2");
        EXPECT_EQ(ReadBytes(level + "setme.ini"),
                  "[GameSet]\r\nMaxX=12\r\nMaxY=8\r\nPhotoSum=10\r\nGBackColor=0\r\nMediaName=\r\nParticle=0\r\n");
    }

    // The catalogue is one whole version: Menu counts its entries, every
    // entry names a complete level, and the four settings come from one
    // save. Returns the folder names of the levels made in the editor.
    QStringList ExpectWholeCatalogue()
    {
        const QString text = QString::fromUtf8(ReadBytes(Catalogue()));
        EXPECT_TRUE(text.endsWith("\r\n")) << text.right(200).toStdString();
        std::map<QString, QString> keys;
        for (const QString& line : text.split("\r\n", Qt::SkipEmptyParts)) {
            const qsizetype equals = line.indexOf(u'=');
            if (equals > 0) {
                EXPECT_TRUE(keys.emplace(line.left(equals), line.mid(equals + 1)).second) << line.toStdString();
            }
        }
        const int menu = ini.LookUpIniKey(Catalogue(), kCatalogueSection, "Menu").value_or("-1").toInt();
        int names = 0;
        QStringList made;
        for (const auto& [key, value] : keys) {
            if (!key.startsWith("MenuName"))
                continue;
            ++names;
            const int n = key.mid(8).toInt();
            EXPECT_TRUE(n >= 1 && n <= menu) << key.toStdString();
            const auto path = keys.find(QStringLiteral("MenuPath%1").arg(n));
            if (path == keys.end()) {
                ADD_FAILURE() << key.toStdString() << " without its path";
            } else if (n > 1) {
                EXPECT_EQ(path->second, "\\gameg\\" + value + "\\");
                made << value;
            }
        }
        EXPECT_EQ(names, menu);

        const qint64 save = keys["UserJF"].toLongLong();
        const UserSettings s = SettingsOf(save);
        EXPECT_EQ(keys["MediaON"].toStdString(), s.mediaOnText.toStdString()) << "a mix of saves, " << save;
        EXPECT_EQ(keys["SoundON"].toStdString(), s.soundOn ? "True" : "False") << "a mix of saves, " << save;
        EXPECT_EQ(keys["UserGK"].toStdString(), std::to_string(s.userGK)) << "a mix of saves, " << save;
        return made;
    }

    // Level folders under their own names are complete, listed or not (the
    // kill may come between the folder and the catalogue).
    void ExpectNoHalfBuiltLevel()
    {
        for (const QString& name : QDir(Path("gameg")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (complete.contains(name))
                continue;
            ExpectComplete(name);
            complete.insert(name);
        }
    }

    QString Path(const QString& name) const { return folder.path() + u'/' + name; }
    void File(const QString& name, const QByteArray& bytes) { WriteBytes(Path(name), bytes); }

    QTemporaryDir folder{FastFolderTemplate()};
    testing::FakeMessageBoxes boxes;
    IniAccess ini{folder.path(), boxes};
    std::set<QString> complete;
};

TEST_F(CrashSafety, AKilledWriterLeavesEveryFileWhole)
{
    // A round in this process gives the pace of the writer; kills fall
    // anywhere in the first two rounds of each run.
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(Round(1));
    const auto round = std::max<qint64>(clock.nsecsElapsed() / 1000, 200);
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<qint64> delay(0, round * 2);

    qint64 first = 2;
    QStringList listed;
    for (int kill = 0; kill < kKills && !HasFailure(); ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            Writer(first);
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer failed, status " << status;
        first += 1000;

        listed = ExpectWholeCatalogue();
        ExpectNoHalfBuiltLevel();
        for (const QString& name : listed)
            EXPECT_TRUE(complete.contains(name)) << "listed but missing: " << name.toStdString();
    }
    // The writers got on: the kills fell at every stage, not only before
    // the first write. (Unlisted folders are those killed before their
    // catalogue lines.)
    EXPECT_GE(listed.size(), kKills / 20);

    // What the kills left (temporary files, a level folder being built)
    // goes with the next writes that succeed.
    ASSERT_TRUE(Round(first));
    EXPECT_EQ(QDir(Path("gameg")).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).size(),
              qsizetype(complete.size()) + 1);
    for (const QString& file : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden))
        EXPECT_FALSE(IsLeftoverOfWrite(file, Catalogue())) << file.toStdString();
    for (const auto& box : boxes.shown)
        EXPECT_EQ(box.text.toStdString(), "关卡文件生成，已加入关卡菜单！");
}

} // namespace
} // namespace daz
