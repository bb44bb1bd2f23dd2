#include "KeptRound.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include "game/JsonKeys.h"
#include "leveldata/ConfinedFiles.h"
#include "leveldata/ProgramPaths.h"

namespace daz {
namespace {

const QString kFormatName = QStringLiteral("jilan-llk kept round");
constexpr int kFormatVersion = 1;
constexpr double kLongestTime = 1e7;              // seconds played, or the time bar's width: far beyond any level
constexpr double kMostDraws = 9007199254740992.0; // 2^53: the largest count a JSON number holds exactly

// The pictures a level of these settings shows: the deal uses 1, 2, … one
// per pair, so a level with more pictures than pairs never shows the rest.
int PicturesUsed(const LevelSettings& settings)
{
    return std::min<int>(settings.photoSum, settings.maxX * settings.maxY / 2);
}

// Whether the mode moves tiles after a removal (then an undo record's
// cell may hold another tile by now).
bool Slides(int mode)
{
    const FollowUp followUp = RulesFor(mode).followUp;
    return followUp == FollowUp::SlideDownAndTest || followUp == FollowUp::RandomSlideAndRefill;
}

// A whole number within [low, high], or nothing.
std::optional<qint64> Whole(const QJsonValue& value, double low, double high)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const double number = value.toDouble();
    if (!(number >= low && number <= high) || number != std::floor(number)) {
        return std::nullopt;
    }
    return static_cast<qint64>(number);
}

// Three whole numbers 0 … high: the undo, hint and shuffle counters.
std::optional<std::array<int, 3>> Counters(const QJsonValue& value, int high)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != 3) {
        return std::nullopt;
    }
    std::array<int, 3> counters{};
    for (qsizetype i = 0; i < 3; ++i) {
        const auto n = Whole(array[i], 0, high);
        if (!n) {
            return std::nullopt;
        }
        counters[static_cast<std::size_t>(i)] = static_cast<int>(*n);
    }
    return counters;
}

// Why the board and the undo records cannot be the state of a round in
// play; no problem when they can.
KeptRoundProblem CheckBoard(const KeptRound& kept)
{
    const RoundState& s = kept.state;
    std::map<int, int> counts; // code → tiles on the board
    int tiles = 0;
    for (const TileCode code : s.cells) {
        if (code < 0) {
            return {KeptRoundProblemKind::NegativeCode, {}, {code}};
        }
        if (code != 0) {
            ++counts[code];
            ++tiles;
        }
    }
    for (const auto& [code, count] : counts) {
        if (count % 2 != 0) {
            return {KeptRoundProblemKind::PictureUnpaired, {}, {code, count}};
        }
    }
    if (tiles == 0) {
        return {KeptRoundProblemKind::NoTilesLeft};
    }
    // Each pair that went left two undo records; an undo puts them back.
    if (s.undo.size() % 2 != 0 || tiles + static_cast<int>(s.undo.size()) != s.maxX * s.maxY) {
        return {KeptRoundProblemKind::UndoAndTilesDisagree, {}, {static_cast<std::int64_t>(s.undo.size()), tiles}};
    }
    for (std::size_t i = 0; i < s.undo.size(); i += 2) {
        const UndoEntry& a = s.undo[i];
        const UndoEntry& b = s.undo[i + 1];
        if (a.Code < 1 || a.Code != b.Code) {
            return {KeptRoundProblemKind::UndoNotAPair, {}, {static_cast<std::int64_t>(i / 2 + 1)}};
        }
    }
    for (const UndoEntry& e : s.undo) {
        if (e.X < 1 || e.X > s.maxX || e.Y < 1 || e.Y > s.maxY) {
            return {KeptRoundProblemKind::UndoCellOffBoard, {}, {e.X, e.Y}};
        }
    }
    return {};
}

// Why the time, the seconds and the points cannot be those of a round in
// play; no problem when they can. Each second took a step off the bar;
// each pair removed gave a point and a step back, or in the last mode a
// full bar; an undo takes neither back.
KeptRoundProblem CheckPlay(const KeptRound& kept)
{
    const RoundState& s = kept.state;
    const ModeRules& rules = RulesFor(kept.mode);
    const std::int64_t pairs = static_cast<std::int64_t>(s.undo.size() / 2) + s.undoUsed; // undone or not
    const double step = rules.timeStep;
    const double time = s.timeLeft;
    constexpr double kSlack = 0.5; // the bar moves by whole steps
    bool timeFits = false;
    if (s.untimed) { // the bar stays full however long the level lasts
        timeFits = std::abs(Round::kFullTime - time) <= kSlack;
    } else if (rules.followUp == FollowUp::RandomSlideAndRefill && pairs > 0) {
        timeFits = time <= Round::kFullTime + kSlack && time >= Round::kFullTime - step * s.secondsPlayed - kSlack;
    } else {
        const double bonus = rules.followUp == FollowUp::RandomSlideAndRefill ? 0 : step;
        timeFits = std::abs(rules.timeAfterDeal + bonus * static_cast<double>(pairs) - step * s.secondsPlayed - time)
                   <= kSlack;
    }
    if (!timeFits) {
        return {KeptRoundProblemKind::TimeDisagrees,
                QString::number(time, 'f', QLocale::FloatingPointShortest),
                {s.secondsPlayed, pairs}};
    }
    // A tool is used only when the score pays for it; a pair's point is
    // lost at the top score, so from there on the sum is an upper bound.
    const std::int64_t costs = std::int64_t{kUndoCost} * s.undoUsed + std::int64_t{kHintCost} * s.hintUsed
                               + kShuffleCost * s.shuffleUsed;
    const std::int64_t sum = s.scoreAtStart + pairs - costs;
    if (s.scoreAtStart + pairs <= kLargestShownScore ? kept.score != sum : kept.score > sum) {
        return {KeptRoundProblemKind::ScoreDisagrees, {}, {kept.score, s.scoreAtStart, pairs}};
    }
    return {};
}

} // namespace

QByteArray LevelDigest(const DataFolders& folders, const QString& levelFolder, const LevelSettings& settings)
{
    QStringList names{kLevelSettingsFile};
    for (int k = 1; k <= PicturesUsed(settings); ++k) {
        names << QStringLiteral("%1.gif").arg(k);
    }
    names << QStringLiteral("mb1.gif") << QStringLiteral("mb2.gif") << QStringLiteral("gameback.jpg");

    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& name : names) {
        hash.addData(name.toUtf8());
        const QString path = folders.Find(levelFolder + name);
        FileError reason;
        const auto bytes = FileExists(path) ? ReadFileBelow(folders.RootOf(path), path, kPictureFileBudget, reason)
                                            : std::nullopt;
        // Each file with its size, so that no two levels hash the same bytes.
        hash.addData(bytes ? QByteArray::number(bytes->size()) : QByteArrayLiteral("none"));
        hash.addData(QByteArrayView("\n", 1));
        if (bytes) {
            hash.addData(*bytes);
        }
    }
    return hash.result().toHex();
}

QByteArray SerializeKeptRound(const KeptRound& kept)
{
    const RoundState& s = kept.state;
    QJsonArray rows;
    for (int y = 0; y < s.maxY; ++y) {
        QJsonArray row;
        for (int x = 0; x < s.maxX; ++x) {
            row.append(s.cells[static_cast<std::size_t>(y * s.maxX + x)]);
        }
        rows.append(row);
    }
    QJsonArray undo;
    for (const UndoEntry& e : s.undo) {
        undo.append(QJsonArray{e.X, e.Y, e.Code});
    }
    QJsonObject object{
        {QStringLiteral("format"), kFormatName},
        {QStringLiteral("version"), kFormatVersion},
        {QStringLiteral("mode"), kept.mode},
        {QStringLiteral("level"), kept.level},
        {QStringLiteral("levelDigest"), QString::fromLatin1(kept.levelDigest)},
        {QStringLiteral("score"), static_cast<double>(kept.score)},
        {QStringLiteral("settingsScore"), static_cast<double>(kept.settingsScore)},
        {QStringLiteral("scoreAtStart"), static_cast<double>(s.scoreAtStart)},
        {QStringLiteral("timeLeft"), static_cast<double>(s.timeLeft)},
        {QStringLiteral("secondsPlayed"), s.secondsPlayed},
        {QStringLiteral("paused"), s.paused},
        {QStringLiteral("untimed"), s.untimed},
        {QStringLiteral("left"), QJsonArray{s.undoLeft, s.hintLeft, s.shuffleLeft}},
        {QStringLiteral("used"), QJsonArray{s.undoUsed, s.hintUsed, s.shuffleUsed}},
        {QStringLiteral("columns"), s.maxX},
        {QStringLiteral("rows"), s.maxY},
        {QStringLiteral("cells"), rows},
        {QStringLiteral("undo"), undo},
    };
    if (s.random) {
        // 64 bits do not fit a JSON number: the seed is written in hex.
        object.insert(QStringLiteral("seed"), QStringLiteral("%1").arg(s.random->seed, 16, 16, QLatin1Char('0')));
        object.insert(QStringLiteral("draws"), static_cast<double>(s.random->draws));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<KeptRound> ParseKeptRound(const QByteArray& bytes, KeptRoundProblem& problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        problem = {KeptRoundProblemKind::NotJson};
        return std::nullopt;
    }
    if (const auto key = DuplicatedKey(bytes)) {
        problem = {KeptRoundProblemKind::KeyTwice, key->left(40)};
        return std::nullopt;
    }
    const QJsonObject o = document.object();
    if (o[QStringLiteral("format")].toString() != kFormatName) {
        problem = {KeptRoundProblemKind::NotKeptRound};
        return std::nullopt;
    }
    if (Whole(o[QStringLiteral("version")], kFormatVersion, kFormatVersion) != kFormatVersion) {
        problem = {KeptRoundProblemKind::UnknownVersion, o[QStringLiteral("version")].toVariant().toString()};
        return std::nullopt;
    }
    KeptRound kept;
    RoundState& s = kept.state;
    const auto mode = Whole(o[QStringLiteral("mode")], 1, kModeCount);
    kept.level = o[QStringLiteral("level")].toString();
    kept.levelDigest = o[QStringLiteral("levelDigest")].toString().toLatin1();
    const auto score = Whole(o[QStringLiteral("score")], 0, kLargestShownScore);
    // Written with the settings when it is not there (the version before).
    const QJsonValue settingsValue = o[QStringLiteral("settingsScore")];
    const auto settingsScore = settingsValue.isUndefined() ? score : Whole(settingsValue, 0, kLargestShownScore);
    const auto scoreAtStart = Whole(o[QStringLiteral("scoreAtStart")], 0, kLargestShownScore);
    if (!mode || kept.level.isEmpty() || kept.levelDigest.size() != 64 || !score || !settingsScore || !scoreAtStart) {
        problem = {KeptRoundProblemKind::ModeLevelOrScore};
        return std::nullopt;
    }
    kept.mode = static_cast<int>(*mode);
    kept.score = *score;
    kept.settingsScore = *settingsScore;
    s.scoreAtStart = *scoreAtStart;

    const ModeRules& rules = RulesFor(kept.mode);
    const QJsonValue timeLeft = o[QStringLiteral("timeLeft")];
    const auto seconds = Whole(o[QStringLiteral("secondsPlayed")], 0, kLongestTime);
    // A bar at or below one step has run out: that round ended.
    if (!timeLeft.isDouble() || !(timeLeft.toDouble() > rules.timeStep && timeLeft.toDouble() <= kLongestTime)
        || !seconds) {
        problem = {KeptRoundProblemKind::TimeOutOfRange};
        return std::nullopt;
    }
    s.timeLeft = static_cast<float>(timeLeft.toDouble());
    s.secondsPlayed = static_cast<int>(*seconds);
    if (!o[QStringLiteral("paused")].isBool()) {
        problem = {KeptRoundProblemKind::NoPauseState};
        return std::nullopt;
    }
    s.paused = o[QStringLiteral("paused")].toBool();
    // A file from before untimed play has no such key: its round was timed.
    const QJsonValue untimed = o[QStringLiteral("untimed")];
    if (!untimed.isUndefined() && !untimed.isBool()) {
        problem = {KeptRoundProblemKind::TimeOutOfRange};
        return std::nullopt;
    }
    s.untimed = untimed.toBool(false);

    // What is left of a tool and what was used of it add up to what the
    // mode gives.
    const std::array<int, 3> given{rules.undoLeft, rules.hintLeft, rules.shuffleLeft};
    const auto left = Counters(o[QStringLiteral("left")], 1000);
    const auto used = Counters(o[QStringLiteral("used")], 1000);
    if (!left || !used || (*left)[0] + (*used)[0] != given[0] || (*left)[1] + (*used)[1] != given[1]
        || (*left)[2] + (*used)[2] != given[2]) {
        problem = {KeptRoundProblemKind::ToolsOutOfRange};
        return std::nullopt;
    }
    std::tie(s.undoLeft, s.hintLeft, s.shuffleLeft) = std::tuple((*left)[0], (*left)[1], (*left)[2]);
    std::tie(s.undoUsed, s.hintUsed, s.shuffleUsed) = std::tuple((*used)[0], (*used)[1], (*used)[2]);

    const auto columns = Whole(o[QStringLiteral("columns")], 1, 99);
    const auto rowCount = Whole(o[QStringLiteral("rows")], 1, 99);
    if (!columns || !rowCount || !Board::IsValidSize(static_cast<int>(*columns), static_cast<int>(*rowCount))) {
        problem = {KeptRoundProblemKind::BoardSizeInvalid};
        return std::nullopt;
    }
    s.maxX = static_cast<int>(*columns);
    s.maxY = static_cast<int>(*rowCount);
    const QJsonArray rows = o[QStringLiteral("cells")].toArray();
    if (rows.size() != s.maxY) {
        problem = {KeptRoundProblemKind::RowsDisagree};
        return std::nullopt;
    }
    for (const QJsonValue& rowValue : rows) {
        const QJsonArray row = rowValue.toArray();
        if (row.size() != s.maxX) {
            problem = {KeptRoundProblemKind::ColumnsDisagree};
            return std::nullopt;
        }
        for (const QJsonValue& cell : row) {
            const auto code = Whole(cell, 0, 32767);
            if (!code) {
                problem = {KeptRoundProblemKind::CellCodeInvalid};
                return std::nullopt;
            }
            s.cells.push_back(static_cast<TileCode>(*code));
        }
    }
    const QJsonArray undo = o[QStringLiteral("undo")].toArray();
    if (!o[QStringLiteral("undo")].isArray() || undo.size() > s.maxX * s.maxY) {
        problem = {KeptRoundProblemKind::UndoInvalid};
        return std::nullopt;
    }
    for (const QJsonValue& value : undo) {
        const QJsonArray entry = value.toArray();
        const auto x = entry.size() == 3 ? Whole(entry[0], 1, s.maxX) : std::nullopt;
        const auto y = entry.size() == 3 ? Whole(entry[1], 1, s.maxY) : std::nullopt;
        const auto code = entry.size() == 3 ? Whole(entry[2], 1, 32767) : std::nullopt;
        if (!x || !y || !code) {
            problem = {KeptRoundProblemKind::UndoOutOfRange};
            return std::nullopt;
        }
        s.undo.push_back({static_cast<std::int16_t>(*x), static_cast<std::int16_t>(*y), static_cast<TileCode>(*code)});
    }
    // The level's generator; a round kept without it goes on with a fresh seed.
    const QJsonValue seed = o[QStringLiteral("seed")];
    const QJsonValue draws = o[QStringLiteral("draws")];
    if (!seed.isUndefined() || !draws.isUndefined()) {
        const QString hex = seed.toString();
        bool ok = hex.size() == 16 && std::all_of(hex.begin(), hex.end(), [](QChar c) {
                      return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
                  });
        const std::uint64_t bits = ok ? hex.toULongLong(&ok, 16) : 0;
        const auto count = Whole(draws, 0, kMostDraws);
        if (!ok || !count) {
            problem = {KeptRoundProblemKind::SeedInvalid};
            return std::nullopt;
        }
        s.random = RandomPlace{bits, static_cast<std::uint64_t>(*count)};
    }
    problem = CheckBoard(kept);
    if (!problem) {
        problem = CheckPlay(kept);
    }
    if (problem) {
        return std::nullopt;
    }
    return kept;
}

KeptRoundProblem CheckKeptRoundFits(const KeptRound& kept, const LevelSettings& settings)
{
    const RoundState& s = kept.state;
    if (s.maxX != settings.maxX || s.maxY != settings.maxY) {
        return {KeptRoundProblemKind::SizeDisagrees, {}, {s.maxX, s.maxY, settings.maxX, settings.maxY}};
    }
    const int pictures = PicturesUsed(settings);
    const auto foreign = [pictures](int code) { return code > pictures; };
    if (std::any_of(s.cells.begin(), s.cells.end(), foreign)
        || std::any_of(s.undo.begin(), s.undo.end(), [&](const UndoEntry& e) { return foreign(e.Code); })) {
        return {KeptRoundProblemKind::PictureNotInLevel, {}, {pictures}};
    }
    // Without slides, an undo puts each tile back into the cell it left,
    // which is still empty, and no two records share a cell.
    if (!Slides(kept.mode)) {
        std::set<int> cells;
        for (const UndoEntry& e : s.undo) {
            const int number = (e.Y - 1) * s.maxX + e.X;
            if (s.cells[static_cast<std::size_t>(number - 1)] != 0 || !cells.insert(number).second) {
                return {KeptRoundProblemKind::UndoCellNotEmpty, {}, {e.X, e.Y}};
            }
        }
    }
    return {};
}

} // namespace daz
