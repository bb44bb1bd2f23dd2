#pragma once

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

#include "leveldata/Records.h"

namespace daz::testing {

// The results in memory, ranked as the store ranks them: less time first,
// then more points, then the earlier. Counts the calls the windows make.
class FakeRecords final : public Records {
public:
    bool Keeping() const override { return keeping; }
    RecordsNotes Problem() const override { return {}; }

    void LevelStarted(const QString&, int mode, const QDateTime&, bool untimed = false) override
    {
        ++stats[Index(mode, untimed)].started;
    }
    void LevelTimedOut(const QString&, int mode, int seconds, const QDateTime&) override
    {
        ++stats[Index(mode)].timedOut;
        stats[Index(mode)].secondsPlayed += seconds;
        runs[Index(mode)] = 0;
    }
    std::optional<int> AddResult(const Result& result) override
    {
        results.push_back(result);
        const std::size_t at = Index(result.mode, result.untimed);
        ModeStatistics& s = stats[at];
        ++s.cleared;
        s.secondsPlayed += result.seconds;
        runs[at] += 1;
        s.longestRunOfClears = std::max(s.longestRunOfClears, runs[at]);
        const auto& all = Best(result.levelPath, result.mode, static_cast<int>(results.size()), result.untimed);
        return static_cast<int>(
                   std::find_if(all.begin(), all.end(),
                                [&](const Result& r) { return r.when == result.when && r.seconds == result.seconds; })
                   - all.begin())
               + 1;
    }

    std::vector<Result> Best(const QString& levelPath, int mode, int limit = 10, bool untimed = false) const override
    {
        ++bestCalls;
        std::vector<Result> found;
        for (const Result& r : results) {
            if (r.mode == mode && r.levelPath == levelPath && r.untimed == untimed) {
                found.push_back(r);
            }
        }
        const auto better = [](const Result& a, const Result& b) {
            return std::make_tuple(a.seconds, -a.points, a.when) < std::make_tuple(b.seconds, -b.points, b.when);
        };
        const auto keep = std::min(found.size(), static_cast<std::size_t>(std::max(0, limit)));
        std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(keep), found.end(), better);
        found.resize(keep);
        return found;
    }

    std::vector<std::pair<QString, int>> BestTimes(int mode, bool untimed = false) const override
    {
        std::map<QString, int> best;
        for (const Result& r : results) {
            if (r.mode != mode || r.untimed != untimed) {
                continue;
            }
            const auto [at, added] = best.emplace(r.levelPath, r.seconds);
            if (!added) {
                at->second = std::min(at->second, r.seconds);
            }
        }
        return {best.begin(), best.end()};
    }

    ModeStatistics Statistics(int mode, bool untimed = false) const override { return stats[Index(mode, untimed)]; }

    bool Clear() override
    {
        ++clears;
        if (!clearWorks) {
            return false;
        }
        results.clear();
        stats = {};
        runs = {};
        return true;
    }

    // Adds a result as a clear of that level would, without counting a start.
    void Add(const QString& levelPath, int mode, int seconds, std::int64_t points, const QString& player,
             const QDateTime& when, int undos = 0, int hints = 0, int shuffles = 0)
    {
        results.push_back({levelPath, mode, points, seconds, undos, hints, shuffles, when, player, {}, false});
    }

    bool keeping = true;
    bool clearWorks = true;
    int clears = 0;
    mutable int bestCalls = 0;
    std::vector<Result> results;
    std::array<ModeStatistics, 10> stats{}; // [1 … 4] timed, [6 … 9] untimed

private:
    static std::size_t Index(int mode, bool untimed = false)
    {
        return static_cast<std::size_t>(std::clamp(mode, 0, 4) + (untimed ? 5 : 0));
    }
    std::array<int, 10> runs{};
};

} // namespace daz::testing
