// The shipped files and the player's: the player's folder is laid over the
// shipped one, takes every write, follows new shipped levels without losing
// anything of the player's, and no stored path leads out of either.
#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "FileBytes.h"
#include "GameHarness.h"
#include "game/PlayerFolder.h"
#include "leveldata/Formats.h"
#include "leveldata/LevelEditor.h"
#include "leveldata/LevelModifier.h"

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
    IniAccess ini{folders, h.boxes};
    const QDateTime now{QDate(2026, 12, 7), QTime(20, 30, 5)};

    QString Players(const QString& relative) const { return folders.Player() + u'/' + relative; }

    PlayerFolderStatus Prepare() { return PreparePlayerFolder(ini, now); }

    // Starts the game on both folders, as the program does.
    MainController& Start(int mode = 2)
    {
        h.state.GameMode = static_cast<std::int16_t>(mode);
        h.controller = std::make_unique<MainController>(
            folders, h.state, MainServices{h.boxes, h.desktop, h.effects, h.music, h.timers, h.random});
        h.controller->Load();
        return *h.controller;
    }
};

TEST_F(PlayerFolder, NewShippedLevelsJoinThePlayersCatalogueAndNothingOfThePlayersIsLost)
{
    h.folder.WriteGame({Spec(QStringLiteral("春"), QStringLiteral("spring")),
                        Spec(QStringLiteral("夏"), QStringLiteral("summer"))});
    const QStringList shippedBefore = Checksums(h.folder.Path());

    // The first start copies the shipped catalogue.
    EXPECT_TRUE(Prepare().canSave);
    EXPECT_EQ(h.folder.Read(QStringLiteral("DAZGame.ini")), ReadBytes(Players("DAZGame.ini")));
    // Folders inside the player's are made when something goes into them.
    EXPECT_EQ(QDir(Players("")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());

    // The player plays, makes a level of their own and quits on level 2.
    h.state.GameMode = 2;
    Start().ChooseLevel(2);
    h.state.UserJF = 1234;
    h.controller->Unload();
    TestProgramFolder pictures;
    pictures.WriteLevel(Spec(QStringLiteral("mine"), QStringLiteral("mine")));
    FakeDialogs dialogs;
    QString mediaName;
    LevelToolContext context{ini, h.boxes, dialogs, mediaName};
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
    h.folder.Write(QStringLiteral("DAZGame.ini"),
                   TestProgramFolder::Lines({QStringLiteral("[GameMenu]"), QStringLiteral("Menu=3"),
                                             QStringLiteral("MenuName1=春"), QStringLiteral("MenuPath1=\\LEVELS\\spring"),
                                             QStringLiteral("MenuName2=秋"), QStringLiteral("MenuPath2=\\levels\\autumn\\"),
                                             QStringLiteral("MenuName3=夏"), QStringLiteral("MenuPath3=\\levels\\summer\\"),
                                             QStringLiteral("[UserSet]"), QStringLiteral("UserGK=1")}));
    const PlayerFolderStatus second = Prepare();
    EXPECT_TRUE(second.canSave);
    EXPECT_TRUE(second.message.isEmpty()) << second.message.toStdString();
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
    h.folder.WriteCatalogue({Spec(QStringLiteral("春"), QStringLiteral("spring")),
                             Spec(QStringLiteral("夏"), QStringLiteral("summer"))});
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
    QString mediaName;
    LevelToolContext context{ini, h.boxes, dialogs, mediaName};
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
    EXPECT_EQ(h.state.MaxX, 6);
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
    EXPECT_TRUE(status.message.contains(QDir::toNativeSeparators(aside))) << status.message.toStdString();
    EXPECT_EQ(ReadBytes(aside), garbage);
    EXPECT_EQ(ReadBytes(Players("DAZGame.ini")), h.folder.Read(QStringLiteral("DAZGame.ini")));
}

TEST_F(PlayerFolder, AFolderThatCannotBeMadeIsToldOnceAndTheGameIsPlayedWithoutSaving)
{
    h.folder.WriteGame({Spec(QStringLiteral("春"), QStringLiteral("spring"))});
    // A file where the player's folder should go: no folder can be made
    // there, whoever the player is.
    WriteBytes(folders.Player(), "in the way");

    const PlayerFolderStatus status = Prepare();
    EXPECT_FALSE(status.canSave);
    EXPECT_TRUE(status.message.contains(QStringLiteral("不会保存"))) << status.message.toStdString();

    MainController& controller = Start();
    controller.DisableSaving();
    EXPECT_EQ(h.board().TileCount(), 8) << "the shipped level is played";
    controller.Unload();
    EXPECT_TRUE(h.boxes.shown.empty()) << h.BoxTexts().join(u'\n').toStdString();
}

TEST_F(PlayerFolder, StoredPathsThatLeaveTheirFolderAreRefusedAndNothingOutsideIsTouched)
{
    for (const char* path : {"\\..\\outside\\evil\\", "\\levels\\..\\..\\x\\", "..", "C:\\levels\\x\\",
                             "\\c:\\x\\", "/etc/", "\\\\server\\share\\", "~\\x"})
        EXPECT_FALSE(DataFolders::StaysInside(QString::fromLatin1(path))) << path;
    for (const char* path : {"\\levels\\spring\\", "\\gameg\\a..b\\", "\\media\\x.wav", "levels/x/"})
        EXPECT_TRUE(DataFolders::StaysInside(QString::fromLatin1(path))) << path;

    // A playable level beside the program folder, reached three ways.
    const QString outside = home.filePath(QStringLiteral("outside"));
    TestProgramFolder elsewhere;
    const Spec evil(QStringLiteral("evil"), QStringLiteral("evil"));
    elsewhere.WriteLevel(evil);
    QDir().rename(elsewhere.File(QStringLiteral("levels/evil")), outside);
    const QStringList outsideBefore = Checksums(outside);
    h.folder.WriteGame({Spec(QStringLiteral("春"), QStringLiteral("spring"))});
    QFile::link(outside, h.folder.File(QStringLiteral("levels/linked")));
    h.folder.Write(QStringLiteral("levels/music/setme.ini"),
                   TestProgramFolder::Lines({QStringLiteral("[GameSet]"), QStringLiteral("MaxX=4"),
                                             QStringLiteral("MaxY=2"), QStringLiteral("PhotoSum=10"),
                                             QStringLiteral("GBackColor=0"),
                                             QStringLiteral("MediaName=..\\..\\outside\\x.wav"),
                                             QStringLiteral("Particle=0")}));
    h.folder.Write(QStringLiteral("DAZGame.ini"),
                   TestProgramFolder::Lines(
                       {QStringLiteral("[GameMenu]"), QStringLiteral("Menu=3"), QStringLiteral("MenuName1=evil"),
                        QStringLiteral("MenuPath1=\\..\\") + QFileInfo(outside).fileName() + u'\\',
                        QStringLiteral("MenuName2=linked"), QStringLiteral("MenuPath2=\\levels\\linked\\"),
                        QStringLiteral("MenuName3=music"), QStringLiteral("MenuPath3=\\levels\\music\\"),
                        QStringLiteral("[UserSet]"), QStringLiteral("UserGK=1")}));
    // Shipped so: the pack's own folder is both layers.
    DataFolders pack(h.folder.Path());
    IniAccess packIni(pack, h.boxes);

    h.controller = std::make_unique<MainController>(
        pack, h.state, MainServices{h.boxes, h.desktop, h.effects, h.music, h.timers, h.random});
    h.controller->Load();
    for (int level = 1; level <= 3; ++level) {
        h.boxes.shown.clear();
        h.controller->ChooseLevel(level);
        EXPECT_EQ(h.board().TileCount(), 0) << "level " << level;
        ASSERT_EQ(h.boxes.shown.size(), 1u) << "level " << level;
        EXPECT_TRUE(h.boxes.shown[0].text.contains(QStringLiteral("无法开始"))) << h.boxes.shown[0].text.toStdString();
    }

    // The modifier refuses the level outside, and writes nothing there.
    FakeDialogs dialogs;
    QString mediaName;
    LevelToolContext context{packIni, h.boxes, dialogs, mediaName};
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
