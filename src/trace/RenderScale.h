#pragma once

namespace trace {

// Where the last redraw put the samples, in the renderers' own units: the
// "KMX-417" plan's step and start, the "KMX-419" window's step and start.
// The cursor conversions read it; 0 steps mean nothing has been drawn.
struct RenderScale {
    int planStep = 0;
    int planStart = 0;
    double planStepPR = 0;
    double windowStep = 0;
    double windowStart = 0;
};

} // namespace trace
