#pragma once

namespace store {
class MainState;
}

namespace trace {

class ChartSet;

// The "Approximation" toggle (btAproks, mnAproks): straight segments when its
// tag is 0, stairs when 1. It changes the line style of every slot of all four
// charts and does not redraw.
class LineStyle {
public:
    static void btAproksClick(store::MainState& state, const ChartSet& charts);
    // Whether mnAproks shows its check mark.
    static bool aproksChecked(const store::MainState& state);
};

} // namespace trace
