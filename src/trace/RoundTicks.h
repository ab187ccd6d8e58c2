#pragma once

namespace trace {

// Axis ticks at round values: a step of 1, 2 or 5 × 10^n, with as many
// decimals as the step needs.
struct RoundTicks {
    double step = 0;
    int decimals = 0;

    // The smallest round step that puts at most maxIntervals intervals on the
    // span; a step of 0 when the span is empty or not finite.
    static RoundTicks forSpan(double span, int maxIntervals);
};

} // namespace trace
