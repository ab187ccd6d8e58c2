#pragma once

namespace store {
class MainState;
}

namespace trace {

class ChartSet;

// View presets that a change of the type entry applies before the first redraw.
class TypePresets {
public:
    // "KMX-417": commands of the instrument exchange, zoom controls off (a plan
    // carries its own zoom), smallest range 250 m, plain stairs.
    static void SetPlanTypeMode(store::MainState& state, const ChartSet& charts);
    // "KMX-419": waveforms come from files, free zoom starting at 1, smallest
    // range 62.5 m, inverted stairs.
    static void SetWindowTypeMode(store::MainState& state, const ChartSet& charts);
};

} // namespace trace
