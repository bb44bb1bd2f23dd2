#pragma once

#include "platform/Clock.h"

namespace daz::testing {

class FakeClock final : public platform::Clock {
public:
    double SecondsSinceMidnight() const override { return seconds; }
    double seconds = 12 * 3600.0;
};

} // namespace daz::testing
