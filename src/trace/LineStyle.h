#pragma once

namespace trace {

class ChartSet;

// The "Approximation" toggle (btAproks, mnAproks): straight segments when its
// tag is 0, stairs when 1. It changes the line style of every slot of all four
// charts and does not redraw.
class LineStyle {
public:
    static void btAproksClick(int& aproksTag, const ChartSet& charts);
};

} // namespace trace
