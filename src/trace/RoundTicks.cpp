#include "trace/RoundTicks.h"

#include <algorithm>
#include <cmath>

namespace trace {

namespace {
// Finer than a millimetre or a thousandth of a unit says nothing on a chart.
constexpr int kMaxDecimals = 3;
} // namespace

RoundTicks RoundTicks::forSpan(double span, int maxIntervals) {
    RoundTicks t;
    if (!std::isfinite(span) || span <= 0) return t;
    const double raw = span / std::max(maxIntervals, 1);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        // A hair of tolerance, so that 2.0000000001 × 10^n still counts as 2 × 10^n.
        if (m * decade >= raw * (1 - 1e-9)) {
            t.step = m * decade;
            break;
        }
    }
    t.decimals = std::clamp(-int(std::floor(std::log10(t.step) + 1e-9)), 0, kMaxDecimals);
    return t;
}

} // namespace trace
