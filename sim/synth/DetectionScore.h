#pragma once
#include "analysis/TraceEvents.h"
#include "synth/ReflectionSynth.h"

namespace synth {

// How well the detected echoes of synthetic traces match the known ones.
// A known echo is found by the nearest reported echo that lies within its
// own extent (one rise before its start up to its end); every other reported
// echo is false, but for those within an unscored echo, which count neither
// way. The launch end is not counted.
struct DetectionScore {
    int known = 0;
    int found = 0;
    int reported = 0;
    int falseOnes = 0;
    int withinOneStep = 0; // found ones at most one sample from the known start
    int ends = 0;          // known line ends
    int endsNamed = 0;     // of them, found and reported as the end of the line

    void add(const KnownTrace& truth, const analysis::EventList& detected);

    double foundShare() const { return known ? double(found) / known : 1; }
    double falseShare() const { return reported ? double(falseOnes) / reported : 0; }
    double accurateShare() const { return found ? double(withinOneStep) / found : 1; }
};

} // namespace synth
