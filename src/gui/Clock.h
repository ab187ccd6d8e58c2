#pragma once
#include "gui/Timer.h"

#include <cstdint>
#include <memory>

namespace gui {

// Makes the timers of the exchange and of the windows, so that tests can run them on a clock they advance.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTimeout) = 0;
    // Milliseconds since an arbitrary start, never going back: the progress measures its rate on it.
    virtual std::int64_t now() const = 0;
};

} // namespace gui
