#pragma once

namespace store {
class ViewState;
}

namespace trace {

class ChartSet;

// View presets that a change of the type entry applies before the first redraw.
class TypePresets {
public:
    // "KMX-417": smallest range 250 m, plain stairs (a plan carries its own zoom).
    static void SetPlanTypeMode(store::ViewState& state, const ChartSet& charts);
    // "KMX-419": free zoom starting at 1, smallest range 62.5 m, inverted stairs.
    static void SetWindowTypeMode(store::ViewState& state, const ChartSet& charts);
};

} // namespace trace
