#pragma once
#include "synth/ReflectionSynth.h"

#include <string>
#include <vector>

namespace synth {

// Reflectograms a circuit simulator computed from a line's physics, with the
// echoes known from its geometry, as bench/spice/make_traces.py writes them:
//
//   trace FAMILY RANGE STEP COUNT PULSE_NS RISE_SAMPLES NOISE_SIGMA END
//   echo START WIDTH HEIGHT end|echo|faint|ghost KIND     (any number)
//   s HEX...                                                (two digits a sample)
//
// Faint echoes and ghosts (re-reflections) go to the unscored ones. A
// report counts for an echo from three samples (or its rise, if longer)
// before its start. The noise share is of full scale, peak to peak, as the
// synth's.
struct CircuitTrace {
    KnownTrace known;
    std::string family; // "plan" or "record"
    double range = 0;   // metres
    int pulseNs = 0;
};

struct CircuitTraces {
    std::vector<CircuitTrace> traces;
    std::string error; // why the file could not be read, with its line; empty when it was
};

CircuitTraces readCircuitTraces(const std::string& path);

} // namespace synth
