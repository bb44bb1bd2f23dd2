#include "RecordsMemory.h"

#include <algorithm>

namespace daz::records {

void AddBest(std::vector<Result>& best, const std::vector<Pending>& pending, const QString& levelPath, int mode,
             int limit, bool untimed)
{
    for (const Pending& p : pending) {
        if (p.kind == 2 && p.result.levelPath == levelPath && p.result.mode == mode && p.result.untimed == untimed) {
            best.push_back(p.result);
        }
    }
    std::stable_sort(best.begin(), best.end(), [](const Result& a, const Result& b) {
        return a.seconds < b.seconds || (a.seconds == b.seconds && a.points > b.points);
    });
    best.resize(std::min(best.size(), static_cast<std::size_t>(std::max(0, limit))));
}

void AddBestTimes(std::map<QString, int>& times, const std::vector<Pending>& pending, int mode, bool untimed)
{
    for (const Pending& p : pending) {
        if (p.kind != 2 || p.result.mode != mode || p.result.untimed != untimed) {
            continue;
        }
        const auto [at, added] = times.emplace(p.result.levelPath, p.result.seconds);
        at->second = std::min(at->second, p.result.seconds);
    }
}

void AddTotals(Totals& totals, const std::vector<Pending>& pending, int mode, bool untimed)
{
    for (const Pending& p : pending) {
        if (p.result.mode == mode && p.result.untimed == untimed) {
            Tally(totals, p.kind, p.result.seconds);
        }
    }
}

} // namespace daz::records
