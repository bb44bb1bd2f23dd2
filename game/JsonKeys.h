#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace daz {

// The first key that an object of the JSON text names twice, as JSON reads
// it (QJsonDocument keeps the last one without a word); nothing when none.
// The text is valid JSON, so only its strings need care.
std::optional<QString> DuplicatedKey(const QByteArray& text);

} // namespace daz
