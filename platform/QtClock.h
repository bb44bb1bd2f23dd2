#pragma once

#include "Clock.h"

namespace daz::platform {

class QtClock final : public Clock {
public:
    double SecondsSinceMidnight() const override;
};

} // namespace daz::platform
