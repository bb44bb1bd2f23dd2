#pragma once

#include "Timer.h"

namespace daz::platform {

class QtTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<Timer> Create(const QString& name, int intervalMs) override;
};

} // namespace daz::platform
