// The shipped files and the player's: the player's folder is laid over the
// shipped one, takes every write, follows new shipped levels without losing
// anything of the player's, and no stored path leads out of either.
#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "FileBytes.h"
#include "GameHarness.h"
#include "leveldata/Formats.h"
#include "leveldata/PlayerFolder.h"
#include "leveltools/LevelEditor.h"
#include "leveltools/LevelModifier.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

// Every file under a folder with a checksum of its content.
QStringList Checksums(const QString& folder)
{
    QStringList sums;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        sums << path + u' ' + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
    }
    sums.sort();
    return sums;
}

struct PlayerFolder : ::testing::Test {
    GameHarness h; // h.folder is the shipped folder
    QTemporaryDir home;
    DataFolders folders{h.folder.Path(), home.filePath(QStringLiteral("player"))};
    IniAccess ini{folders, h.problems};
    const QDateTime now{QDate(2026, 12, 7), QTime(20, 30, 5)};

    QString Players(const QString& relative) const { return folders.Player() + u'/' + relative; }

    PlayerFolderStatus Prepare() { return PreparePlayerFolder(ini, now); }

    // Starts the game on both folders, as the program does: without
    // saving when the player's folder was found unfit for it.
    GameFlow& Start(int mode = 2, bool saving = true)
    {
        GameFlow& flow = h.Make(mode, folders);
        if (!saving) {
            h.parts->keeper.Disable();
        }
        flow.Load();
        return flow;
    }
};

TEST_F(PlayerFolder, NewShippedLevelsJoinThePlayersCatalogueAndNothingOfThePlayersIsLost)
{
    h.folder.WriteGame(
        {Spec(QStringLiteral("春"), QStringLiteral("spring")), Spec(QStringLiteral("夏"), QStringLiteral("summer"))});
    const QStringList shippedBefore = Checksums(h.folder.Path());

    // The first start copies the shipped catalogue.
    EXPECT_TRUE(Prepare().canSave);
    EXPECT_EQ(h.folder.Read(QStringLiteral("DAZGame.ini")), ReadBytes(Players("DAZGame.ini")));
    // Folders inside the player's are made when something goes into them.
    EXPECT_EQ(QDir(Players("")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());

    // The player plays, makes a level of their own and quits on level 2.
    Start(2).ChooseLevel(2);
    h.round().SetScore(1234);
    h.flow->Unload();
    TestProgramFolder pictures;
    pictures.WriteLevel(Spec(QStringLiteral("mine"), QStringLiteral("mine")));
    FakeDialogs dialogs;
    LevelToolContext context{ini, h.boxes, dialogs};
    LevelEditor editor(context);
    editor.fields.name = QStringLiteral("我的关卡");
    editor.fields.sourceFolder = pictures.File(QStringLiteral("levels/mine"));
    editor.fields.photoSum = QStringLiteral("10");
    ASSERT_EQ(editor.Accept().outcome, LevelEditor::Outcome::Created);
    EXPECT_TRUE(QFileInfo(Players("gameg/我的关卡/setme.ini")).isFile());
    h.boxes.shown.clear();

    // An update ships a third level, and lists one the player has in
    // another spelling.
    const Spec autumn(QStringLiteral("秋"), QStringLiteral("autumn"));
    h.folder.WriteLevel(autumn);
    h.folder.Write(
        QStringLiteral("DAZGame.ini"),
        TestProgramFolder::Lines({QStringLiteral("[GameMenu]"), QStringLiteral("Menu=3"),
                                  QStringLiteral("MenuName1=春"), QStringLiteral("MenuPath1=\\LEVELS\\spring"),
                                  QStringLiteral("MenuName2=秋"), QStringLiteral("MenuPath2=\\levels\\autumn\\"),
                                  QStringLiteral("MenuName3=夏"), QStringLiteral("MenuPath3=\\levels\\summer\\"),
                                  QStringLiteral("[UserSet]"), QStringLiteral("UserGK=1")}));
    const PlayerFolderStatus second = Prepare();
    EXPECT_TRUE(second.canSave);
    EXPECT_TRUE(PlayerFolderText(second).isEmpty()) << PlayerFolderText(second).toStdString();
    const QByteArray upgraded = ReadBytes(Players("DAZGame.ini"));

    const auto catalogue = ReadCatalogue(ini, Players("DAZGame.ini")).levels;
    ASSERT_EQ(catalogue.size(), 4u);
    EXPECT_EQ(catalogue[2].path, QStringLiteral("\\gameg\\我的关卡\\"));
    EXPECT_EQ(catalogue[3].name, QStringLiteral("秋"));
    EXPECT_EQ(catalogue[3].path, QStringLiteral("\\levels\\autumn\\"));
    const UserSettings settings = ReadUserSettings(ini, Players("DAZGame.ini"));
    EXPECT_EQ(settings.userGK, 2);
    EXPECT_EQ(settings.userJF, 1234);

    // Once in is enough; the shipped files were only ever read.
    Prepare();
    EXPECT_EQ(ReadBytes(Players("DAZGame.ini")), upgraded);
    EXPECT_TRUE(h.boxes.shown.empty()) << h.BoxTexts().join(u'\n').toStdString();
    h.folder.WriteCatalogue(
        {Spec(QStringLiteral("春"), QStringLiteral("spring")), Spec(QStringLiteral("夏"), QStringLiteral("summer"))});
    QDir(h.folder.File(QStringLiteral("levels/autumn"))).removeRecursively();
    EXPECT_EQ(Checksums(h.folder.Path()), shippedBefore);
}

TEST_F(PlayerFolder, TheModifierChangesAShippedLevelInThePlayersCopyWhichIsTheOnePlayed)
{
    Spec spring(QStringLiteral("春"), QStringLiteral("spring"), 4, 2);
    spring.background = true;
    h.folder.WriteGame({spring});
    const QStringList shippedBefore = Checksums(h.folder.Path());
    ASSERT_TRUE(Prepare().canSave);

    FakeDialogs dialogs;
    LevelToolContext context{ini, h.boxes, dialogs};
    LevelModifier modifier(context);
    modifier.Load();
    modifier.ChooseLevel(0);
    EXPECT_EQ(modifier.fields.background, QStringLiteral("gameback.jpg"));
    modifier.fields.maxX = QStringLiteral("6");
    modifier.fields.background.clear();
    ASSERT_EQ(modifier.Save().outcome, LevelModifier::Outcome::Saved);

    EXPECT_EQ(Checksums(h.folder.Path()), shippedBefore);
    EXPECT_EQ(ini.ReadIniKey(Players("levels/spring/setme.ini"), kLevelSection, QStringLiteral("MaxX")),
              QStringLiteral("6"));
    modifier.ChooseLevel(0);
    EXPECT_TRUE(modifier.fields.background.isEmpty()) << "the shipped background is hidden";

    Start();
    EXPECT_EQ(h.board().MaxX(), 6);
    EXPECT_EQ(h.board().TileCount(), 12);
}

TEST_F(PlayerFolder, ADamagedCatalogueIsPutAsideAndTheShippedOneTakesItsPlace)
{
    h.folder.WriteGame({Spec(QStringLiteral("春"), QStringLiteral("spring"))});
    QDir().mkpath(folders.Player());
    const QByteArray garbage("\x89PNG not a catalogue at all", 27);
    WriteBytes(Players("DAZGame.ini"), garbage);

    const PlayerFolderStatus status = Prepare();
    EXPECT_TRUE(status.canSave);
    const QString aside = Players("DAZGame.ini.damaged-20261207-203005");
    EXPECT_TRUE(PlayerFolderText(status).contains(QDir::toNativeSeparators(aside)))
        << PlayerFolderText(status).toStdString();
    EXPECT_EQ(ReadBytes(aside), garbage);
    EXPECT_EQ(ReadBytes(Players("DAZGame.ini")), h.folder.Read(QStringLiteral("DAZGame.ini")));
}

// Catalogues of odd shapes: the merge reads only the numbers the level
// menu holds, numbers new levels after the highest entry present, never
// repeats a key nor writes a Menu the game would refuse, and keeps the
// level reached and the score.
TEST_F(PlayerFolder, OddCataloguesMergeWithinTheLevelMenuAndKeepTheProgress)
{
    h.folder.WriteGame(
        {Spec(QStringLiteral("春"), QStringLiteral("spring")), Spec(QStringLiteral("夏"), QStringLiteral("summer"))});
    QDir().mkpath(folders.Player());
    // The player's catalogue: entries 1 … present, Menu as given.
    const auto writePlayers = [&](const QString& menu, int present) {
        QStringList lines{QStringLiteral("[GameMenu]"), QStringLiteral("Menu=") + menu};
        for (int i = 1; i <= present; ++i) {
            lines << QStringLiteral("MenuName%1=L%1").arg(i) << QStringLiteral("MenuPath%1=\\levels\\spring\\").arg(i);
        }
        lines << QStringLiteral("[UserSet]") << QStringLiteral("MediaON=True") << QStringLiteral("SoundON=True")
              << QStringLiteral("UserGK=7") << QStringLiteral("UserJF=500");
        WriteBytes(Players("DAZGame.ini"), TestProgramFolder::Lines(lines));
    };
    const auto count = [&](const QString& key) {
        return QString::fromUtf8(ReadBytes(Players("DAZGame.ini")))
            .count(QRegularExpression(u'^' + key + u'=', QRegularExpression::MultilineOption));
    };
    const auto value = [&](const QString& key) {
        return ini.LookUpIniKey(Players("DAZGame.ini"), kCatalogueSection, key);
    };

    struct Case {
        const char* menu;
        int present;
        const char* menuAfter;
        qsizetype padding = 0; // a comment line of this many bytes at the end
    };
    // A huge Menu, a Menu below the entries there are, a garbled one, a
    // file padded far beyond any settings file.
    for (const Case& c : {Case{"32767", 7, "8"}, Case{"3", 7, "8"}, Case{"x", 7, "8"}, Case{"7", 7, "8", 1 << 20}}) {
        SCOPED_TRACE(c.menu);
        writePlayers(QString::fromLatin1(c.menu), c.present);
        if (c.padding > 0) {
            QFile file(Players("DAZGame.ini"));
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(QByteArray(c.padding, ';') + "\r\n");
        }
        const PlayerFolderStatus status = Prepare();
        EXPECT_TRUE(status.canSave);
        EXPECT_TRUE(PlayerFolderText(status).isEmpty()) << PlayerFolderText(status).toStdString();
        EXPECT_EQ(value(QStringLiteral("Menu")), QString::fromLatin1(c.menuAfter));
        EXPECT_EQ(value(QStringLiteral("MenuPath8")), QStringLiteral("\\levels\\summer\\"));
        for (const QString& key : {QStringLiteral("Menu"), QStringLiteral("MenuName8"), QStringLiteral("MenuPath1")}) {
            EXPECT_EQ(count(key), 1) << key.toStdString();
        }
        Start();
        EXPECT_EQ(h.flow->Place().level, 7);
        EXPECT_EQ(h.round().Score(), 500);
        EXPECT_EQ(QDir(folders.Player()).entryList({QStringLiteral("*damaged*")}, QDir::Files), QStringList());
    }

    // A full menu takes no more levels, and says so once.
    writePlayers(QStringLiteral("66"), 66);
    const QByteArray full = ReadBytes(Players("DAZGame.ini"));
    const PlayerFolderStatus status = Prepare();
    EXPECT_TRUE(PlayerFolderText(status).contains(QStringLiteral("\\levels\\summer\\")))
        << PlayerFolderText(status).toStdString();
    EXPECT_EQ(ReadBytes(Players("DAZGame.ini")), full);
    EXPECT_TRUE(PlayerFolderText(Prepare()).isEmpty());
    h.boxes.shown.clear();
    Start();
    EXPECT_TRUE(h.boxes.shown.empty()) << h.BoxTexts().join(u'\n').toStdString();
}

// A link in the catalogue's place, wherever it leads, is neither read nor
// written through: the player is told which and why, the shipped catalogue
// is played, and nothing is written anywhere.
TEST_F(PlayerFolder, ALinkAsThePlayersCatalogueIsToldAndNothingIsWritten)
{
    h.folder.WriteGame({Spec(QStringLiteral("春"), QStringLiteral("spring"))});
    const QString outside = home.filePath(QStringLiteral("outside.ini"));
    WriteBytes(outside, "[GameMenu]\r\nMenu=0\r\n");
    QDir().mkpath(folders.Player());
    const QString link = Players("DAZGame.ini");
    const QString working = QDir::currentPath();
    const QStringList workingBefore = QDir(working).entryList(QDir::AllEntries | QDir::Hidden);
    for (const QString& target :
         {outside, home.filePath(QStringLiteral("nothing")), Players("other-link"), QStringLiteral("/etc/passwd")}) {
        SCOPED_TRACE(target.toStdString());
        QFile::remove(link);
        QFile::remove(Players("other-link"));
        ASSERT_TRUE(QFile::link(outside, Players("other-link")));
        ASSERT_TRUE(QFile::link(target, link));

        const PlayerFolderStatus status = Prepare();
        EXPECT_FALSE(status.canSave);
        EXPECT_TRUE(PlayerFolderText(status).contains(QDir::toNativeSeparators(link)))
            << PlayerFolderText(status).toStdString();
        EXPECT_TRUE(PlayerFolderText(status).contains(QStringLiteral("符号链接")))
            << PlayerFolderText(status).toStdString();

        h.boxes.shown.clear();
        GameFlow& flow = Start(2, status.canSave);
        EXPECT_EQ(h.board().TileCount(), 8) << "the shipped level is played";
        flow.Unload();
        EXPECT_TRUE(h.boxes.shown.empty()) << h.BoxTexts().join(u'\n').toStdString();
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), QFileInfo(target).absoluteFilePath());
        EXPECT_EQ(ReadBytes(outside), "[GameMenu]\r\nMenu=0\r\n");
    }
    EXPECT_EQ(QDir(working).entryList(QDir::AllEntries | QDir::Hidden), workingBefore);
}

// Settings files far beyond any real one are refused with a reason, not
// read: a level's setme.ini of several MB makes the level unplayable.
TEST_F(PlayerFolder, AHugeLevelSettingsFileIsRefusedWithAReason)
{
    h.folder.WriteGame({Spec(QStringLiteral("春"), QStringLiteral("spring"))});
    QByteArray huge = h.folder.Read(QStringLiteral("levels/spring/setme.ini"));
    huge += QByteArray(4 * 1024 * 1024, ';');
    h.folder.Write(QStringLiteral("levels/spring/setme.ini"), huge);
    ASSERT_TRUE(Prepare().canSave);
    Start();
    EXPECT_EQ(h.board().TileCount(), 0);
    ASSERT_EQ(h.boxes.shown.size(), 1u) << h.BoxTexts().join(u'\n').toStdString();
    EXPECT_TRUE(h.boxes.shown[0].text.contains(QStringLiteral("太大"))) << h.boxes.shown[0].text.toStdString();
}

TEST_F(PlayerFolder, AFolderThatCannotBeMadeIsToldOnceAndTheGameIsPlayedWithoutSaving)
{
    h.folder.WriteGame({Spec(QStringLiteral("春"), QStringLiteral("spring"))});
    // A file where the player's folder should go: no folder can be made
    // there, whoever the player is.
    WriteBytes(folders.Player(), "in the way");

    const PlayerFolderStatus status = Prepare();
    EXPECT_FALSE(status.canSave);
    EXPECT_TRUE(PlayerFolderText(status).contains(QStringLiteral("不会保存")))
        << PlayerFolderText(status).toStdString();

    GameFlow& flow = Start(2, status.canSave);
    EXPECT_EQ(h.board().TileCount(), 8) << "the shipped level is played";
    flow.Unload();
    EXPECT_TRUE(h.boxes.shown.empty()) << h.BoxTexts().join(u'\n').toStdString();
}

TEST_F(PlayerFolder, StoredPathsThatLeaveTheirFolderAreRefusedAndNothingOutsideIsTouched)
{
    for (const char* path : {"\\..\\outside\\evil\\", "\\levels\\..\\..\\x\\", "..", "C:\\levels\\x\\", "\\c:\\x\\",
                             "/etc/", "\\\\server\\share\\", "~\\x"}) {
        EXPECT_FALSE(DataFolders::StaysInside(QString::fromLatin1(path))) << path;
    }
    for (const char* path : {"\\levels\\spring\\", "\\gameg\\a..b\\", "\\media\\x.wav", "levels/x/"}) {
        EXPECT_TRUE(DataFolders::StaysInside(QString::fromLatin1(path))) << path;
    }

    // A playable level beside the program folder, reached three ways.
    const QString outside = home.filePath(QStringLiteral("outside"));
    TestProgramFolder elsewhere;
    const Spec evil(QStringLiteral("evil"), QStringLiteral("evil"));
    elsewhere.WriteLevel(evil);
    QDir().rename(elsewhere.File(QStringLiteral("levels/evil")), outside);
    const QStringList outsideBefore = Checksums(outside);
    h.folder.WriteGame({Spec(QStringLiteral("春"), QStringLiteral("spring"))});
    QFile::link(outside, h.folder.File(QStringLiteral("levels/linked")));
    h.folder.Write(
        QStringLiteral("levels/music/setme.ini"),
        TestProgramFolder::Lines({QStringLiteral("[GameSet]"), QStringLiteral("MaxX=4"), QStringLiteral("MaxY=2"),
                                  QStringLiteral("PhotoSum=10"), QStringLiteral("GBackColor=0"),
                                  QStringLiteral("MediaName=..\\..\\outside\\x.wav"), QStringLiteral("Particle=0")}));
    h.folder.Write(QStringLiteral("DAZGame.ini"),
                   TestProgramFolder::Lines(
                       {QStringLiteral("[GameMenu]"), QStringLiteral("Menu=3"), QStringLiteral("MenuName1=evil"),
                        QStringLiteral("MenuPath1=\\..\\") + QFileInfo(outside).fileName() + u'\\',
                        QStringLiteral("MenuName2=linked"), QStringLiteral("MenuPath2=\\levels\\linked\\"),
                        QStringLiteral("MenuName3=music"), QStringLiteral("MenuPath3=\\levels\\music\\"),
                        QStringLiteral("[UserSet]"), QStringLiteral("UserGK=1")}));
    // Shipped so: the pack's own folder is both layers.
    DataFolders pack(h.folder.Path());
    IniAccess packIni(pack, h.problems);

    h.Make(2, pack).Load();
    for (int level = 1; level <= 3; ++level) {
        h.boxes.shown.clear();
        h.flow->ChooseLevel(level);
        EXPECT_EQ(h.board().TileCount(), 0) << "level " << level;
        ASSERT_EQ(h.boxes.shown.size(), 1u) << "level " << level;
        EXPECT_TRUE(h.boxes.shown[0].text.contains(QStringLiteral("无法开始"))) << h.boxes.shown[0].text.toStdString();
    }

    // The modifier refuses the level outside, and writes nothing there.
    FakeDialogs dialogs;
    LevelToolContext context{packIni, h.boxes, dialogs};
    LevelModifier modifier(context);
    modifier.Load();
    modifier.ChooseLevel(0);
    modifier.fields.maxX = QStringLiteral("6");
    modifier.fields.maxY = QStringLiteral("2");
    modifier.fields.particle = 0;
    EXPECT_EQ(modifier.Save().outcome, LevelModifier::Outcome::Refused);
    EXPECT_EQ(Checksums(outside), outsideBefore);
}

} // namespace
} // namespace daz::testing
