// The unfinished board kept across a quit: Unload() is the quit (the main
// window's close), a new Start() on the same folder the next start.

#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "GameHarness.h"
#include "KillPoints.h"
#include "game/KeptRound.h"
#include "leveldata/FileReplace.h"

namespace daz::testing {
namespace {

using Spec = TestProgramFolder::LevelSpec;

const QList<Spec> kLevels{{QStringLiteral("关1"), QStringLiteral("l1"), 6, 4, 3},
                          {QStringLiteral("关2"), QStringLiteral("l2"), 6, 4, 3}};
constexpr long long kScore = 100;

QString KeptFile(GameHarness& h)
{
    return h.folder.File(QStringLiteral("kept-round.json"));
}

// Everything the round shows of itself, read through its public face.
struct Seen {
    std::vector<TileCode> grid;
    std::vector<UndoEntry> undo;
    int undoLeft = 0, hintLeft = 0, shuffleLeft = 0;
    int undoUsed = 0, hintUsed = 0, shuffleUsed = 0;
    float timeLeft = 0;
    int seconds = 0;
    std::int64_t score = 0, scoreAtStart = 0;
    std::optional<OverlayPicture> overlay;
    bool clockRunning = false, toolsEnabled = false;
    std::optional<CellPair> nextHint;
    friend bool operator==(const Seen&, const Seen&) = default;
};

Seen See(GameHarness& h)
{
    const Round& r = h.round();
    Seen seen;
    seen.grid.assign(r.GetBoard().Grid().begin(), r.GetBoard().Grid().end());
    for (int i = 1; i <= r.Undo().UndoCount(); ++i)
        seen.undo.push_back(r.Undo().UndoList()[static_cast<std::size_t>(i)]);
    seen.undoLeft = r.UndoLeft();
    seen.hintLeft = r.HintLeft();
    seen.shuffleLeft = r.ShuffleLeft();
    seen.undoUsed = r.Uses().undo;
    seen.hintUsed = r.Uses().hint;
    seen.shuffleUsed = r.Uses().shuffle;
    seen.timeLeft = r.TimeLeft();
    seen.seconds = r.SecondsPlayed();
    seen.score = r.Score();
    seen.scoreAtStart = r.ScoreAtStart();
    seen.overlay = r.Overlay();
    seen.clockRunning = r.ClockRunning();
    seen.toolsEnabled = r.ToolsEnabled();
    seen.nextHint = FindPair(r.GetBoard());
    return seen;
}

// A level played for a while with every tool the mode has, then quit.
void PlayAndQuit(GameHarness& h, int mode, bool paused = false)
{
    h.Start(mode);
    h.timers.Fire(QStringLiteral("Timer1"), 3);
    h.RemoveAPair();
    h.RemoveAPair();
    h.round().UndoCommand();
    h.round().ShuffleCommand();
    h.RemoveAPair();
    h.round().HintCommand();
    h.timers.Fire(QStringLiteral("Timer1"));
    if (paused)
        h.round().PauseCommand();
    h.flow->Unload();
}

// A board just dealt, with the usual caption.
void ExpectDealtAnew(GameHarness& h, const std::string& why)
{
    EXPECT_EQ(h.board().TileCount(), h.board().CellCount()) << why;
    EXPECT_EQ(h.round().Undo().UndoCount(), 0) << why;
    EXPECT_EQ(h.round().SecondsPlayed(), 0) << why;
    EXPECT_FALSE(h.flow->Caption().contains(QStringLiteral("继续上次的棋局"))) << why;
    EXPECT_FALSE(QFileInfo::exists(KeptFile(h))) << why << ": the kept round is left for another start";
}

TEST(KeptRound, AQuitInPlayComesBackExactlyInEveryMode)
{
    for (int mode = 1; mode <= kModeCount; ++mode) {
        for (const bool paused : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "mode " << mode << (paused ? ", paused" : ""));
            GameHarness h;
            h.folder.WriteGame(kLevels, 1, kScore);
            PlayAndQuit(h, mode, paused);
            const Seen quit = See(h); // the flow that quit is still there
            ASSERT_LT(h.board().TileCount(), h.board().CellCount()) << "nothing was played";
            h.Start(mode);
            const Seen resumed = See(h);
            EXPECT_TRUE(resumed == quit);
            EXPECT_EQ(resumed.seconds, 4);
            EXPECT_EQ(resumed.scoreAtStart, kScore);
            EXPECT_EQ(resumed.clockRunning, !paused);
            EXPECT_GT(resumed.hintUsed, 0);

            // The caption says so until its timer; the file is taken.
            EXPECT_TRUE(h.flow->Caption().startsWith(QStringLiteral("继续上次的棋局")));
            h.timers.Fire(QStringLiteral("KeptCaption"));
            EXPECT_TRUE(h.flow->Caption().endsWith(QStringLiteral("当前游戏关卡：1．关1")));
            EXPECT_FALSE(h.flow->Caption().contains(QStringLiteral("继续")));
            EXPECT_FALSE(QFileInfo::exists(KeptFile(h)));
            EXPECT_TRUE(h.boxes.shown.empty());

            // It plays on: a paused one from its pause picture.
            if (paused)
                h.flow->ClickOverlay();
            h.timers.Fire(QStringLiteral("Timer1"));
            EXPECT_EQ(h.round().SecondsPlayed(), 5);
            EXPECT_TRUE(h.round().ToolsEnabled());
        }
    }
}

TEST(KeptRound, EachReasonToDealAnewDoes)
{
    const auto quitInPlay = [](GameHarness& h) {
        h.folder.WriteGame(kLevels, 1, kScore);
        PlayAndQuit(h, 2);
        ASSERT_TRUE(QFileInfo::exists(KeptFile(h)));
    };
    {
        GameHarness h;
        quitInPlay(h);
        h.Start(3);
        ExpectDealtAnew(h, "another mode");
    }
    {
        GameHarness h;
        quitInPlay(h);
        IniAccess ini(h.folder.Path(), h.boxes);
        const QString score = ini.ReadIniKey(h.folder.File(QStringLiteral("DAZGame.ini")), QStringLiteral("UserSet"),
                                             QStringLiteral("UserJF"));
        h.folder.WriteCatalogue(kLevels, 2, score.toLongLong());
        h.Start(2);
        ExpectDealtAnew(h, "another level");
    }
    {
        GameHarness h;
        quitInPlay(h);
        h.folder.Write(QStringLiteral("levels/l1/mb2.gif"), TestProgramFolder::Picture(20, Qt::green));
        h.Start(2);
        ExpectDealtAnew(h, "a changed level");
        EXPECT_TRUE(h.boxes.shown.empty());
    }
    {
        GameHarness h;
        quitInPlay(h);
        h.folder.Write(QStringLiteral("kept-round.json"), h.folder.Read(QStringLiteral("kept-round.json")).left(50));
        h.Start(2);
        ExpectDealtAnew(h, "a damaged file");
        EXPECT_EQ(h.boxes.shown.size(), 1U);
    }
    {
        GameHarness h;
        quitInPlay(h);
        h.Start(2);
        ASSERT_LT(h.board().TileCount(), h.board().CellCount());
        h.boxes.answers.push_back(platform::MessageAnswer::Yes);
        h.flow->Restart();
        ExpectDealtAnew(h, "a restart");
        // A start that follows one that went on, without a quit in play.
        h.RemoveAPair();
        h.Start(2);
        ExpectDealtAnew(h, "a second start");
    }
    {
        // A level that ended is not kept, and takes a kept round with it.
        GameHarness h;
        quitInPlay(h);
        const QByteArray kept = h.folder.Read(QStringLiteral("kept-round.json"));
        h.Start(2);
        h.ClearBoard();
        h.folder.Write(QStringLiteral("kept-round.json"), kept);
        h.flow->Unload();
        EXPECT_FALSE(QFileInfo::exists(KeptFile(h))) << "a cleared level is kept";
        h.Start(2);
        h.timers.Fire(QStringLiteral("Timer1"), 1000);
        ASSERT_EQ(h.round().GetPlayState(), PlayState::Yes);
        h.folder.Write(QStringLiteral("kept-round.json"), kept);
        h.flow->Unload();
        EXPECT_FALSE(QFileInfo::exists(KeptFile(h))) << "a timed-out level is kept";
    }
}

TEST(KeptRound, ADamagedOrHostileFileIsToldSetAsideAndDealtAnew)
{
    GameHarness h;
    h.folder.WriteGame(kLevels, 1, kScore);
    PlayAndQuit(h, 2);
    const QByteArray valid = h.folder.Read(QStringLiteral("kept-round.json"));
    const QJsonObject object = QJsonDocument::fromJson(valid).object();
    ASSERT_FALSE(object.isEmpty());
    ASSERT_FALSE(object[QStringLiteral("undo")].toArray().isEmpty());

    // The file with one value changed.
    const auto with = [&](const QString& key, const QJsonValue& value) {
        QJsonObject changed = object;
        changed[key] = value;
        return QJsonDocument(changed).toJson();
    };
    // The board with the cells holding one code given another.
    const auto recoded = [&](int from, int to, int times) {
        QJsonArray rows = object[QStringLiteral("cells")].toArray();
        for (qsizetype y = 0; y < rows.size(); ++y) {
            QJsonArray row = rows[y].toArray();
            for (qsizetype x = 0; x < row.size(); ++x) {
                if (times > 0 && row[x].toInt() == from) {
                    row[x] = to;
                    --times;
                }
            }
            rows[y] = row;
        }
        return with(QStringLiteral("cells"), rows);
    };
    QJsonArray undo = object[QStringLiteral("undo")].toArray();
    undo[0] = QJsonArray{99, 1, undo[0].toArray()[2]};
    QJsonArray small{QJsonArray{1, 1}, QJsonArray{2, 2}};
    QJsonObject twoByTwo = object;
    twoByTwo[QStringLiteral("columns")] = 2;
    twoByTwo[QStringLiteral("rows")] = 2;
    twoByTwo[QStringLiteral("cells")] = small;
    twoByTwo[QStringLiteral("undo")] = QJsonArray{};
    const int code = object[QStringLiteral("undo")].toArray()[0].toArray()[2].toInt();
    ASSERT_GE(code, 1);
    const int another = code % 3 + 1;

    const std::vector<std::pair<QByteArray, QString>> cases{
        {valid.left(valid.size() / 2), QStringLiteral("JSON")},
        {"[1, 2]", QStringLiteral("JSON")},
        {with(QStringLiteral("version"), 2), QStringLiteral("版本 2")},
        {valid + QByteArray(300 * 1024, ' '), QStringLiteral("太大")},
        {with(QStringLiteral("timeLeft"), -5), QStringLiteral("时间")},
        {with(QStringLiteral("secondsPlayed"), -1), QStringLiteral("时间")},
        {with(QStringLiteral("left"), QJsonArray{6, 50, 6}), QStringLiteral("次数")},
        {QJsonDocument(twoByTwo).toJson(), QStringLiteral("棋盘大小 2 × 2 与关卡设置的 6 × 4 不符")},
        {recoded(another, 40000, 2), QStringLiteral("图案编号")},
        {recoded(another, 9, 2), QStringLiteral("关卡没有的图案")},
        {recoded(another, code, 1), QStringLiteral("不成对")},
        {with(QStringLiteral("undo"), undo), QStringLiteral("超出棋盘")},
    };
    int setAside = 0;
    const auto expectRefused = [&](const QString& why) {
        h.boxes.shown.clear();
        h.Start(2);
        ExpectDealtAnew(h, why.toStdString());
        ASSERT_EQ(h.boxes.shown.size(), 1U) << why.toStdString();
        const QString text = h.boxes.shown.front().text;
        EXPECT_TRUE(text.contains(QStringLiteral("无法使用")) && text.contains(why)) << text.toStdString();
        const QStringList aside = QDir(h.folder.Path())
                                      .entryList({QStringLiteral("kept-round.json.damaged-*")},
                                                 QDir::Files | QDir::System | QDir::Hidden);
        EXPECT_EQ(aside.size(), std::min(++setAside, 3)) << "the newest three stay: " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("kept-round.json.damaged-"))) << text.toStdString();
    };
    for (const auto& [bytes, why] : cases) {
        h.folder.Write(QStringLiteral("kept-round.json"), bytes);
        expectRefused(why);
    }

    // A link in its place, to a kept round outside the player's folder:
    // neither read nor written through; the link itself is set aside.
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("kept-round.json"));
    QFile targetFile(target);
    ASSERT_TRUE(targetFile.open(QIODevice::WriteOnly) && targetFile.write(valid) == valid.size());
    targetFile.close();
    ASSERT_TRUE(QFile::link(target, KeptFile(h)));
    expectRefused(QStringLiteral("符号链接"));
    EXPECT_EQ(h.folder.Read(QStringLiteral("kept-round.json")), QByteArray());
    QFile again(target);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), valid);

    // The valid file still goes on, after all that.
    PlayAndQuit(h, 2);
    h.boxes.shown.clear();
    h.Start(2);
    EXPECT_TRUE(h.flow->Caption().startsWith(QStringLiteral("继续上次的棋局")));
    EXPECT_TRUE(h.boxes.shown.empty());
}

// A kill at any step of a quit leaves the round kept before, or the new
// one, whole (kill points: KillPoints.h).
TEST(KeptRound, AKillWhileKeepingLeavesTheOldRoundOrTheNew)
{
    GameHarness h;
    h.folder.WriteGame(kLevels, 1, kScore);
    PlayAndQuit(h, 2);
    const QByteArray older = h.folder.Read(QStringLiteral("kept-round.json"));
    h.Start(2);
    h.RemoveAPair();
    h.timers.Fire(QStringLiteral("Timer1"));

    const auto quit = [&] { h.flow->Unload(); };
    // Each quit starts from the same files: a killed write's leftovers go
    // (a write that is not killed removes them; that is not what is tried here).
    const auto removeLeftovers = [&] {
        for (const QString& name : QDir(h.folder.Path()).entryList(QDir::Files | QDir::Hidden)) {
            if (IsLeftoverOfWrite(name, KeptFile(h)) || IsLeftoverOfWrite(name, h.folder.File("DAZGame.ini")))
                QFile::remove(h.folder.File(name));
        }
    };
    // The files as the quit finds them: the round kept before, or none.
    const auto before = [&](bool keptBefore) {
        if (keptBefore)
            h.folder.Write(QStringLiteral("kept-round.json"), older);
        else
            QFile::remove(KeptFile(h));
        removeLeftovers();
    };
    QString problem;
    ASSERT_TRUE(ParseKeptRound(older, problem)) << problem.toStdString();
    for (const bool keptBefore : {true, false}) {
        before(keptBefore);
        const TracedRun whole = RunUntilKilled(quit, [](qint64) { return false; });
        ASSERT_FALSE(whole.killed);
        const QByteArray newer = h.folder.Read(QStringLiteral("kept-round.json"));
        ASSERT_NE(newer, older);
        ASSERT_TRUE(ParseKeptRound(newer, problem)) << problem.toStdString();

        int keptOld = 0, keptNew = 0; // without a round kept before, "old" is no file
        for (qint64 step = 0; step < whole.steps; ++step) {
            before(keptBefore);
            const TracedRun run = RunUntilKilled(quit, [step](qint64 at) { return at == step; });
            ASSERT_TRUE(run.killed) << "step " << step;
            const QByteArray bytes = h.folder.Read(QStringLiteral("kept-round.json"));
            if (!keptBefore && !QFileInfo::exists(KeptFile(h))) {
                ++keptOld;
                continue;
            }
            ASSERT_TRUE(bytes == newer || (keptBefore && bytes == older)) << "a mix after a kill at step " << step;
            (bytes == newer ? keptNew : keptOld) += 1;
        }
        // The kills fell before and after the new round took its place.
        EXPECT_GT(keptOld, 0);
        EXPECT_GT(keptNew, 0);
        std::printf("%lld kill points in a quit, %s a round kept before\n", static_cast<long long>(whole.steps),
                    keptBefore ? "with" : "without");
    }
}

} // namespace
} // namespace daz::testing
