#pragma once
#include "trace/WaveRecord.h"

#include <QString>
#include <vector>

namespace trace {

// One waveform's stored samples and the distance of each, placed as the
// charts place them: a "KMX-417" plan holds 250 samples from START_PLAN at
// SCALE / ZOOM_L / 250 apart, a "KMX-419" record SCALE / spacing samples
// from 0. The event detector, the difference trace and the export all read
// a waveform through this, so their distances agree with the charts'.
struct StoredTrace {
    std::vector<int> samples; // signed, -128..127, only those the blob holds
    double start = 0;         // metres at PR 1.5 of sample 0
    double step = 0;          // metres at PR 1.5 from one sample to the next

    bool valid() const { return step > 0 && !samples.empty(); }
    int size() const { return int(samples.size()); }
    // Distance of (fractional) sample k at a PR.
    double metresAt(double k, double pr) const { return (start + k * step) * 1.5 / pr; }
    // The sample nearest to a distance at a PR, held to the stored samples.
    int sampleAt(double metres, double pr) const;

    // typeIndex as the type box: 0 "KMX-417" plans, 1 "KMX-419" windows. A
    // record the family cannot place gives an invalid trace, never a throw.
    static StoredTrace of(const WaveRecord& r, int typeIndex);
    // The family a record's DEVICE_TYPE belongs to, for callers without a
    // type box (the command line): "KM-630 ver.1" is 1, anything else 0.
    static int typeIndexOf(const QString& deviceType);
};

} // namespace trace
