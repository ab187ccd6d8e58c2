#include "synth/DetectionScore.h"

#include <cstdlib>
#include <vector>

namespace synth {

namespace {

// The samples an echo takes: from one rise before its start to its end.
struct Extent {
    int from = 0, to = 0;
    bool holds(int at) const { return at >= from && at < to; }
};

Extent extentOf(const KnownTrace& truth, const KnownEcho& k) {
    if (k.width > 0) return {k.start - truth.rise, k.start + k.width};
    const int rise = echoRise(truth.rise, k.start, truth.trace.size());
    return {k.start - rise, k.start + echoWidth(rise)};
}

} // namespace

void DetectionScore::add(const KnownTrace& truth, const analysis::EventList& detected) {
    std::vector<const analysis::TraceEvent*> echoes;
    for (const analysis::TraceEvent& e : detected.events)
        if (e.kind != analysis::EventKind::LaunchEnd) echoes.push_back(&e);
    std::vector<bool> used(echoes.size(), false);
    for (const KnownEcho& k : truth.echoes) {
        ++known;
        ends += k.endOfLine;
        const Extent span = extentOf(truth, k);
        int best = -1;
        for (size_t i = 0; i < echoes.size(); ++i) {
            const int at = echoes[i]->sample;
            if (used[i] || !span.holds(at)) continue;
            if (best < 0 || std::abs(at - k.start) < std::abs(echoes[size_t(best)]->sample - k.start))
                best = int(i);
        }
        if (best < 0) continue;
        used[size_t(best)] = true;
        ++found;
        if (std::abs(echoes[size_t(best)]->sample - k.start) <= 1) ++withinOneStep;
        if (k.endOfLine && echoes[size_t(best)]->kind == analysis::EventKind::EndOfLine) ++endsNamed;
    }
    for (size_t i = 0; i < echoes.size(); ++i) {
        if (used[i]) continue;
        bool unscored = false;
        for (const KnownEcho& k : truth.unscored)
            unscored = unscored || extentOf(truth, k).holds(echoes[i]->sample);
        if (unscored) continue;
        ++reported;
        ++falseOnes;
    }
    for (bool u : used) reported += u;
}

} // namespace synth
