#include "GameState.h"

#include <algorithm>

#include "leveldata/Formats.h"

namespace daz {

static_assert(kLargestShownScore == kHighestScore, "the score read is the score the display shows");

const ModeRules& RulesFor(int gameMode)
{
    static constexpr std::array<ModeRules, kModeCount> kModes{{
        {10, 3010, 9, 9, 9, FollowUp::TimeBonus},
        {20, 3020, 6, 6, 6, FollowUp::DeadBoardTest},
        {10, 3010, 0, 3, 3, FollowUp::SlideDownAndTest},
        {50, 2990, 0, 9, 3, FollowUp::RandomSlideAndRefill},
    }};
    static constexpr ModeRules kUnknown{0, 3000, 0, 0, 0, FollowUp::Nothing};
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

int RankOf(std::int64_t score)
{
    // Thresholds double from 100; the first rank the score falls short of
    // the next threshold wins.
    int rank = 0;
    for (std::int64_t threshold = 100; rank + 1 < kRankCount && score >= threshold; threshold *= 2) {
        ++rank;
    }
    return rank;
}

ScoreDisplay ShowScore(std::int64_t score)
{
    ScoreDisplay display;
    std::int64_t shown = std::clamp<std::int64_t>(score, 0, kLargestShownScore);
    for (int& digit : display.digit) {
        digit = static_cast<int>(shown % 10);
        shown /= 10;
    }
    display.rank = RankOf(score);
    return display;
}

} // namespace daz
