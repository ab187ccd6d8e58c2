#include "synth/DetectionScore.h"

#include <cstdlib>
#include <vector>

namespace synth {

void DetectionScore::add(const KnownTrace& truth, const analysis::EventList& detected) {
    std::vector<const analysis::TraceEvent*> echoes;
    for (const analysis::TraceEvent& e : detected.events)
        if (e.kind != analysis::EventKind::LaunchEnd) echoes.push_back(&e);
    std::vector<bool> used(echoes.size(), false);
    const int count = truth.trace.size();
    for (const KnownEcho& k : truth.echoes) {
        ++known;
        ends += k.endOfLine;
        const int rise = echoRise(truth.rise, k.start, count);
        int best = -1;
        for (size_t i = 0; i < echoes.size(); ++i) {
            const int at = echoes[i]->sample;
            if (used[i] || at < k.start - rise || at >= k.start + echoWidth(rise)) continue;
            if (best < 0 || std::abs(at - k.start) < std::abs(echoes[size_t(best)]->sample - k.start))
                best = int(i);
        }
        if (best < 0) continue;
        used[size_t(best)] = true;
        ++found;
        if (std::abs(echoes[size_t(best)]->sample - k.start) <= 1) ++withinOneStep;
        if (k.endOfLine && echoes[size_t(best)]->kind == analysis::EventKind::EndOfLine) ++endsNamed;
    }
    reported += int(echoes.size());
    for (bool u : used)
        if (!u) ++falseOnes;
}

} // namespace synth
