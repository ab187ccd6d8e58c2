#pragma once
#include "exchange/Clock.h"

namespace exchange {

// Timers on QTimer, for the running program.
class QtClock final : public Clock {
public:
    std::unique_ptr<Timer> createTimer(std::function<void()> onTimeout) override;
};

} // namespace exchange
