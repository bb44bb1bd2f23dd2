#include "GameState.h"

#include <algorithm>

#include "leveldata/Formats.h"

namespace daz {

static_assert(kLargestShownScore == kHighestScore, "the score read is the score the display shows");

const ModeRules& RulesFor(int gameMode)
{
    static constexpr std::array<ModeRules, kModeCount> kModes{{
        {"简单模式", 10, 3010, 9, 9, 9, FollowUp::TimeBonus, "图案相同就能消除"},
        {"正常模式", 20, 3020, 6, 6, 6, FollowUp::DeadBoardTest, "三段以内的直线连通才能消除"},
        {"挑战模式", 10, 3010, 0, 3, 3, FollowUp::SlideDownAndTest, "消除后上面的牌往下落"},
        {"极限模式", 50, 2990, 0, 9, 3, FollowUp::RandomSlideAndRefill, "消除后牌随机滑向一边，每对限时 60 秒"},
    }};
    static constexpr ModeRules kUnknown{"", 0, 3000, 0, 0, 0, FollowUp::Nothing, ""};
    if (gameMode < 1 || gameMode > kModeCount) {
        return kUnknown;
    }
    return kModes[static_cast<std::size_t>(gameMode - 1)];
}

QString MusicSwitch::TextToSave() const
{
    if (!storedText.isEmpty()) {
        return storedText;
    }
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

bool CanAffordTool(int counterLeft, std::int64_t score, int cost)
{
    return counterLeft >= 1 && score >= cost;
}

std::int64_t ChangedScore(std::int64_t score, int delta)
{
    // Both terms are small once the score is within its bounds.
    const std::int64_t from = std::clamp<std::int64_t>(score, 0, kLargestShownScore);
    return std::clamp<std::int64_t>(from + delta, 0, kLargestShownScore);
}

QString RankTitle(std::int64_t score)
{
    // Thresholds double from 100; the first row the score reaches wins.
    static const std::array<const char*, 18> kTitles{
        "１．小星星",   "２．摩羯座",     "３．水瓶座",   "４．双鱼座",   "５．白羊座",     "６．金牛座",
        "７．双子座",   "８．巨蟹座",     "９．狮子座",   "１０．处女座", "１１．天秤座",   "１２．天蝎座",
        "１３．射手座", "１４．对对星座", "１５．月亮座", "１６．太阳座", "１７．火眼金睛", "１８．神眼",
    };
    std::size_t rank = 0;
    for (std::int64_t threshold = 100; rank + 1 < kTitles.size() && score >= threshold; threshold *= 2) {
        ++rank;
    }
    return QString::fromUtf8(kTitles[rank]);
}

ScoreDisplay ShowScore(std::int64_t score)
{
    ScoreDisplay display;
    std::int64_t shown = std::clamp<std::int64_t>(score, 0, kLargestShownScore);
    for (std::size_t p = 1; p <= 8; ++p) {
        display.digit[p] = static_cast<int>(shown % 10);
        shown /= 10;
    }
    display.title = RankTitle(score);
    return display;
}

} // namespace daz
