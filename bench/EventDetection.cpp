// The event detector on 500 seeded synthetic traces of both families at all
// their ranges, echoes of 3..60 % of full scale under noise up to 5 %: the
// share of known echoes found, of reported echoes that are false, of found
// ones placed within one sample of the known leading edge, and the time one
// 8000-sample trace takes.
#include "analysis/TraceEvents.h"
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

void line(const char* name, double figure, const char* unit, const char* goal, bool met) {
    std::printf("BENCH\tevent detection: %s\t%.2f %s\t%s\t%s\n", name, figure, unit, goal,
                met ? "yes" : "no");
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

    line("echoes found", 100 * score.foundShare(), "%", ">= 97 %", score.foundShare() >= 0.97);
    line("false among reported", 100 * score.falseShare(), "%", "<= 2 %", score.falseShare() <= 0.02);
    line("found within one sample step", 100 * score.accurateShare(), "%", ">= 95 %",
         score.accurateShare() >= 0.95);
    std::printf(
        "BENCH\tevent detection: line ends named (%d of %d), launch ends found (%d of %d)\t-\t-\tyes\n",
        score.endsNamed, score.ends, launchesFound, launches);
    line("time per 8000-sample trace (median)", median, "us", "<= 1000 us", median <= kGoalMicroseconds);
    return sink < 0;
}
