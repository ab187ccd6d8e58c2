#pragma once
#include "app/controls/RepeatTimer.h"

namespace store {
class MainState;
}

namespace app::controls {

// cngTimeout: while a cursor or PR button is held, RepeatStep grows by one
// every 500 ms; releasing the button sets it back to 1.
class RepeatAcceleration {
public:
    static constexpr int Interval = 500;

    RepeatAcceleration(store::MainState& state, exchange::Clock& clock);

    void start() { cngTimeout.start(); }
    void release();

    RepeatTimer cngTimeout;

private:
    store::MainState& state_;
};

} // namespace app::controls
