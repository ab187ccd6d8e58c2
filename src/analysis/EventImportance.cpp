#include "analysis/EventImportance.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace analysis {

std::vector<int> importanceRanks(const std::vector<TraceEvent>& events) {
    const auto group = [](EventKind k) {
        return k == EventKind::EndOfLine ? 0 : k == EventKind::Reflection ? 1 : 2;
    };
    std::vector<size_t> order(events.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const TraceEvent &ea = events[a], &eb = events[b];
        if (group(ea.kind) != group(eb.kind)) return group(ea.kind) < group(eb.kind);
        return std::abs(ea.amplitude) > std::abs(eb.amplitude);
    });
    std::vector<int> ranks(events.size());
    for (size_t r = 0; r < order.size(); ++r) ranks[order[r]] = int(r);
    return ranks;
}

} // namespace analysis
