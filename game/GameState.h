#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QString>

namespace daz {

// The four game modes, as the mode chooser and the mode menu number them.
enum class FollowUp {
    TimeBonus,            // the pair's time goes back on the bar
    DeadBoardTest,        // reshuffle when no move is left, then the bonus
    SlideDownAndTest,     // tiles fall, then the test and the bonus
    RandomSlideAndRefill, // full bar, tiles slide in a random direction, then the test
    Nothing,
};

// A mode's caption and its few words are the presentation's
// (presentation/GameTexts.h); the rules are numbers.
struct ModeRules {
    std::int16_t timeStep; // taken per clock tick, given back per pair
    float timeAfterDeal;   // the bar's width once the level is dealt
    int undoLeft;
    int hintLeft;
    std::int16_t shuffleLeft;
    FollowUp followUp;
};

inline constexpr int kModeCount = 4;

// The rules of mode 1 … 4; any other number gets a mode that does nothing
// after a removal (so a corrupt mode can never make the game misbehave).
const ModeRules& RulesFor(int gameMode);

// The switch of the background music remembers the text it was read as
// ("True", "-1", …) until the player toggles it; it is saved back in the
// form it then has.
struct MusicSwitch {
    bool on = true;
    QString storedText; // empty once the player has toggled the switch

    QString TextToSave() const;
    void Set(bool value)
    {
        on = value;
        storedText.clear();
    }
};

// Undo and hint cost 2 points, a shuffle 10.
inline constexpr int kUndoCost = 2;
inline constexpr int kHintCost = 2;
inline constexpr int kShuffleCost = 10;

// A tool may be used while its counter is at least 1 and paying for it
// leaves the score at 0 or more.
bool CanAffordTool(int counterLeft, std::int64_t score, int cost);

// The player's rank: 0 below 100 points, one more each time the score
// doubles from there, kRankCount - 1 at most.
inline constexpr int kRankCount = 18;
int RankOf(std::int64_t score);

// What the score display shows: digit[p] is the digit of picture p of the
// eight (0 = units … 7 = ten millions), rank the rank the title names.
struct ScoreDisplay {
    std::array<int, 8> digit{};
    int rank = 0;
};

inline constexpr std::int64_t kLargestShownScore = 99'999'999;

// The score after winning (delta > 0) or paying (delta < 0) points. The
// score stays within 0 … kLargestShownScore: a sum stops at the bound it
// reaches, and nothing overflows whatever score it starts from.
std::int64_t ChangedScore(std::int64_t score, int delta);

// Scores beyond eight digits show as 99999999; a negative stored score
// shows as 0 (the title still follows the real score).
ScoreDisplay ShowScore(std::int64_t score);

} // namespace daz
