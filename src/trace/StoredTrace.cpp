#include "trace/StoredTrace.h"

#include "trace/PlanRenderer.h"
#include "trace/RangeTables.h"
#include "trace/TraceNumbers.h"
#include "trace/WindowRenderer.h"

#include <algorithm>
#include <cmath>

namespace trace {

int StoredTrace::sampleAt(double metres, double pr) const {
    if (!valid() || !(pr > 0) || !std::isfinite(metres)) return 0;
    const double k = std::round((metres * pr / 1.5 - start) / step);
    return int(std::clamp(k, 0.0, double(size() - 1)));
}

StoredTrace StoredTrace::of(const WaveRecord& r, int typeIndex) {
    StoredTrace t;
    if (typeIndex == 1) {
        const double f = RangeTables::SampleSpacing(r.scale, r.method);
        if (f <= 0) return t;
        const qint64 held = std::clamp<qint64>(std::min<qint64>(r.points.size(), WindowRenderer::kBlobBytes) -
                                                   WindowRenderer::kSamplesOffset,
                                               0, WindowRenderer::kBlobBytes);
        // Samples at or beyond SCALE are not part of the range.
        const qint64 inRange = TraceNumbers::trunc64(std::ceil(r.scale / f));
        const qint64 n = std::min(held, inRange);
        t.samples.reserve(size_t(std::max<qint64>(n, 0)));
        for (qint64 k = 0; k < n; ++k)
            t.samples.push_back(
                WaveRecord::SignedSample(quint8(r.points[WindowRenderer::kSamplesOffset + k])));
        t.step = f;
        return t;
    }
    const PlanRenderer::Plan p = PlanRenderer::planOf(r);
    if (!p.valid) return t;
    const qint64 n = std::min<qint64>(r.points.size(), PlanRenderer::kSamples);
    t.samples.reserve(size_t(std::max<qint64>(n, 0)));
    for (qint64 k = 0; k < n; ++k) t.samples.push_back(WaveRecord::SignedSample(quint8(r.points[k])));
    // The lower chart puts sample 0 at whole steps from 0, as many as fit
    // before START_PLAN.
    t.start = double(std::max<qint64>(p.start / p.step, 0) * p.step) * 0.01;
    t.step = double(p.step) * 0.01;
    return t;
}

int StoredTrace::typeIndexOf(const QString& deviceType) {
    return deviceType == QLatin1String("KM-630 ver.1") ? 1 : 0;
}

} // namespace trace
