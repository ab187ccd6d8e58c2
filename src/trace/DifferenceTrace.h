#pragma once
#include "trace/StoredTrace.h"

#include <QList>
#include <QPointF>

namespace trace {

struct TraceContext;
class ChartPair;

// "Difference": the current waveform minus the compare waveform selected in
// the compare grid, on the lower chart, on the current waveform's own
// distances. A compare waveform of another sample step is resampled
// linearly at those distances; where it holds no sample there is no point.
class DifferenceTrace {
public:
    // The points a[k] − b(distance of k) at a PR, for the samples of `a`
    // whose distance lies within [fromX, toX].
    static QList<QPointF> points(const StoredTrace& a, const StoredTrace& b, double pr, double fromX,
                                 double toX);

    // Draws or hides the lower chart's difference slot after a redraw, as the
    // state's toggle says.
    static void draw(const TraceContext& ctx);
    static void hide(const ChartPair& lower);
};

} // namespace trace
