#pragma once

#include <map>
#include <vector>

#include "leveldata/Records.h"
#include "leveldata/RecordsSchema.h"

namespace daz::records {

// A write not yet in the store, kept in memory until a write succeeds: an
// event (kind 1 dealt, 2 cleared, 3 timed out) with its level, mode,
// seconds, date and whether untimed in result, which for a clear is the
// whole result.
struct Pending {
    int kind;
    Result result;
};

// What the store read, with what waits in memory: the best of a level in
// a mode (stored ones first among equals: they are older), the best time
// of each level, a mode's totals; of timed play, or of untimed.
void AddBest(std::vector<Result>& best, const std::vector<Pending>& pending, const QString& levelPath, int mode,
             int limit, bool untimed);
void AddBestTimes(std::map<QString, int>& times, const std::vector<Pending>& pending, int mode, bool untimed);
void AddTotals(Totals& totals, const std::vector<Pending>& pending, int mode, bool untimed);

} // namespace daz::records
