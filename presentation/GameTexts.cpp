#include "GameTexts.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>

#include "game/GameState.h"

namespace daz {
namespace {

// The context of these words for translators: "GameTexts".
class Words {
    Q_DECLARE_TR_FUNCTIONS(GameTexts)
};

QString TwoDigits(std::int64_t n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

constexpr std::array<const char*, kRankCount> kRankTitles{
    QT_TRANSLATE_NOOP("GameTexts", "１．小星星"),     QT_TRANSLATE_NOOP("GameTexts", "２．摩羯座"),
    QT_TRANSLATE_NOOP("GameTexts", "３．水瓶座"),     QT_TRANSLATE_NOOP("GameTexts", "４．双鱼座"),
    QT_TRANSLATE_NOOP("GameTexts", "５．白羊座"),     QT_TRANSLATE_NOOP("GameTexts", "６．金牛座"),
    QT_TRANSLATE_NOOP("GameTexts", "７．双子座"),     QT_TRANSLATE_NOOP("GameTexts", "８．巨蟹座"),
    QT_TRANSLATE_NOOP("GameTexts", "９．狮子座"),     QT_TRANSLATE_NOOP("GameTexts", "１０．处女座"),
    QT_TRANSLATE_NOOP("GameTexts", "１１．天秤座"),   QT_TRANSLATE_NOOP("GameTexts", "１２．天蝎座"),
    QT_TRANSLATE_NOOP("GameTexts", "１３．射手座"),   QT_TRANSLATE_NOOP("GameTexts", "１４．对对星座"),
    QT_TRANSLATE_NOOP("GameTexts", "１５．月亮座"),   QT_TRANSLATE_NOOP("GameTexts", "１６．太阳座"),
    QT_TRANSLATE_NOOP("GameTexts", "１７．火眼金睛"), QT_TRANSLATE_NOOP("GameTexts", "１８．神眼"),
};

struct ModeWords {
    const char* caption;
    const char* summary;
};

constexpr std::array<ModeWords, kModeCount> kModeWords{{
    {QT_TRANSLATE_NOOP("GameTexts", "简单模式"), QT_TRANSLATE_NOOP("GameTexts", "图案相同就能消除")},
    {QT_TRANSLATE_NOOP("GameTexts", "正常模式"), QT_TRANSLATE_NOOP("GameTexts", "三段以内的直线连通才能消除")},
    {QT_TRANSLATE_NOOP("GameTexts", "挑战模式"), QT_TRANSLATE_NOOP("GameTexts", "消除后上面的牌往下落")},
    {QT_TRANSLATE_NOOP("GameTexts", "极限模式"),
     QT_TRANSLATE_NOOP("GameTexts", "消除后牌随机滑向一边，每对限时 60 秒")},
}};

const ModeWords* WordsOfMode(int mode)
{
    return mode >= 1 && mode <= kModeCount ? &kModeWords[static_cast<std::size_t>(mode - 1)] : nullptr;
}

} // namespace

QString DurationText(std::int64_t seconds)
{
    seconds = std::max<std::int64_t>(0, seconds);
    if (seconds < 60) {
        return Words::tr("%1秒").arg(seconds);
    }
    if (seconds < 3600) {
        return Words::tr("%1分%2秒").arg(seconds / 60).arg(TwoDigits(seconds % 60));
    }
    return Words::tr("%1小时%2分%3秒")
        .arg(seconds / 3600)
        .arg(TwoDigits(seconds / 60 % 60))
        .arg(TwoDigits(seconds % 60));
}

QString RankTitle(int rank)
{
    return Words::tr(kRankTitles[static_cast<std::size_t>(std::clamp(rank, 0, kRankCount - 1))]);
}

QString InitialRankTitle()
{
    return Words::tr("小星星");
}

QString ModeCaption(int mode)
{
    const ModeWords* words = WordsOfMode(mode);
    return words ? Words::tr(words->caption) : QString();
}

QString ModeSummary(int mode)
{
    const ModeWords* words = WordsOfMode(mode);
    return words ? Words::tr(words->summary) : QString();
}

QString ClearNoteText(const ClearResult& result)
{
    const QString time = Words::tr("用时 ") + DurationText(result.seconds);
    if (!result.storing) {
        return time;
    }
    if (!result.place) {
        return time + Words::tr(" · 成绩未能保存");
    }
    if (*result.place == 1) {
        return time + Words::tr(" · 新纪录！");
    }
    return time + Words::tr(" · 本关第%1名").arg(*result.place);
}

QString PictureNamesLanguage()
{
    return Words::tr("zh", "the language code of this translation: the section of a level's pictures.ini read for it");
}

QString PictureName(const PictureNames& names, int picture)
{
    const QString name = names.Of(PictureNamesLanguage(), picture);
    return name.isEmpty() ? Words::tr("图案 %1").arg(picture) : name;
}

} // namespace daz
