#include "analysis/TraceEvents.h"
#include "synth/CircuitTraces.h"
#include "synth/DetectionScore.h"
#include "synth/ReflectionSynth.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using analysis::EventKind;

trace::StoredTrace traceOf(std::vector<int> samples, double step = 1) {
    trace::StoredTrace t;
    t.samples = std::move(samples);
    t.step = step;
    return t;
}

} // namespace

// The benchmark's goals on a smaller seeded set of both families at all
// ranges, echoes of 3..60 % of full scale under noise up to 5 %.
TEST(TraceEvents, seededSyntheticTraces_meetTheAccuracyGoals) {
    synth::ReflectionSynth synth(7);
    synth::DetectionScore score;
    for (int i = 0; i < 60; ++i) {
        const synth::KnownTrace t = synth.next();
        score.add(t, analysis::detectEvents(t.trace, 1.5));
    }
    ASSERT_GT(score.known, 100);
    EXPECT_GE(score.foundShare(), 0.97) << score.found << " of " << score.known;
    EXPECT_LE(score.falseShare(), 0.02) << score.falseOnes << " of " << score.reported;
    EXPECT_GE(score.accurateShare(), 0.95) << score.withinOneStep << " of " << score.found;
}

// A "KMX-419" record of 1000 m: launch pulse, a short-like joint at 300 m,
// the open end at 700 m; distances follow the PR.
TEST(TraceEvents, launchJointAndOpenEnd_atTheirLeadingEdgesAndDistances) {
    std::mt19937 rng(3);
    const std::vector<synth::KnownEcho> echoes = {{2400, -30, false}, {5600, 90, true}};
    trace::StoredTrace t = traceOf(synth::ReflectionSynth::render(8000, echoes, 6, true, 4, 1.5, rng), 0.125);

    const analysis::EventList at15 = analysis::detectEvents(t, 1.5);
    ASSERT_EQ(at15.events.size(), 3u);
    EXPECT_EQ(at15.events[0].kind, EventKind::LaunchEnd);
    EXPECT_NEAR(at15.events[0].sample, synth::launchLength(6), 6);
    EXPECT_EQ(at15.events[1].kind, EventKind::Reflection);
    EXPECT_EQ(at15.events[1].polarity(), -1);
    EXPECT_NEAR(at15.events[1].sample, 2400, 1);
    EXPECT_NEAR(at15.events[1].amplitude, -30, 3);
    EXPECT_EQ(at15.events[2].kind, EventKind::EndOfLine);
    EXPECT_EQ(at15.events[2].polarity(), 1);
    EXPECT_NEAR(at15.events[2].metres, 700, 0.125);
    EXPECT_EQ(at15.baseline, 4);

    const analysis::EventList at2 = analysis::detectEvents(t, 2.0);
    EXPECT_EQ(at2.events[2].sample, at15.events[2].sample);
    EXPECT_DOUBLE_EQ(at2.events[2].metres, at15.events[2].metres * 1.5 / 2.0);
    EXPECT_DOUBLE_EQ(analysis::detectEvents(t, 0).events[2].metres, at15.events[2].metres)
        << "a PR that is no number above zero places at 1.5";
}

// Nothing to read, or nothing but a flat, clipped or saturated line: a
// sensible list, and no read outside the samples (the sanitizer build runs this).
TEST(TraceEvents, hostileTraces_giveSensibleLists) {
    for (const std::vector<int>& samples : {std::vector<int>{},
                                            {5},
                                            {127, -128},
                                            std::vector<int>(8000, 0),
                                            std::vector<int>(8000, 127),
                                            std::vector<int>(8000, -128),
                                            std::vector<int>(250, 40)}) {
        const analysis::EventList found = analysis::detectEvents(traceOf(samples), 1.5);
        EXPECT_TRUE(found.events.empty())
            << samples.size() << " samples of " << (samples.empty() ? 0 : samples[0]);
    }
    // Full scale alternating every sample, and a step to full scale that
    // stays there to the end: every event inside the trace.
    std::vector<int> saw(3000);
    for (size_t i = 0; i < saw.size(); ++i) saw[i] = i % 2 ? 127 : -128;
    std::vector<int> step(500, 0);
    std::fill(step.begin() + 200, step.end(), -128);
    for (const std::vector<int>& samples : {saw, step})
        for (const analysis::TraceEvent& e : analysis::detectEvents(traceOf(samples), 1.5).events) {
            EXPECT_GE(e.sample, 0);
            EXPECT_LT(e.sample, int(samples.size()));
        }
    const analysis::EventList stepped = analysis::detectEvents(traceOf(step), 1.5);
    ASSERT_FALSE(stepped.events.empty());
    EXPECT_NEAR(stepped.events.back().sample, 200, 1);
}

// A clean 1000-m pulse record, echoes at 300 and 650 m and the open end at
// 900 m under a few levels of noise, its launch pulse trailing the slow tail
// a lossy line leaves: nothing is reported in that tail, and the echoes and
// the end are found at their leading edges, with a narrow pulse and a wide
// one (whose far echoes rise over some thirty samples, the first of them
// within the noise).
TEST(TraceEvents, cleanRecordWithALaunchTail_reportsOnlyTheEchoesAndTheEnd) {
    for (const int rise : {3, 20}) {
        std::mt19937 rng(5);
        const std::vector<synth::KnownEcho> echoes = {
            {2400, -25, false}, {5200, 30, false}, {7200, 80, true}};
        std::vector<int> samples = synth::ReflectionSynth::render(8000, echoes, rise, true, -3, 1.0, rng);
        for (int k = synth::launchLength(rise); k < 8000; ++k)
            samples[size_t(k)] += int(std::lround(30 * std::exp(-(k - synth::launchLength(rise)) / 400.0)));
        const analysis::EventList found = analysis::detectEvents(traceOf(samples, 0.125), 1.5);

        ASSERT_EQ(found.events.size(), 4u) << "rise " << rise;
        EXPECT_EQ(found.events[0].kind, EventKind::LaunchEnd);
        EXPECT_NEAR(found.events[0].sample, synth::launchLength(rise), rise);
        for (size_t i = 0; i < echoes.size(); ++i) {
            const analysis::TraceEvent& e = found.events[i + 1];
            const int rounded = synth::echoRise(rise, echoes[i].start, 8000) / 6;
            EXPECT_NEAR(e.sample, echoes[i].start, std::max(1, rounded)) << "rise " << rise;
            EXPECT_NEAR(e.amplitude, echoes[i].height, 4) << "rise " << rise;
            EXPECT_EQ(e.kind, i + 1 < echoes.size() ? EventKind::Reflection : EventKind::EndOfLine);
        }
        EXPECT_NEAR(found.events[3].metres, 900, rise < 10 ? 0.125 : 0.625);
    }
}

// Traces a circuit simulator computed from lossy lines: a joint and an
// insulation fault on a matched 250-m line, a short 62.5-m line under a
// pulse nearly as long, a fault and the open end of 8000 m under a 1-us
// pulse, a 250-sample plan with a fault and a shorted end. Every echo found
// at its leading edge and the end named, nothing else reported but
// re-reflections and echoes too faint to ask for.
TEST(TraceEvents, simulatedLossyLines_giveTheirEchoesAndNothingElse) {
    const synth::CircuitTraces set = synth::readCircuitTraces(ECHOLON_TEST_DATA_DIR "/circuit-traces.txt");
    ASSERT_TRUE(set.error.empty()) << set.error;
    ASSERT_EQ(set.traces.size(), 4u);
    for (const synth::CircuitTrace& t : set.traces) {
        synth::DetectionScore score;
        score.add(t.known, analysis::detectEvents(t.known.trace, 1.5));
        EXPECT_EQ(score.found, score.known) << t.range << " m, pulse " << t.pulseNs << " ns";
        EXPECT_EQ(score.falseOnes, 0) << t.range << " m, pulse " << t.pulseNs << " ns";
        EXPECT_EQ(score.withinOneStep, score.found) << t.range << " m, pulse " << t.pulseNs << " ns";
        EXPECT_EQ(score.endsNamed, score.ends) << t.range << " m, pulse " << t.pulseNs << " ns";
    }
}
