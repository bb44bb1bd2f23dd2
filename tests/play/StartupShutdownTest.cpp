#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include <QCoreApplication>
#include <QDir>

#include "GameHarness.h"
#include "PipeTrap.h"
#include "leveldata/IniFile.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

QList<Spec> Levels(int count)
{
    QList<Spec> levels;
    for (int i = 1; i <= count; ++i) {
        levels.append({QStringLiteral("关%1").arg(i), QStringLiteral("l%1").arg(i), 2, 2, 10});
    }
    return levels;
}

QString Key(GameHarness& h, const QString& key)
{
    IniAccess ini(h.folder.Path(), h.problems);
    return ini.ReadIniKey(h.folder.File(QStringLiteral("DAZGame.ini")), QStringLiteral("UserSet"), key);
}

TEST(Startup, AFirstStartShowsAnEmptyScoreAndTheFirstLevel)
{
    GameHarness h;
    h.desktop.loginName = QStringLiteral("  ada ");
    h.folder.WriteGame(Levels(2));
    h.Start(1);
    EXPECT_EQ(ShowScore(h.round().Score()).rank, 0);
    EXPECT_EQ(ShowScore(h.round().Score()).digit, (std::array<int, 8>{}));
    EXPECT_EQ(h.flow->UserName(), QStringLiteral("ADA"));
    EXPECT_TRUE(h.Caption().endsWith(QStringLiteral("1．关1")));
    EXPECT_EQ(GameInfo::WindowCaption(), QStringLiteral("霁岚连连看2006.10.4"));
    EXPECT_TRUE(h.boxes.shown.empty());
}

TEST(Startup, ALevelNumberBeyondTheCatalogueStartsLevelOne)
{
    for (const int stored : {5, 0, -3}) {
        GameHarness h;
        h.folder.WriteGame(Levels(2), stored);
        h.Start(2);
        EXPECT_EQ(h.flow->Place().level, 1) << stored;
    }
}

TEST(Startup, TheCatalogueFillsTheLevelMenuUpToItsSixtySixItems)
{
    GameHarness h;
    h.folder.WriteGame(Levels(70));
    h.Start(2);
    EXPECT_EQ(h.LevelMenu().size(), 66);
    EXPECT_EQ(h.LevelMenu().size(), 66);
    EXPECT_TRUE(h.BoxTexts().first().contains(QStringLiteral("70")));

    GameHarness exact;
    exact.folder.WriteGame(Levels(66));
    exact.Start(2);
    EXPECT_EQ(exact.LevelMenu().last(), QStringLiteral("66．关66"));
    EXPECT_TRUE(exact.boxes.shown.empty());
}

// A count beyond the entries there are shows one box, not one per missing
// key; the levels found keep their numbers, and play goes round the gaps.
TEST(Startup, MissingCatalogueEntriesAreToldInOneBox)
{
    GameHarness storm;
    storm.folder.WriteGame(Levels(2));
    QByteArray ini = storm.folder.Read(QStringLiteral("DAZGame.ini"));
    storm.folder.Write(QStringLiteral("DAZGame.ini"), ini.replace("Menu=2", "Menu=300"));
    storm.Start(2);
    EXPECT_EQ(storm.BoxTexts(),
              QStringList{QStringLiteral("关卡目录中有 300 个关卡，关卡菜单只能列出前 66 个。\n第3至66关的条目缺失")});
    EXPECT_EQ(storm.LevelMenu().size(), 2);
    EXPECT_EQ(storm.LevelMenu(), (QStringList{QStringLiteral("1．关1"), QStringLiteral("2．关2")}));
    EXPECT_EQ(storm.board().TileCount(), 4);

    GameHarness gap;
    gap.folder.WriteGame(Levels(4), 3);
    ini = gap.folder.Read(QStringLiteral("DAZGame.ini"));
    gap.folder.Write(QStringLiteral("DAZGame.ini"), ini.replace("MenuPath3=", "Path3="));
    gap.Start(1);
    EXPECT_EQ(gap.BoxTexts(), QStringList{QStringLiteral("第3关的条目缺失")});
    EXPECT_EQ(gap.LevelMenu(),
              (QStringList{QStringLiteral("1．关1"), QStringLiteral("2．关2"), QString(), QStringLiteral("4．关4")}));
    EXPECT_EQ(gap.flow->Place().level, 1) << "the saved level is not listed";
    gap.flow->ChooseLevel(2);
    gap.flow->ChooseLevel(3);
    EXPECT_EQ(gap.flow->Place().level, 2);
    gap.ClearBoard();
    gap.flow->ClickOverlay();
    EXPECT_EQ(gap.flow->Place().level, 4);
    // The random level is any listed one, the last too, drawn after a
    // reseed from the clock: the same generator at another time draws anew.
    std::set<int> drawn;
    int clockMatters = 0;
    for (int i = 0; i < 30; ++i) {
        const Random before = gap.random;
        gap.clock.seconds = i;
        gap.flow->RandomLevel();
        const int level = gap.flow->Place().level;
        drawn.insert(level);
        gap.random = before;
        gap.clock.seconds = i + 0.5;
        gap.flow->RandomLevel();
        clockMatters += gap.flow->Place().level != level ? 1 : 0;
        drawn.insert(gap.flow->Place().level);
    }
    EXPECT_EQ(drawn, (std::set<int>{1, 2, 4}));
    EXPECT_GE(clockMatters, 10);
    EXPECT_EQ(gap.boxes.shown.size(), 1u);
}

TEST(Startup, AnEmptyOrMissingCatalogueIsReportedAndNothingBreaks)
{
    GameHarness empty;
    empty.folder.WriteCatalogue({});
    empty.Start(2);
    EXPECT_EQ(empty.LevelMenu().size(), 0);
    EXPECT_TRUE(empty.BoxTexts().first().contains(QStringLiteral("关卡目录是空的")));
    // With nothing to play, the commands still do their part and tell no
    // more: the random level draws nothing, the mode changes, a restart
    // asks and deals no tiles; the tools stay off and the clock still.
    const auto told = empty.boxes.shown.size();
    const auto level = empty.flow->Place().level;
    empty.flow->RandomLevel();
    EXPECT_EQ(empty.flow->Place().level, level);
    empty.flow->ChooseMode(3);
    EXPECT_EQ(empty.flow->Place().mode, 3);
    EXPECT_TRUE(empty.Caption().startsWith(QStringLiteral("挑战模式")));
    empty.boxes.answers.push_back(platform::MessageAnswer::Yes);
    empty.Trigger("restart");
    ASSERT_EQ(empty.boxes.shown.size(), told + 1);
    EXPECT_EQ(empty.boxes.shown.back().text, QStringLiteral("你真的要重新开始吗？"));
    EXPECT_EQ(empty.board().CellCount(), 0);
    EXPECT_EQ(empty.round().GetPhase(), Phase::NoLevel);

    GameHarness missing;
    missing.Start(2);
    EXPECT_EQ(missing.boxes.shown.size(), 1u);
    EXPECT_TRUE(missing.BoxTexts().first().contains(QStringLiteral("DAZGame.ini")));
}

// What the game reads from the program folder or a level folder must be a
// regular file: a pipe (or a device) in its place would keep the window
// waiting for ever. It counts as missing and is never opened.
TEST(Startup, PipesInPlaceOfFilesAreNeverOpened)
{
    GameHarness h;
    const Spec tiles(QStringLiteral("图"), QStringLiteral("l1"), 2, 2, 10);
    const Spec decorated(QStringLiteral("饰"), QStringLiteral("l2"), 2, 2, 10, 1, QStringLiteral("song.wav"));
    const Spec settings(QStringLiteral("设"), QStringLiteral("l3"), 2, 2, 10);
    h.folder.WriteGame({tiles, decorated, settings});
    QFile::remove(h.folder.File(QStringLiteral("levels/l1/1.gif")));
    QFile::remove(h.folder.File(QStringLiteral("levels/l3/setme.ini")));
    const QStringList names{QStringLiteral("levels/l1/1.gif"),         QStringLiteral("levels/l2/gameback.jpg"),
                            QStringLiteral("Particle/Particle_1.gif"), QStringLiteral("media/song.wav"),
                            QStringLiteral("levels/l3/setme.ini"),     QStringLiteral("dazRedme.txt")};
    std::vector<std::unique_ptr<PipeTrap>> pipes;
    for (const QString& name : names) {
        pipes.push_back(std::make_unique<PipeTrap>(h.folder.File(name)));
        ASSERT_TRUE(pipes.back()->Made()) << name.toStdString();
    }

    h.Start(2);
    ASSERT_EQ(h.boxes.shown.size(), 1u);
    EXPECT_TRUE(h.BoxTexts()[0].contains(QStringLiteral("无法开始")));
    EXPECT_TRUE(h.BoxTexts()[0].contains(QStringLiteral("1.gif")));
    h.flow->ChooseLevel(2);
    ASSERT_NE(h.flow->CurrentLevel(), nullptr);
    EXPECT_TRUE(h.flow->CurrentLevel()->pictures.background.isNull());
    EXPECT_TRUE(h.flow->CurrentLevel()->pictures.particle.isNull());
    EXPECT_TRUE(h.music.current.isEmpty());
    h.flow->ChooseLevel(3);
    EXPECT_TRUE(h.BoxTexts().last().contains(QStringLiteral("setme.ini")));
    h.parts->info.OpenHelp();
    EXPECT_EQ(h.BoxTexts().last(), QStringLiteral("帮助文件丢失！"));
    for (std::size_t i = 0; i < pipes.size(); ++i) {
        EXPECT_FALSE(pipes[i]->Opened()) << names[static_cast<qsizetype>(i)].toStdString();
    }

    GameHarness pipedCatalogue;
    PipeTrap ini(pipedCatalogue.folder.File(QStringLiteral("DAZGame.ini")));
    pipedCatalogue.Start(2);
    EXPECT_TRUE(pipedCatalogue.BoxTexts().first().contains(QStringLiteral("DAZGame.ini")));
    pipedCatalogue.flow->Unload();
    EXPECT_TRUE(pipedCatalogue.BoxTexts().last().startsWith(QStringLiteral("设置未能保存")));
    EXPECT_FALSE(ini.Opened());
}

TEST(Shutdown, WritesTheFourUserSettings)
{
    GameHarness h;
    h.folder.WriteGame(Levels(2), 2, 40);
    h.Start(2);
    // Three cleared levels, going on from each: 2 → 1 → 2 → 1.
    for (int i = 0; i < 3; ++i) {
        h.ClearBoard();
        h.flow->ClickOverlay();
    }
    h.audio().SetMusicOn(false);
    h.flow->Unload();
    EXPECT_EQ(Key(h, QStringLiteral("UserGK")), QStringLiteral("1"));
    EXPECT_EQ(Key(h, QStringLiteral("UserJF")), QStringLiteral("46"));
    EXPECT_EQ(Key(h, QStringLiteral("MediaON")), QStringLiteral("False"));
    EXPECT_EQ(Key(h, QStringLiteral("SoundON")), QStringLiteral("True"));
    // Everything else in the file stays as it was.
    EXPECT_TRUE(h.folder.Read(QStringLiteral("DAZGame.ini")).startsWith("[GameMenu]\r\nMenu=2\r\nMenuName1="));
}

TEST(Shutdown, AMusicSwitchLeftAloneIsSavedAsItWasRead)
{
    GameHarness h;
    h.folder.WriteGame(Levels(1));
    h.folder.WriteCatalogue(Levels(1), 1, 0, QStringLiteral("-1"), QStringLiteral("0"));
    h.Start(2);
    EXPECT_TRUE(h.audio().MusicOn());
    EXPECT_FALSE(h.audio().EffectsOn());
    h.flow->Unload();
    EXPECT_EQ(Key(h, QStringLiteral("MediaON")), QStringLiteral("-1"));
    EXPECT_EQ(Key(h, QStringLiteral("SoundON")), QStringLiteral("False"));
}

TEST(Shutdown, AFailedSaveIsReported)
{
    GameHarness h;
    h.folder.WriteGame(Levels(1));
    h.Start(2);
    // A read-only file stays as it is, also for the superuser, and the
    // player is told why.
    const QString file = h.folder.File(QStringLiteral("DAZGame.ini"));
    QFile before(file);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray content = before.readAll();
    before.close();
    h.round().SetScore(777);
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    h.flow->Unload();
    ASSERT_FALSE(h.boxes.shown.empty());
    EXPECT_EQ(h.boxes.shown.back().caption, QStringLiteral("错误"));
    EXPECT_TRUE(h.boxes.shown.back().text.startsWith(QStringLiteral("设置未能保存")));
    EXPECT_TRUE(h.boxes.shown.back().text.contains(QStringLiteral("只读")));
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(before.readAll(), content);

    h.boxes.shown.clear();
    QFile::remove(file);
    h.flow->Unload();
    ASSERT_FALSE(h.boxes.shown.empty());
    EXPECT_EQ(h.boxes.shown.back().caption, QStringLiteral("错误"));
    EXPECT_TRUE(h.boxes.shown.back().text.startsWith(QStringLiteral("设置未能保存")));
}

TEST(Menus, HelpAndAbout)
{
    GameHarness h;
    h.folder.WriteGame(Levels(1));
    h.Start(2);
    QStringList helpShown;
    QObject::connect(&h.parts->info, &GameInfo::helpOpened, [&](const QString& text) { helpShown << text; });
    h.parts->info.OpenHelp();
    EXPECT_EQ(h.boxes.shown.back().text, QStringLiteral("帮助文件丢失！"));
    EXPECT_EQ(h.boxes.shown.back().caption, QStringLiteral("警告"));
    EXPECT_TRUE(helpShown.isEmpty());

    // The help is the game's own window: no program is asked to show it.
    h.folder.Write(QStringLiteral("dazRedme.txt"), "帮助\r\n第二行\r\n");
    const std::size_t boxes = h.boxes.shown.size();
    h.parts->info.OpenHelp();
    EXPECT_EQ(helpShown, QStringList{QStringLiteral("帮助\n第二行\n")});
    EXPECT_EQ(h.boxes.shown.size(), boxes);
    EXPECT_TRUE(h.desktop.opened.isEmpty());

    // The box tells the version the program runs as, the licence and
    // where the help and the README are; it names no address.
    const QString version = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("2026.12.9"));
    h.parts->info.ShowAbout();
    QCoreApplication::setApplicationVersion(version);
    ASSERT_EQ(h.boxes.shown.size(), boxes + 1);
    EXPECT_EQ(h.boxes.shown.back().caption, QStringLiteral("关于霁岚连连看2006.10.4"));
    const QStringList about = h.boxes.shown.back().text.split(u'\n');
    ASSERT_EQ(about.size(), 4) << h.boxes.shown.back().text.toStdString();
    EXPECT_EQ(about[0], QStringLiteral("霁岚连连看 2026.12.9"));
    EXPECT_EQ(about[1], QStringLiteral("以 MIT 许可证发布。"));
    EXPECT_EQ(about[2], QStringLiteral("帮助：主菜单的“主题帮助”（F1），即 ")
                            + QDir::toNativeSeparators(h.folder.File(QStringLiteral("dazRedme.txt"))));
    // A single program folder has no documents beside it.
    EXPECT_EQ(about[3], QStringLiteral("说明：README.md（安装后在 share/doc/jilan-llk/ 文件夹里）"));
    EXPECT_TRUE(h.desktop.opened.isEmpty());

    // No invented address: feedback is a new mail to whomever the player
    // picks; downloads point to the README, or say where it is.
    h.parts->info.SendFeedback();
    ASSERT_EQ(h.desktop.opened.size(), 1);
    EXPECT_EQ(h.desktop.opened.last().scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(h.desktop.opened.last().path().isEmpty());
    h.parts->info.OpenDownloads();
    EXPECT_EQ(h.desktop.opened.size(), 1);
    EXPECT_TRUE(h.boxes.shown.back().text.contains(QStringLiteral("README.md")));
}

} // namespace
} // namespace daz::testing
