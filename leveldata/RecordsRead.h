#pragma once

#include <map>
#include <vector>

#include <QSqlDatabase>
#include <QString>

#include "Records.h"

namespace daz::records {

// The best `limit` results of a level in a mode, timed or untimed, as the
// store holds them, fastest first; what the schema does not allow is left
// out.
std::vector<Result> ReadBest(const QSqlDatabase& db, const QString& levelPath, int mode, int limit, bool untimed);

// Each level's best time in a mode, timed or untimed, as the store holds
// it; levels and times the schema does not allow are left out.
std::map<QString, int> ReadBestTimes(const QSqlDatabase& db, int mode, bool untimed);

} // namespace daz::records
