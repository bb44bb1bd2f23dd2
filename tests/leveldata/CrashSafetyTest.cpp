// A writer killed at random moments never leaves a file half written: a
// child process saves the settings and the player's preferences and makes
// levels in a loop, through the program's own code, and is killed with
// SIGKILL again and again, at kill points placed by its progress
// (KillPoints.h).

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <map>
#include <new>
#include <random>
#include <set>
#include <string>

#include <sys/mman.h>

#include <QFileInfo>
#include <QRegularExpression>

#include "FakeDialogs.h"
#include "KillPoints.h"
#include "TestFiles.h"
#include "leveldata/FileReplace.h"
#include "leveldata/Formats.h"
#include "leveldata/Preferences.h"
#include "leveltools/LevelEditor.h"
#include "presentation/ProblemTexts.h"

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
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        return QStringLiteral("/dev/shm/daz-crash-safety-XXXXXX");
    }
    return QDir::tempPath() + QStringLiteral("/daz-crash-safety-XXXXXX");
}

// What the parent saw of a writer it killed.
struct Killed {
    int rounds = 0;   // the rounds it had finished
    qint64 steps = 0; // its steps up to the kill
};

// What the catalogue holds.
struct Listing {
    QStringList made; // the levels made in the editor, by folder name
    qint64 save = -1; // the number of the save its settings come from
};

class CrashSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        void* shared = ::mmap(nullptr, sizeof *rounds, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(shared, MAP_FAILED);
        rounds = new (shared) std::atomic<int>(0);
        File("DAZGame.ini", kGameIni);
        ASSERT_TRUE(QDir(folder.path()).mkpath("gameg"));
        ASSERT_TRUE(QDir(folder.path()).mkpath("media"));
        ASSERT_TRUE(QDir(folder.path()).mkpath("pictures"));
        for (int i = 1; i <= kPictures; ++i) {
            File(QStringLiteral("pictures/%1.gif").arg(i), "picture " + QByteArray::number(i));
        }
        File("pictures/mb1.gif", "mask 1");
        File("pictures/mb2.gif", "mask 2");
    }

    void TearDown() override
    {
        if (rounds != nullptr) {
            ::munmap(rounds, sizeof *rounds);
        }
    }

    // One round of the writer: the settings of save i, the preferences
    // of save i, then level i.
    bool Round(qint64 i)
    {
        if (!WriteUserSettings(ini, Catalogue(), SettingsOf(i)).ok) {
            return false;
        }
        if (WritePreferences(folder.path(), PreferencesOf(i)).Failed()) {
            return false;
        }
        testing::FakeDialogs dialogs;
        LevelToolContext context{ini, boxes, dialogs};
        LevelEditor editor(context);
        editor.fields.name = QStringLiteral("关%1").arg(i);
        editor.fields.sourceFolder = Path("pictures");
        editor.fields.photoSum = QString::number(kPictures);
        return editor.Accept().outcome == LevelEditor::Outcome::Created;
    }

    [[noreturn]] void Writer(qint64 first)
    {
        for (qint64 i = first;; ++i) {
            if (!Round(i)) {
                ::_exit(3);
            }
            rounds->store(static_cast<int>(i - first + 1));
        }
    }

    // Starts a traced writer at save `first` and kills it at a step:
    // `extraSteps` steps after the first one it reaches once it has finished
    // `afterRounds` rounds.
    Killed KillWriter(qint64 first, int afterRounds, qint64 extraSteps)
    {
        rounds->store(0);
        qint64 extra = -1;
        const auto killHere = [&](qint64) {
            if (extra < 0 && rounds->load() >= afterRounds) {
                extra = 0;
            }
            return extra >= 0 && extra++ == extraSteps;
        };
        const testing::TracedRun run = testing::RunUntilKilled([&] { Writer(first); }, killHere);
        EXPECT_TRUE(run.killed) << "the writer stopped by itself";
        return {rounds->load(), run.steps + 1};
    }

    QString Catalogue() const { return Path("DAZGame.ini"); }
    static Preferences PreferencesOf(qint64 i)
    {
        Preferences preferences;
        preferences.language = i % 2 == 0 ? QStringLiteral("zh") : QStringLiteral("en");
        return preferences;
    }

    // The preferences are one whole save's, byte for byte.
    void ExpectWholePreferences()
    {
        const QByteArray kept = ReadBytes(Path(kPreferencesFile));
        EXPECT_TRUE(kept == SerializePreferences(PreferencesOf(0)) || kept == SerializePreferences(PreferencesOf(1)))
            << "half-written preferences: " << kept.toStdString();
    }

    // Every file of a level folder, complete; the folder name is the level's.
    void ExpectComplete(const QString& name)
    {
        const QString level = Path("gameg/" + name + "/");
        QStringList expected{"mb1.gif", "mb2.gif", "setme.ini"};
        for (int i = 1; i <= kPictures; ++i) {
            expected << QStringLiteral("%1.gif").arg(i);
        }
        expected.sort();
        QStringList files = QDir(level).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        files.sort();
        ASSERT_EQ(files.join(u' '), expected.join(u' ')) << "half-built level " << name.toStdString();
        for (int i = 1; i <= kPictures; ++i) {
            EXPECT_EQ(ReadBytes(level + QStringLiteral("%1.gif").arg(i)), "picture " + QByteArray::number(i));
        }
        EXPECT_EQ(ReadBytes(level + "mb2.gif"), "mask 2");
        EXPECT_EQ(ReadBytes(level + "setme.ini"),
                  "[GameSet]\r\nMaxX=12\r\nMaxY=8\r\nPhotoSum=10\r\nGBackColor=0\r\nMediaName=\r\nParticle=0\r\n");
    }

    // The catalogue is one whole version: Menu counts its entries, every
    // entry names a complete level, and the four settings come from one
    // save.
    Listing ExpectWholeCatalogue()
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
            if (!key.startsWith("MenuName")) {
                continue;
            }
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
        return {made, save};
    }

    // Level folders under their own names are complete, listed or not (the
    // kill may come between the folder and the catalogue).
    void ExpectNoHalfBuiltLevel()
    {
        for (const QString& name : QDir(Path("gameg")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (complete.contains(name)) {
                continue;
            }
            ExpectComplete(name);
            complete.insert(name);
        }
    }

    QString Path(const QString& name) const { return folder.path() + u'/' + name; }
    void File(const QString& name, const QByteArray& bytes) { WriteBytes(Path(name), bytes); }

    QTemporaryDir folder{FastFolderTemplate()};
    testing::FakeMessageBoxes boxes;
    IniReadBoxes iniReads{boxes};
    IniAccess ini{folder.path(), iniReads};
    std::set<QString> complete;
    // The number of rounds the writer finished, in memory shared across the fork.
    std::atomic<int>* rounds = nullptr;
};

TEST_F(CrashSafety, AKilledWriterLeavesEveryFileWhole)
{
    ASSERT_TRUE(Round(1));
    // The first writer, killed as soon as it finished a round, tells how
    // many steps a round takes. Then every other writer is killed in its
    // first round, the others in their second; within a round the kills
    // fall evenly, each at a random step of its own stretch.
    std::mt19937 random(std::random_device{}());
    qint64 roundSteps = 0;
    qint64 first = 2;
    Listing catalogue;
    for (int kill = 0; kill < kKills && !HasFailure(); ++kill) {
        int afterRounds = 1;
        qint64 extraSteps = 0;
        if (kill > 0) {
            afterRounds = kill % 2;
            const qint64 stretch = std::max<qint64>(1, roundSteps * 2 / kKills);
            extraSteps = roundSteps * (kill / 2) * 2 / kKills
                         + std::uniform_int_distribution<qint64>(0, stretch - 1)(random);
        }
        const Killed killed = KillWriter(first, afterRounds, extraSteps);
        ASSERT_FALSE(HasFailure());
        if (kill == 0) {
            roundSteps = killed.steps;
        }

        catalogue = ExpectWholeCatalogue();
        ExpectWholePreferences();
        ExpectNoHalfBuiltLevel();
        for (const QString& name : catalogue.made) {
            EXPECT_TRUE(complete.contains(name)) << "listed but missing: " << name.toStdString();
        }
        // What a writer finished before its kill stays.
        if (killed.rounds > 0) {
            EXPECT_TRUE(catalogue.made.contains(QStringLiteral("关%1").arg(first)))
                << "a finished level lost, save " << first;
            EXPECT_GE(catalogue.save, first) << "finished settings lost";
        }
        first += 1000;
    }
    std::printf("%d kills over the %lld steps of a round\n", kKills, static_cast<long long>(roundSteps));
    // Every other writer was killed only after its first level was listed.
    EXPECT_GE(catalogue.made.size(), kKills / 2);

    // What the kills left (temporary files, a level folder being built)
    // goes with the next writes that succeed.
    ASSERT_TRUE(Round(first));
    EXPECT_EQ(QDir(Path("gameg")).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).size(),
              qsizetype(complete.size()) + 1);
    for (const QString& file : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden)) {
        EXPECT_FALSE(IsLeftoverOfWrite(file, Catalogue())) << file.toStdString();
        EXPECT_FALSE(IsLeftoverOfWrite(file, Path(kPreferencesFile))) << file.toStdString();
    }
    for (const auto& box : boxes.shown) {
        EXPECT_EQ(box.text.toStdString(), "关卡文件生成，已加入关卡菜单！");
    }
}

} // namespace
} // namespace daz
