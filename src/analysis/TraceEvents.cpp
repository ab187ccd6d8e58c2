#include "analysis/TraceEvents.h"

#include "analysis/EdgeSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace analysis {

namespace {

// How far the launch pulse must stand out of the noise of the smoothed
// trace, in its standard deviations; an edge must take the trace as far off
// the last echo's background to be an echo of its own.
constexpr double kStandOut = 4.5;
// Nothing smaller than this many levels is reported, however quiet the line.
constexpr double kSmallestEcho = 2.5;
// Rounding to whole levels alone leaves this much noise.
constexpr double kQuantisation = 0.3;
// Width of the moving average the launch pulse is read on.
constexpr int kSearchWidth = 5;
// How far an edge must stand out of the noise of its own step, in standard
// deviations: windows of many widths are tried at every sample.
constexpr double kEdgeStandOut = 6.0;
// The widest window: wider pulses are found by their edges all the same.
constexpr int kWidestWindow = 64;
// A rise's shape, from how long it takes from a tenth to a quarter of its
// height against from a quarter to a half: 0.6 for a straight one, 0.77 for
// a raised cosine. The two feet are blended between bounds a little below
// those, where the noise puts measured rises more often. A straight
// rise's foot lies two thirds of its tenth-to-quarter time before its tenth,
// but for the half sample the three-sample average leads it by. The first
// sample off the line is the one after the foot, and the average starts a
// rise one sample early.
constexpr double kStraightRatio = 0.55, kCosineRatio = 0.7;
constexpr double kStraightReach = 0.667, kStraightLead = 0.5;
constexpr int kFootOffset = 2;
// An echo that reflects this share of the strongest one, last along the
// line, is where the line ends.
constexpr double kEndShare = 0.5;
// Echoes after the line's end are its re-reflections, this share of it at most.
constexpr double kGhostShare = 0.3;

double medianOf(std::vector<double>& v) {
    if (v.empty()) return 0;
    const auto mid = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

// Standard deviation of white noise from the second differences, leaving
// out the largest fifth of them: echoes and the launch pulse bend the trace
// at few samples. A median would do, were the samples not whole levels: its
// steps of one level are as large as the noise itself.
// Only samples within `band` of `level` count, so that a second pass leaves
// the echoes out.
double noiseOf(const std::vector<int>& x, double level, double band) {
    std::vector<double> d;
    d.reserve(x.size());
    const auto quiet = [&](size_t i) { return std::abs(x[i] - level) <= band; };
    for (size_t i = 2; i < x.size(); ++i)
        if (quiet(i) && quiet(i - 1) && quiet(i - 2))
            d.push_back(std::abs(double(x[i]) - 2.0 * x[i - 1] + double(x[i - 2])));
    if (d.empty()) return 0;
    const auto kept = d.begin() + std::ptrdiff_t(std::max<size_t>(d.size() * 4 / 5, 1));
    std::nth_element(d.begin(), kept - 1, d.end());
    double sum = 0;
    for (auto it = d.begin(); it != kept; ++it) sum += *it * *it;
    const double rms = std::sqrt(sum / double(kept - d.begin()));
    // The central 80 % of a normal distribution holds 0.662 of its spread;
    // a second difference has sqrt(6) times a sample's.
    return rms / 0.662 / std::sqrt(6.0);
}

// The level of the quiet line: the one most samples lie near. The median
// would be pulled by strong, wide echoes; full-scale samples are clipped
// echoes or the launch pulse, never the line.
double baselineOf(const std::vector<int>& x, double noise) {
    std::array<int, 256> count{};
    for (int v : x)
        if (v > -128 && v < 127) ++count[size_t(v + 128)];
    const int reach = std::max(1, int(std::lround(2 * noise)));
    int best = -1, bestSum = 0;
    for (int c = 0; c < 256; ++c) {
        int sum = 0;
        for (int k = std::max(0, c - reach); k <= std::min(255, c + reach); ++k) sum += count[size_t(k)];
        if (sum > bestSum) bestSum = sum, best = c;
    }
    if (best < 0) {
        std::vector<double> all(x.begin(), x.end());
        return medianOf(all);
    }
    std::vector<double> near;
    for (int v : x)
        if (std::abs(v - (best - 128)) <= reach) near.push_back(v);
    return medianOf(near);
}

// Centred moving average of width `w` (odd), shorter at the ends.
std::vector<double> smoothed(const std::vector<int>& x, int w, double baseline) {
    const int n = int(x.size());
    const int h = w / 2;
    std::vector<double> prefix(size_t(n) + 1, 0.0);
    for (int i = 0; i < n; ++i) prefix[size_t(i) + 1] = prefix[size_t(i)] + x[size_t(i)] - baseline;
    std::vector<double> y(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int a = std::max(0, i - h), b = std::min(n, i + h + 1);
        y[size_t(i)] = (prefix[size_t(b)] - prefix[size_t(a)]) / (b - a);
    }
    return y;
}

// Where, going back from `from` to `floor`, the residual r (signed by
// `sign`) last rises through `level`; interpolated between samples.
double crossingBefore(const std::vector<double>& r, int from, int floor, double level, int sign) {
    for (int i = from; i > floor; --i) {
        const double a = sign * r[size_t(i - 1)], b = sign * r[size_t(i)];
        if (a < level && b >= level) return i - 1 + (level - a) / (b - a);
    }
    return floor;
}

// The launch pulse: where its fall is over, how wide it is at half its
// height and how long it takes to fall.
struct Launch {
    int end = 0, width = 0, fall = 0;
};

std::optional<Launch> launchOf(const std::vector<double>& y, double threshold) {
    const int n = int(y.size());
    if (std::abs(y[0]) <= threshold) return std::nullopt;
    const int sign = y[0] > 0 ? 1 : -1;
    double top = 0;
    int i = 0;
    for (; i < n && sign * y[size_t(i)] > 0.5 * top; ++i) top = std::max(top, sign * y[size_t(i)]);
    int t90 = i;
    while (t90 > 0 && sign * y[size_t(t90 - 1)] < 0.9 * top) --t90;
    Launch l;
    l.width = i;
    l.fall = std::max(1, i - t90);
    // A fall mirrors about its half-height point: it is over as far after it
    // as twice its upper part took.
    l.end = std::min(n, i + 2 * l.fall);
    return l;
}

// An echo's rise above the line an edge fitted before it: its peak, its
// height and where its foot lies.
struct Rise {
    int peak = 0;
    double height = 0, foot = 0;
};

Rise riseOf(const std::vector<double>& z, const EdgeSearch::Edge& e, int sign, int n) {
    const int lo = e.fitFrom, hi = std::min(n, e.at + 2 * e.width + 2);
    std::vector<double> r(size_t(hi - lo));
    for (int k = lo; k < hi; ++k) r[size_t(k - lo)] = z[size_t(k)] - e.lineAt(k);
    Rise out;
    int peak = e.at - lo;
    for (int k = e.at - lo; k < hi - lo; ++k)
        if (sign * r[size_t(k)] > sign * r[size_t(peak)]) peak = k;
    out.peak = peak + lo;
    out.height = sign * r[size_t(peak)];
    if (!(out.height > 0)) {
        out.foot = e.at;
        return out;
    }
    // A rise that curves up from the line like a raised cosine has its foot
    // as far before its quarter-height point as its three-quarter point lies
    // after it; a straight one (a sharp pulse, or the sharp front a lossy
    // line leaves before its slow part) is extrapolated from its lower part.
    // How far that lower part reaches against the next tells which.
    const double t75 = crossingBefore(r, peak, 0, 0.75 * out.height, sign);
    const double t50 = crossingBefore(r, int(std::ceil(t75)), 0, 0.5 * out.height, sign);
    const double t25 = crossingBefore(r, int(std::ceil(t50)), 0, 0.25 * out.height, sign);
    const double t10 = crossingBefore(r, int(std::ceil(t25)), 0, 0.1 * out.height, sign);
    const double ratio = t50 > t25 ? (t25 - t10) / (t50 - t25) : 0;
    const double curved = std::clamp((ratio - kStraightRatio) / (kCosineRatio - kStraightRatio), 0.0, 1.0);
    out.foot =
        lo + curved * (2 * t25 - t75) + (1 - curved) * (t10 - kStraightReach * (t25 - t10) + kStraightLead);
    return out;
}

} // namespace

EventList detectEvents(const trace::StoredTrace& trace, double pr) {
    EventList out;
    const std::vector<int>& x = trace.samples;
    const int n = int(x.size());
    if (n < kSearchWidth) return out;
    if (!(pr > 0) || !std::isfinite(pr)) pr = 1.5;

    const double rough = std::max(noiseOf(x, 0, 1e9), kQuantisation);
    const double baseline = baselineOf(x, rough);
    out.noise = std::max(noiseOf(x, baseline, 4 * rough), kQuantisation);
    const double threshold = std::max(kStandOut * out.noise / std::sqrt(double(kSearchWidth)), kSmallestEcho);
    const std::vector<double> y = smoothed(x, kSearchWidth, baseline);

    // The launch pulse fills the first samples; the line is readable from
    // where its fall is over. Its width bounds the windows an echo needs.
    int from = 0;
    const std::optional<Launch> launch = launchOf(y, threshold);
    if (launch) {
        from = launch->end;
        if (from >= n) return out;
        out.events.push_back({EventKind::LaunchEnd, from, 0, 0});
    }
    out.baseline = int(std::lround(baseline));

    const int widest = launch ? std::clamp(launch->width, 2, kWidestWindow) : kWidestWindow;
    const EdgeSearch edges(x, baseline, out.noise, widest);
    const std::vector<double> z = smoothed(x, 3, baseline);
    // An echo's own trailing edge and re-reflections of its pulse lie within
    // a launch pulse's width after it.
    const int echoLength = launch ? launch->width + 2 * launch->fall : 0;

    int quiet = from;
    std::optional<EdgeSearch::Edge> last; // the last echo's edge, for its background line
    int lastEnd = 0;
    for (int i = from; i < n;) {
        EdgeSearch::Edge e = edges.at(i, quiet);
        if (std::abs(e.z) < kEdgeStandOut || std::abs(e.step) < kSmallestEcho) {
            ++i;
            continue;
        }
        // The strongest window of this edge, as long as it keeps its sign.
        const int sign = e.z > 0 ? 1 : -1;
        for (int k = i + 1; k < n; ++k) {
            const EdgeSearch::Edge f = edges.at(k, quiet);
            if (sign * f.z < kEdgeStandOut) break;
            if (sign * f.z > sign * e.z) e = f;
        }
        // Its height above the line the trace followed before it; the line
        // is fitted again to what lies before the rise's foot, which the
        // edge's own fit may have reached into.
        Rise rise = riseOf(z, e, sign, n);
        const int before = std::max(e.fitFrom, int(std::floor(rise.foot)) - 1);
        if (before - e.fitFrom >= 3) {
            const EdgeSearch::Edge refit = edges.lineOver(e.fitFrom, before);
            e.level = refit.lineAt(e.at);
            e.slope = refit.slope;
            rise = riseOf(z, e, sign, n);
        }
        const int peak = rise.peak;
        const double height = rise.height;
        int end = peak;
        while (end < n - 1 && end < peak + 4 * e.width + echoLength &&
               sign * (z[size_t(end)] - e.lineAt(end)) > 0.5 * height)
            ++end;
        end = std::min(n, std::max(end + 2 * e.width, e.at + echoLength));
        // An edge that only brings the trace back to the level the last echo
        // rose from is that echo's end, not another one. The level, not its
        // line: a short fit's slope carries no further than its own length.
        const bool back =
            last && i < lastEnd + echoLength && sign * (z[size_t(peak)] - last->level) < threshold;
        if (!back && height >= kSmallestEcho) {
            const int start = std::clamp(int(std::floor(rise.foot)) + kFootOffset, e.fitFrom, peak);
            if (out.events.empty() || start > out.events.back().sample) {
                out.events.push_back({EventKind::Reflection, start, 0, sign * int(std::lround(height))});
                last = e;
                lastEnd = end;
            }
        }
        quiet = end;
        i = end;
    }

    // The line ends at the last echo that is among the strongest, when all
    // after it are as faint as its re-reflections.
    int strongest = 0, after = 0;
    for (const TraceEvent& e : out.events)
        if (e.kind == EventKind::Reflection) strongest = std::max(strongest, std::abs(e.amplitude));
    for (auto e = out.events.rbegin(); e != out.events.rend() && e->kind == EventKind::Reflection; ++e) {
        if (std::abs(e->amplitude) >= kEndShare * strongest) {
            if (after <= kGhostShare * std::abs(e->amplitude)) e->kind = EventKind::EndOfLine;
            break;
        }
        after = std::max(after, std::abs(e->amplitude));
    }

    for (TraceEvent& e : out.events) e.metres = trace.metresAt(e.sample, pr);
    return out;
}

} // namespace analysis
