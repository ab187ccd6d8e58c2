#include "analysis/TraceEvents.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace analysis {

namespace {

// How far an echo must stand out of the noise of the smoothed trace, in its
// standard deviations: rare enough on 8000 samples of pure noise.
constexpr double kStandOut = 4.5;
// Nothing smaller than this many levels is reported, however quiet the line.
constexpr double kSmallestEcho = 2.5;
// Rounding to whole levels alone leaves this much noise.
constexpr double kQuantisation = 0.3;
// Width of the moving average the search runs on.
constexpr int kSearchWidth = 5;
// Samples after the launch pulse's end within which its tail may still
// cross the threshold.
constexpr int kLaunchTail = 4 * kSearchWidth;
// ... as long as they stay below this many thresholds; an echo stands higher.
constexpr double kTailShare = 1.5;
// An echo that reflects this share of the strongest one, last along the
// line, is where the line ends.
constexpr double kEndShare = 0.5;

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

// Where, going back from `from` to `floor`, the edge z (signed by `sign`)
// last drops below `level`; interpolated between samples.
double crossingBefore(const std::vector<double>& z, int from, int floor, double level, int sign) {
    for (int i = from; i > floor; --i) {
        const double a = sign * z[size_t(i - 1)], b = sign * z[size_t(i)];
        if (a < level && b >= level) return i - 1 + (level - a) / (b - a);
    }
    return floor;
}

struct Run {
    int first = 0, last = 0, peak = 0, sign = 1;
};

} // namespace

EventList detectEvents(const trace::StoredTrace& trace, double pr) {
    EventList out;
    const std::vector<int>& x = trace.samples;
    const int n = int(x.size());
    if (n < kSearchWidth) return out;
    if (!(pr > 0) || !std::isfinite(pr)) pr = 1.5;

    const double rough = std::max(noiseOf(x, 0, 1e9), kQuantisation);
    double baseline = baselineOf(x, rough);
    out.noise = std::max(noiseOf(x, baseline, 4 * rough), kQuantisation);
    const double threshold = std::max(kStandOut * out.noise / std::sqrt(double(kSearchWidth)), kSmallestEcho);
    std::vector<double> y = smoothed(x, kSearchWidth, baseline);

    // The launch pulse fills the first samples; the line is readable from
    // where it has died away into the noise.
    int from = 0;
    if (std::abs(y[0]) > threshold) {
        const int sign = y[0] > 0 ? 1 : -1;
        while (from < n && std::abs(y[size_t(from)]) > threshold) ++from;
        // Its tail sinks through the threshold with the noise: weak stretches
        // of its own sign soon after belong to it, not to an echo.
        for (int i = from; i < n && i - from < kLaunchTail; ++i) {
            if (sign * y[size_t(i)] <= threshold) continue;
            int end = i;
            double top = 0;
            for (; end < n && sign * y[size_t(end)] > threshold; ++end)
                top = std::max(top, sign * y[size_t(end)]);
            if (top > kTailShare * threshold) break;
            from = i = end;
        }
        if (from >= n) return out;
        out.events.push_back({EventKind::LaunchEnd, from, 0, 0});
    }
    out.baseline = int(std::lround(baseline));

    std::vector<Run> runs;
    // The average is shorter, so noisier, on the last few samples.
    const int searched = n - kSearchWidth / 2;
    for (int i = from; i < searched;) {
        if (std::abs(y[size_t(i)]) <= threshold) {
            ++i;
            continue;
        }
        Run r{i, i, i, y[size_t(i)] > 0 ? 1 : -1};
        while (i < searched && r.sign * y[size_t(i)] > threshold) {
            if (r.sign * y[size_t(i)] > r.sign * y[size_t(r.peak)]) r.peak = i;
            r.last = i++;
        }
        // A noise dip inside one echo does not split it.
        if (!runs.empty() && runs.back().sign == r.sign && r.first - runs.back().last <= 2) {
            Run& prev = runs.back();
            if (r.sign * y[size_t(r.peak)] > r.sign * y[size_t(prev.peak)]) prev.peak = r.peak;
            prev.last = r.last;
        } else {
            runs.push_back(r);
        }
    }

    const std::vector<double> z = smoothed(x, 3, baseline);
    int floor = from;
    for (const Run& r : runs) {
        int peak = r.peak;
        for (int i = r.first; i <= r.last; ++i)
            if (r.sign * z[size_t(i)] > r.sign * z[size_t(peak)]) peak = i;
        const double height = r.sign * z[size_t(peak)];
        // An echo rises like a raised cosine: its foot lies as far before the
        // quarter-height point as the three-quarter point lies after it.
        const double t75 = crossingBefore(z, peak, floor, 0.75 * height, r.sign);
        const double t25 = crossingBefore(z, int(std::ceil(t75)), floor, 0.25 * height, r.sign);
        const double foot = 2 * t25 - t75;
        // The three-sample average starts a rise one sample early; the first
        // sample off the baseline is the one after the foot.
        const int start = std::clamp(int(std::floor(foot)) + 2, floor, peak);
        floor = r.last;
        // Two bumps of one echo must not be told as two events at one place.
        if (!out.events.empty() && start <= out.events.back().sample) continue;
        out.events.push_back({EventKind::Reflection, start, 0, r.sign * int(std::lround(height))});
    }

    // The line ends at the last echo that is among the strongest.
    int strongest = 0;
    for (const TraceEvent& e : out.events)
        if (e.kind == EventKind::Reflection) strongest = std::max(strongest, std::abs(e.amplitude));
    if (!out.events.empty() && out.events.back().kind == EventKind::Reflection &&
        std::abs(out.events.back().amplitude) >= kEndShare * strongest)
        out.events.back().kind = EventKind::EndOfLine;

    for (TraceEvent& e : out.events) e.metres = trace.metresAt(e.sample, pr);
    return out;
}

} // namespace analysis
