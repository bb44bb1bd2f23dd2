#pragma once

#include <vector>

#include <QSqlDatabase>
#include <QString>

#include "Records.h"

namespace daz::records {

// The best `limit` results of a level in a mode as the store holds them,
// fastest first; what the schema does not allow is left out.
std::vector<Result> ReadBest(const QSqlDatabase& db, const QString& levelPath, int mode, int limit);

} // namespace daz::records
