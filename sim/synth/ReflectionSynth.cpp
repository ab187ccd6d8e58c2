#include "synth/ReflectionSynth.h"

#include "trace/RangeTables.h"

#include <QLatin1String>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

constexpr double kFullScale = 256;
constexpr int kLaunchHeight = 120;

int topOf(int rise) { return rise / 2 + 1; }

// One echo's value at offset k from its start.
double echoAt(int k, int rise, double height) {
    using std::numbers::pi;
    const int top = topOf(rise);
    if (k < 0) return 0;
    if (k < rise) return height * (1 - std::cos(pi * (k + 1) / (rise + 1))) / 2;
    if (k < rise + top) return height;
    const int f = k - rise - top;
    if (f < 2 * rise) return height * (1 + std::cos(pi * (f + 1) / (2 * rise + 1))) / 2;
    return 0;
}

} // namespace

int echoRise(int rise, int at, int count) {
    return int(std::lround(rise * (1 + 0.5 * double(at) / std::max(count, 1))));
}

int echoWidth(int rise) { return rise + topOf(rise) + 2 * rise; }

int launchLength(int rise) { return 4 * rise; }

std::vector<int> ReflectionSynth::render(int count, const std::vector<KnownEcho>& echoes, int rise,
                                         bool launch, int baseline, double noiseSigma, std::mt19937& rng) {
    std::vector<double> v(size_t(std::max(count, 0)), double(baseline));
    if (launch) {
        // The launch pulse leaves the instrument at full height and falls
        // back as an echo would.
        using std::numbers::pi;
        const int top = 2 * rise;
        for (int k = 0; k < count && k < launchLength(rise); ++k)
            v[size_t(k)] += k < top ? kLaunchHeight
                                    : kLaunchHeight * (1 + std::cos(pi * (k - top + 1) / (2 * rise + 1))) / 2;
    }
    for (const KnownEcho& e : echoes) {
        const int r = echoRise(rise, e.start, count);
        for (int k = std::max(e.start, 0); k < count && k < e.start + echoWidth(r); ++k)
            v[size_t(k)] += echoAt(k - e.start, r, e.height);
    }
    std::normal_distribution<double> noise(0.0, std::max(noiseSigma, 0.0));
    std::vector<int> out(v.size());
    for (size_t k = 0; k < v.size(); ++k) {
        const double n = noiseSigma > 0 ? std::clamp(noise(rng), -3 * noiseSigma, 3 * noiseSigma) : 0.0;
        out[k] = int(std::clamp(std::lround(v[k] + n), -128L, 127L));
    }
    return out;
}

KnownTrace ReflectionSynth::next() {
    const int family = pick(0, 1);
    const int ranges =
        family == 0 ? int(trace::RangeTables::plan.size()) : int(trace::RangeTables::window.size());
    return next(family, pick(0, ranges - 1));
}

KnownTrace ReflectionSynth::next(int family, int range) {
    KnownTrace t;
    int count = 0;
    double scale = 0;
    bool launch = true;
    if (family == 0) {
        scale =
            trace::RangeTables::plan[size_t(std::clamp<int>(range, 0, trace::RangeTables::plan.size() - 1))];
        const int zoom = trace::RangeTables::zoom[size_t(pick(0, trace::RangeTables::zoom.size() - 1))];
        count = 250;
        t.trace.step = scale / zoom / count;
        // A zoomed plan shows a stretch further down the line, without the launch pulse.
        if (zoom > 1 && pick(0, 1) == 1) {
            launch = false;
            t.trace.start = pick(1, (zoom - 1) * count) * t.trace.step;
        }
    } else {
        scale = trace::RangeTables::window[size_t(
            std::clamp<int>(range, 0, trace::RangeTables::window.size() - 1))];
        const auto method = QLatin1String(pick(0, 1) == 0 ? "pulse" : "bridge");
        t.trace.step = trace::RangeTables::SampleSpacing(scale, method);
        count = int(std::ceil(scale / t.trace.step));
    }
    // The pulse the instrument picks for a range is a few tenths of a per
    // cent of it long; an echo rises over about half the pulse.
    const double pulseMetres = uniform(scale / 2000, scale / 200);
    const int rise = std::clamp(int(std::lround(pulseMetres / t.trace.step / 2)), 2, 12);
    t.rise = rise;
    t.noiseShare = uniform(0, limits_.maxNoiseShare);
    const double sigma = t.noiseShare * kFullScale / 6;
    const int offset = pick(-10, 10);

    const int first = launch ? launchLength(rise) + 2 * rise : 0;
    if (launch) t.launchEnd = launchLength(rise);
    const int room = echoWidth(echoRise(rise, count, count)) + rise;
    int wanted = pick(1, std::max(limits_.maxEchoes, 1));
    const int space = count - first - 1;
    wanted = std::min(wanted, space / room);
    if (wanted > 0) {
        // Spread what the echoes leave free at random between them.
        std::vector<double> cuts(size_t(wanted) + 1);
        double sum = 0;
        for (double& c : cuts) sum += (c = uniform(0.05, 1));
        const int slack = space - wanted * room;
        double at = first;
        for (int j = 0; j < wanted; ++j) {
            at += slack * cuts[size_t(j)] / sum;
            const double share = uniform(limits_.minHeightShare, limits_.maxHeightShare);
            const int sign = pick(0, 1) == 0 ? 1 : -1;
            t.echoes.push_back({int(at), sign * std::max(1, int(std::lround(share * kFullScale))), false});
            at += room;
        }
        // Most lines end within the range; their end is the strongest echo.
        if (pick(0, 4) != 0) {
            KnownEcho& end = t.echoes.back();
            int strongest = 0;
            for (const KnownEcho& e : t.echoes) strongest = std::max(strongest, std::abs(e.height));
            const int top = int(std::lround(limits_.maxHeightShare * kFullScale));
            end.height = (end.height > 0 ? 1 : -1) * pick(std::min(strongest, top), top);
            end.endOfLine = true;
        }
    }
    t.trace.samples = render(count, t.echoes, rise, launch, offset, sigma, rng_);
    return t;
}

} // namespace synth
