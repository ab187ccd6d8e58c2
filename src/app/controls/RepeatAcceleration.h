#pragma once
#include "app/controls/RepeatTimer.h"

namespace app::controls {

// cngTimeout: while a cursor or PR button is held, RepeatStep grows by one
// every 500 ms; releasing the button sets it back to 1.
class RepeatAcceleration {
public:
    static constexpr int kInterval = 500;

    explicit RepeatAcceleration(gui::Clock& clock);

    void start() { cngTimeout.start(); }
    void release();

    RepeatTimer cngTimeout;
    int repeatStep = 1; // RepeatStep
};

} // namespace app::controls
