#pragma once
#include "trace/StoredTrace.h"

#include <vector>

namespace analysis {

// What happens along the line at one place of a waveform.
enum class EventKind {
    LaunchEnd,  // the instrument's own pulse has died away: the line starts being readable
    Reflection, // an echo that stands out of the noise: a joint, a fault
    EndOfLine,  // the last strong echo: the line's end or a break, short or open
};

struct TraceEvent {
    EventKind kind = EventKind::Reflection;
    int sample = 0;    // where the trace first leaves its baseline
    double metres = 0; // of that sample at the PR asked for
    int amplitude = 0; // levels from the baseline to the echo's peak, signed
    int polarity() const { return amplitude < 0 ? -1 : 1; } // +1 open-like, -1 short-like
};

struct EventList {
    std::vector<TraceEvent> events; // by distance
    double noise = 0;               // standard deviation of the noise, levels
    int baseline = 0;               // level of the quiet line
};

// The events of a waveform. Works on any trace, empty and single-sample ones
// included (an empty list); a PR that is no positive number places distances
// at the instrument's 1.5.
EventList detectEvents(const trace::StoredTrace& trace, double pr);

} // namespace analysis
