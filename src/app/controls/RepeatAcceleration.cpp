#include "app/controls/RepeatAcceleration.h"

#include "store/MainState.h"

namespace app::controls {

RepeatAcceleration::RepeatAcceleration(store::MainState& state, exchange::Clock& clock)
    : cngTimeout(clock, Interval), state_(state) {
    cngTimeout.onTimer = [this] { ++state_.repeatStep; };
}

void RepeatAcceleration::release() {
    cngTimeout.stop();
    state_.repeatStep = 1;
}

} // namespace app::controls
