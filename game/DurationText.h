#pragma once

#include <algorithm>
#include <cstdint>

#include <QString>

namespace daz {

// A time as the player reads it: "45秒", "1分23秒", "2小时05分07秒".
inline QString DurationText(std::int64_t seconds)
{
    seconds = std::max<std::int64_t>(0, seconds);
    const auto two = [](std::int64_t n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    if (seconds < 60)
        return QStringLiteral("%1秒").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1分%2秒").arg(seconds / 60).arg(two(seconds % 60));
    return QStringLiteral("%1小时%2分%3秒").arg(seconds / 3600).arg(two(seconds / 60 % 60)).arg(two(seconds % 60));
}

} // namespace daz
