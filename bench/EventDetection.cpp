// The event detector on two sets of traces whose echoes are known: 500
// seeded synthetic traces of both families at all their ranges (echoes of
// 3..60 % of full scale under noise up to 5 %), and the traces a circuit
// simulator computed from lossy lines with joints, faults, wet stretches and
// their ends (bench/spice). For each: the share of known echoes found, of
// reported echoes that are false, of found ones placed within one sample of
// the known leading edge; and the time one 8000-sample trace takes.
#include "analysis/TraceEvents.h"
#include "synth/CircuitTraces.h"
#include "synth/DetectionScore.h"
#include "synth/ReflectionSynth.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTraces = 500;
constexpr std::uint32_t kSeed = 20261208;
constexpr double kGoalMicroseconds = 1000;

void line(const char* set, const char* name, double figure, const char* unit, const char* goal, bool met) {
    std::printf("BENCH\tevent detection%s: %s\t%.2f %s\t%s\t%s\n", set, name, figure, unit, goal,
                met ? "yes" : "no");
}

void shares(const char* set, const synth::DetectionScore& score, double found, double falseOnes,
            double accurate) {
    char goal[3][16];
    std::snprintf(goal[0], sizeof goal[0], ">= %.0f %%", 100 * found);
    std::snprintf(goal[1], sizeof goal[1], "<= %.0f %%", 100 * falseOnes);
    std::snprintf(goal[2], sizeof goal[2], ">= %.0f %%", 100 * accurate);
    line(set, "echoes found", 100 * score.foundShare(), "%", goal[0], score.foundShare() >= found);
    line(set, "false among reported", 100 * score.falseShare(), "%", goal[1],
         score.falseShare() <= falseOnes);
    line(set, "found within one sample step", 100 * score.accurateShare(), "%", goal[2],
         score.accurateShare() >= accurate);
}

} // namespace

int main() {
    synth::ReflectionSynth synth(kSeed);
    synth::DetectionScore score;
    int launches = 0, launchesFound = 0;
    for (int i = 0; i < kTraces; ++i) {
        const synth::KnownTrace t = synth.next();
        const analysis::EventList found = analysis::detectEvents(t.trace, 1.5);
        score.add(t, found);
        if (t.launchEnd >= 0) {
            ++launches;
            launchesFound +=
                !found.events.empty() && found.events.front().kind == analysis::EventKind::LaunchEnd;
        }
    }

    // The longest record the instrument keeps, timed on its own.
    synth::ReflectionSynth longOnes(kSeed + 1);
    std::vector<double> micros;
    int sink = 0;
    for (int i = 0; i < 200; ++i) {
        const synth::KnownTrace t = longOnes.next(1, 5); // 2000 m, 8000 samples
        const auto begin = std::chrono::steady_clock::now();
        sink += int(analysis::detectEvents(t.trace, 1.5).events.size());
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin).count());
    }
    std::nth_element(micros.begin(), micros.begin() + std::ptrdiff_t(micros.size() / 2), micros.end());
    const double median = micros[micros.size() / 2];

    shares("", score, 0.97, 0.02, 0.95);
    std::printf(
        "BENCH\tevent detection: line ends named (%d of %d), launch ends found (%d of %d)\t-\t-\tyes\n",
        score.endsNamed, score.ends, launchesFound, launches);
    line("", "time per 8000-sample trace (median)", median, "us", "<= 1000 us", median <= kGoalMicroseconds);

    const synth::CircuitTraces circuit = synth::readCircuitTraces(ECHOLON_CIRCUIT_TRACES);
    if (!circuit.error.empty()) {
        std::printf("BENCH\tevent detection, simulated lines: %s\t-\t-\tno\n", circuit.error.c_str());
        return 1;
    }
    synth::DetectionScore simulated;
    for (const synth::CircuitTrace& t : circuit.traces)
        simulated.add(t.known, analysis::detectEvents(t.known.trace, 1.5));
    shares(", simulated lines", simulated, 0.95, 0.05, 0.90);
    std::printf(
        "BENCH\tevent detection, simulated lines: %zu traces, line ends named (%d of %d)\t-\t-\tyes\n",
        circuit.traces.size(), simulated.endsNamed, simulated.ends);
    return sink < 0;
}
