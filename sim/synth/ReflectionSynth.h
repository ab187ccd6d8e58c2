#pragma once
#include "trace/StoredTrace.h"

#include <cstdint>
#include <random>
#include <vector>

namespace synth {

// Synthetic reflectograms whose events are known, for measuring the event
// detector.
//
// Full scale is the 256 levels a stored sample can take, -128..127; echo
// heights and noise are given as shares of it. The noise level is the
// peak-to-peak band that holds 99.7 % of the noise samples (six standard
// deviations of a normal distribution); 5 % is a band of 12.8 levels.
//
// An echo is the launch pulse come back: it leaves the baseline at its start
// sample, rises like a raised cosine over `rise` samples, holds, and falls
// over twice the rise. Its height is the one recorded, after the line's loss;
// the loss also widens echoes with distance. Echoes stand further apart than
// their own width plus one rise, so each can be told from the next.
struct KnownEcho {
    int start = 0;  // the first sample of the rise: where to dig
    int height = 0; // signed levels above the baseline; > 0 open-like
    bool endOfLine = false;
    int width = 0; // samples from its start to its end; 0: the synth's own, from the rise
};

struct KnownTrace {
    trace::StoredTrace trace;
    std::vector<KnownEcho> echoes; // by distance
    // Echoes no detector can be asked to find (too faint for the noise) and
    // re-reflections: a report within one counts neither way.
    std::vector<KnownEcho> unscored;
    int launchEnd = -1;    // first sample the launch pulse's tail is inside the noise; -1 none
    int rise = 0;          // samples of the nearest echo's rise
    double noiseShare = 0; // of full scale
};

// The ranges and families drawn from; the defaults cover every range of both.
struct SynthLimits {
    double minHeightShare = 0.03;
    double maxHeightShare = 0.60;
    double maxNoiseShare = 0.05;
    int maxEchoes = 5; // the end of the line included
};

class ReflectionSynth {
public:
    explicit ReflectionSynth(std::uint32_t seed, SynthLimits limits = {}) : rng_(seed), limits_(limits) {}

    // A trace of either family at any of its ranges.
    KnownTrace next();
    // A trace of the family (0 "KMX-417" plan, 1 "KMX-419" record) at the
    // range of index `range` in trace::RangeTables.
    KnownTrace next(int family, int range);

    // The samples of a trace from its echoes, launch pulse, baseline and
    // noise (standard deviation in levels): also for hand-made cases.
    static std::vector<int> render(int count, const std::vector<KnownEcho>& echoes, int rise, bool launch,
                                   int baseline, double noiseSigma, std::mt19937& rng);

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(rng_);
    }

    std::mt19937 rng_;
    SynthLimits limits_;
};

// The rise in samples of an echo at sample `at` of `count` whose nearest
// kind rises over `rise` (the loss widens far echoes).
int echoRise(int rise, int at, int count);
// Samples from an echo's start to its end, and of the launch pulse.
int echoWidth(int rise);
int launchLength(int rise);

} // namespace synth
