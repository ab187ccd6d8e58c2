#include "analysis/EdgeSearch.h"

#include <algorithm>
#include <cmath>

namespace analysis {

namespace {

// The line is fitted to this many window widths before the window, where
// they are quiet; fewer than the least would make a steep tail an edge.
constexpr int kFitWidths = 8;
constexpr int kLeastFitWidths = 3;
constexpr int kLeastLevel = 3;

} // namespace

EdgeSearch::EdgeSearch(const std::vector<int>& x, double baseline, double noise, int widest)
    : sum_(x.size() + 1, 0.0), moment_(x.size() + 1, 0.0), noise_(noise) {
    for (size_t k = 0; k < x.size(); ++k) {
        const double v = x[k] - baseline;
        sum_[k + 1] = sum_[k] + v;
        moment_[k + 1] = moment_[k] + double(k) * v;
    }
    for (int w = 1; w <= std::max(widest, 1); w = w < 4 ? w + 1 : w * 3 / 2) widths_.push_back(w);
}

double EdgeSearch::mean(int from, int to) const {
    from = std::max(from, 0);
    to = std::min(to, int(sum_.size()) - 1);
    return to > from ? (sum_[size_t(to)] - sum_[size_t(from)]) / (to - from) : 0;
}

EdgeSearch::Edge EdgeSearch::lineOver(int from, int to) const {
    Edge e;
    e.at = to;
    e.fitFrom = from;
    const int b = to - from;
    if (b < 1) return e;
    const double m = (from + to - 1) / 2.0;
    const double s0 = sum_[size_t(to)] - sum_[size_t(from)];
    const double s1 = moment_[size_t(to)] - moment_[size_t(from)] - m * s0;
    const double kk = double(b) * (double(b) * b - 1) / 12.0;
    e.slope = b > 1 ? s1 / kk : 0;
    e.level = s0 / b + e.slope * (to - m);
    return e;
}

EdgeSearch::Edge EdgeSearch::at(int at, int quietFrom) const {
    Edge best;
    best.at = at;
    const int n = int(sum_.size()) - 1;
    for (int w : widths_) {
        if (at + w > n) break;
        const int b = std::min(kFitWidths * w, at - quietFrom);
        if (b < kLeastLevel || b < w) break;
        // Too few quiet samples for a slope: their level alone.
        const bool sloped = b >= kLeastFitWidths * w;
        const int from = at - b;
        // Least squares over [from, at), in k relative to the fit's centre.
        const double m = (from + at - 1) / 2.0;
        const double s0 = sum_[size_t(at)] - sum_[size_t(from)];
        const double s1 = moment_[size_t(at)] - moment_[size_t(from)] - m * s0;
        const double kk = double(b) * (double(b) * b - 1) / 12.0;
        const double slope = sloped ? s1 / kk : 0, mean = s0 / b;
        const double centre = at + (w - 1) / 2.0;
        const double after = (sum_[size_t(at + w)] - sum_[size_t(at)]) / w;
        const double step = after - (mean + slope * (centre - m));
        const double lever = sloped ? (centre - m) * (centre - m) / kk : 0;
        const double spread = noise_ * std::sqrt(1.0 / w + 1.0 / b + lever);
        const double z = step / spread;
        if (std::abs(z) > std::abs(best.z)) {
            best.z = z;
            best.step = step;
            best.width = w;
            best.fitFrom = from;
            best.slope = slope;
            best.level = mean + slope * (at - m);
        }
    }
    return best;
}

} // namespace analysis
