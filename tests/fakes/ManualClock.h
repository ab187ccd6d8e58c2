#pragma once
#include "gui/Clock.h"

#include <cstdint>
#include <vector>

namespace exchange {

// A clock that moves only when told to: tests and benchmarks advance it, and the
// timers that fall due fire in order, each at its own time. Timers must not
// outlive the clock.
class ManualClock final : public gui::Clock {
public:
    ~ManualClock() override;

    std::unique_ptr<gui::Timer> createTimer(std::function<void()> onTimeout) override;

    std::int64_t now() const override { return now_; }
    // Moves time forward by `milliseconds`, firing every timer due meanwhile.
    void advance(std::int64_t milliseconds);
    // Moves to the next due timer and fires it; false when none is running.
    bool fireNext();
    // Milliseconds until the next due timer; -1 when none is running.
    std::int64_t untilNext() const;

private:
    class ManualTimer;
    ManualTimer* nextDue() const;

    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
    std::vector<ManualTimer*> timers_;
};

} // namespace exchange
