// A kept round's file that is damaged or made to harm: told, set aside
// under a dated name, and the level dealt anew.

#include <algorithm>
#include <map>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "KeptRoundPlay.h"

namespace daz::testing {
namespace {

TEST(KeptRound, ADamagedOrHostileFileIsToldSetAsideAndDealtAnew)
{
    GameHarness h;
    h.folder.WriteGame(kLevels, 1, kScore);
    int mode = 2;
    PlayAndQuit(h, mode);
    QByteArray valid = h.folder.Read(QStringLiteral("kept-round.json"));
    QJsonObject object = QJsonDocument::fromJson(valid).object();
    ASSERT_FALSE(object.isEmpty());
    ASSERT_FALSE(object[QStringLiteral("undo")].toArray().isEmpty());

    // The file with one value changed.
    const auto with = [&](const QString& key, const QJsonValue& value) {
        QJsonObject changed = object;
        changed[key] = value;
        return QJsonDocument(changed).toJson();
    };
    // The file's text with more keys before its end.
    const auto appended = [&](const QByteArray& more) { return valid.left(valid.lastIndexOf('}')) + more + '}'; };
    const auto cellsOf = [&] { return object[QStringLiteral("cells")].toArray(); };
    // The board with the cells holding one code given another.
    const auto recoded = [&](int from, int to, int times) {
        QJsonArray rows = cellsOf();
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
    // Every tile left gone in pairs, with the time and the point each pair
    // gives (the points from a lower score at the start): the round holds
    // together but for its empty board.
    const auto cleared = [&] {
        QJsonObject changed = object;
        QJsonArray rows = cellsOf();
        QJsonArray undo = object[QStringLiteral("undo")].toArray();
        std::map<int, QJsonArray> waiting; // code → a tile without its pair yet
        int pairs = 0;
        for (qsizetype y = 0; y < rows.size(); ++y) {
            QJsonArray row = rows[y].toArray();
            for (qsizetype x = 0; x < row.size(); ++x) {
                const int code = row[x].toInt();
                const QJsonArray record{static_cast<int>(x + 1), static_cast<int>(y + 1), code};
                if (code != 0 && waiting.count(code) != 0) {
                    undo << waiting[code] << record;
                    waiting.erase(code);
                    ++pairs;
                } else if (code != 0) {
                    waiting[code] = record;
                }
                row[x] = 0;
            }
            rows[y] = row;
        }
        changed[QStringLiteral("cells")] = rows;
        changed[QStringLiteral("undo")] = undo;
        changed[QStringLiteral("timeLeft")] = object[QStringLiteral("timeLeft")].toDouble() + 20 * pairs;
        changed[QStringLiteral("scoreAtStart")] = object[QStringLiteral("scoreAtStart")].toInt() - pairs;
        return QJsonDocument(changed).toJson();
    };
    // One more use left of a tool than the mode gives.
    const auto oneMoreLeft = [&](qsizetype tool) {
        QJsonArray left = object[QStringLiteral("left")].toArray();
        left[tool] = left[tool].toInt() + 1;
        return with(QStringLiteral("left"), left);
    };
    QJsonArray undo = object[QStringLiteral("undo")].toArray();
    undo[0] = QJsonArray{99, 1, undo[0].toArray()[2]};
    // The first undo record aimed at the first cell that holds a tile.
    QJsonArray undoOnATile = object[QStringLiteral("undo")].toArray();
    for (int n = 0; n < 24; ++n) {
        if (cellsOf()[n / 6].toArray()[n % 6].toInt() != 0) {
            undoOnATile[0] = QJsonArray{n % 6 + 1, n / 6 + 1, undoOnATile[0].toArray()[2]};
            break;
        }
    }
    QJsonArray small{QJsonArray{1, 1}, QJsonArray{2, 2}};
    QJsonObject twoByTwo = object;
    twoByTwo[QStringLiteral("columns")] = 2;
    twoByTwo[QStringLiteral("rows")] = 2;
    twoByTwo[QStringLiteral("cells")] = small;
    twoByTwo[QStringLiteral("undo")] = QJsonArray{};
    // Without the two pairs of its undo records, and their time and points.
    twoByTwo[QStringLiteral("timeLeft")] = object[QStringLiteral("timeLeft")].toDouble() - 2 * 20;
    twoByTwo[QStringLiteral("scoreAtStart")] = object[QStringLiteral("scoreAtStart")].toInt() + 2;
    const int code = object[QStringLiteral("undo")].toArray()[0].toArray()[2].toInt();
    ASSERT_GE(code, 1);
    const int another = code % 3 + 1;
    const int seconds = object[QStringLiteral("secondsPlayed")].toInt();
    const double timeLeft = object[QStringLiteral("timeLeft")].toDouble();
    ASSERT_EQ(seconds, 4);

    std::vector<std::pair<QByteArray, QString>> cases{
        {valid.left(valid.size() / 2), QStringLiteral("JSON")},
        {"[1, 2]", QStringLiteral("JSON")},
        {with(QStringLiteral("version"), 2), QStringLiteral("版本 2")},
        {valid + QByteArray(300 * 1024, ' '), QStringLiteral("太大")},
        {with(QStringLiteral("timeLeft"), -5), QStringLiteral("时间")},
        {with(QStringLiteral("secondsPlayed"), -1), QStringLiteral("时间")},
        {with(QStringLiteral("left"), QJsonArray{6, 50, 6}), QStringLiteral("次数")},
        {oneMoreLeft(0), QStringLiteral("次数")},
        {oneMoreLeft(1), QStringLiteral("次数")},
        {oneMoreLeft(2), QStringLiteral("次数")},
        {QJsonDocument(twoByTwo).toJson(), QStringLiteral("棋盘大小 2 × 2 与关卡设置的 6 × 4 不符")},
        {recoded(another, 40000, 2), QStringLiteral("图案编号")},
        {recoded(another, 9, 2), QStringLiteral("关卡没有的图案")},
        {recoded(another, code, 1), QStringLiteral("不成对")},
        {cleared(), QStringLiteral("已经没有牌")},
        {with(QStringLiteral("undo"), undo), QStringLiteral("超出棋盘")},
        {with(QStringLiteral("undo"), undoOnATile), QStringLiteral("不是空的")},
        // A key twice, where the reader keeps the last: at the top, under
        // another spelling, and deep inside.
        {appended(",\"timeLeft\":10000000,\"secondsPlayed\":0"), QStringLiteral("“timeLeft”重复")},
        {"{\"\\u0070aused\":false," + valid.mid(1), QStringLiteral("“paused”重复")},
        {appended(",\"more\":[1,{\"a\":[{}],\"\\u0061\":[]}]"), QStringLiteral("“a”重复")},
        // Time and points that play cannot reach: a bar that never runs
        // out, more time than the pairs gave back, fewer or more seconds
        // than the bar lost, points the pairs and tools do not add up to.
        {with(QStringLiteral("timeLeft"), 1e7), QStringLiteral("剩余时间 10000000 与已用的 4 秒")},
        {with(QStringLiteral("timeLeft"), timeLeft + 20), QStringLiteral("与已用的 4 秒")},
        {with(QStringLiteral("secondsPlayed"), 0), QStringLiteral("与已用的 0 秒")},
        {with(QStringLiteral("secondsPlayed"), seconds + 1), QStringLiteral("与已用的 5 秒")},
        {with(QStringLiteral("scoreAtStart"), kScore - 10), QStringLiteral("用过的道具")},
        {with(QStringLiteral("settingsScore"), -1), QStringLiteral("积分有误")},
        {with(QStringLiteral("settingsScore"), 1e8), QStringLiteral("积分有误")},
        {with(QStringLiteral("seed"), QStringLiteral("5EED")), QStringLiteral("种子")},
        {with(QStringLiteral("draws"), -1), QStringLiteral("种子")},
    };
    int setAside = 0;
    const auto expectRefused = [&](const QString& why) {
        h.boxes.shown.clear();
        h.Start(mode);
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
    const auto refuseEach = [&] {
        for (const auto& [bytes, why] : cases) {
            h.folder.Write(QStringLiteral("kept-round.json"), bytes);
            expectRefused(why);
        }
    };
    refuseEach();

    // The last mode fills the bar after each pair: never above it, and
    // down by a step for each second since.
    mode = 4;
    PlayAndQuit(h, mode);
    valid = h.folder.Read(QStringLiteral("kept-round.json"));
    object = QJsonDocument::fromJson(valid).object();
    ASSERT_EQ(object[QStringLiteral("timeLeft")].toDouble(), 2950);
    cases = {{with(QStringLiteral("timeLeft"), 3050), QStringLiteral("剩余时间 3050 与已用的 4 秒")},
             {with(QStringLiteral("secondsPlayed"), 0), QStringLiteral("与已用的 0 秒")}};
    refuseEach();
    mode = 2;

    // A link in its place, to a kept round outside the player's folder:
    // neither read nor written through; the link itself is set aside.
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("kept-round.json"));
    QFile targetFile(target);
    ASSERT_TRUE(targetFile.open(QIODevice::WriteOnly) && targetFile.write(valid) == valid.size());
    targetFile.close();
    ASSERT_TRUE(QFile::remove(KeptFile(h)) && QFile::link(target, KeptFile(h)));
    expectRefused(QStringLiteral("符号链接"));
    EXPECT_FALSE(QFileInfo(KeptFile(h)).isSymLink());
    QFile again(target);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), valid);

    // The valid file still goes on, after all that; one kept by the version
    // before, without the settings' score, too.
    PlayAndQuit(h, 2);
    object = QJsonDocument::fromJson(h.folder.Read(QStringLiteral("kept-round.json"))).object();
    object.remove(QStringLiteral("settingsScore"));
    h.folder.Write(QStringLiteral("kept-round.json"), QJsonDocument(object).toJson());
    h.boxes.shown.clear();
    h.Start(2);
    EXPECT_TRUE(h.Caption().startsWith(QStringLiteral("继续上次的棋局")));
    EXPECT_TRUE(h.boxes.shown.empty());
}

} // namespace
} // namespace daz::testing
