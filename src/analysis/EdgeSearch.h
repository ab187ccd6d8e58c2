#pragma once
#include <vector>

namespace analysis {

// Where a trace changes faster than its slow background: the mean of a
// short window set against the straight line fitted to the samples before
// it, at widths from one sample to a pulse's. A launch pulse's tail, the
// slow tail a lossy line leaves after each echo and a drifting baseline
// follow such a line closely; an echo's leading edge leaves it.
class EdgeSearch {
public:
    // `x` the samples less the baseline, `noise` their standard deviation,
    // `widest` the widest window tried.
    EdgeSearch(const std::vector<int>& x, double baseline, double noise, int widest);

    struct Edge {
        double z = 0;                // signed: the step over its standard deviation
        double step = 0;             // levels the window stands off the line
        int width = 0;               // of the window after `at`
        int fitFrom = 0;             // the line is fitted to [fitFrom, at)
        double slope = 0, level = 0; // of that line: level at sample `at`
        double lineAt(double k) const { return level + slope * (k - at); }
        int at = 0;
    };

    // The strongest edge whose window starts at `at`, its line fitted to
    // samples at or after `quietFrom` only (what lies before belongs to an
    // earlier event); z = 0 when no window fits.
    Edge at(int at, int quietFrom) const;

    // The mean of the samples in [from, to), held to the trace.
    double mean(int from, int to) const;
    // The straight line fitted to [from, to), as an edge's.
    Edge lineOver(int from, int to) const;

private:
    std::vector<double> sum_, moment_; // prefix sums of x and of k * x
    double noise_ = 0;
    std::vector<int> widths_;
};

} // namespace analysis
