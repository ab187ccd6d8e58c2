#pragma once
#include "analysis/TraceEvents.h"

#include <vector>

namespace analysis {

// How much each event matters to someone reading a report, 0 the most: the
// line's end, then echoes by their absolute height (the nearer first among
// equals), then the launch end. One rank per event, all different.
std::vector<int> importanceRanks(const std::vector<TraceEvent>& events);

} // namespace analysis
