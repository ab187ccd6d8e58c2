#pragma once
#include "gui/Clock.h"

#include <functional>
#include <memory>

namespace app::controls {

// A repeating timer of the trace controls: once started it fires every
// interval until stopped. Changing the interval of a running timer restarts
// it with the new interval, so a tick that shortens it (500 ms, then 100 ms)
// takes effect from that tick on. It runs on a clock, so tests advance time
// instead of waiting.
class RepeatTimer {
public:
    RepeatTimer(gui::Clock& clock, int interval, std::function<void()> onTimer);

    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void start();
    void stop();
    bool isActive() const { return timer_->isActive(); }

private:
    std::function<void()> onTimer_;
    std::unique_ptr<gui::Timer> timer_;
    int interval_;
};

} // namespace app::controls
