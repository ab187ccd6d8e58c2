#include "app/controls/RepeatAcceleration.h"

namespace app::controls {

RepeatAcceleration::RepeatAcceleration(gui::Clock& clock)
    : cngTimeout(clock, kInterval, [this] { ++repeatStep; }) {}

void RepeatAcceleration::release() {
    cngTimeout.stop();
    repeatStep = 1;
}

} // namespace app::controls
