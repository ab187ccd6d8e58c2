#pragma once
#include "trace/TraceContext.h"

namespace trace {

class ScaleRange;

// The "KMX-419" view: a record holds its whole range at a fixed sample
// spacing (up to 8000 samples from byte 512 of POINTS). The upper chart shows
// every record over the whole range in 500 points; the lower chart shows a
// 500-point window of range / zoom metres around the zoom anchor. Distances
// are raw metres at PR 1.5, shown at the box's PR.
class WindowRenderer {
public:
    static constexpr int kPoints = 500;
    static constexpr int kBlobBytes = 8512;
    static constexpr int kSamplesOffset = 512;

    // Window and overview of one redraw, raw metres.
    struct View {
        double windowStep = 0;
        double windowStart = 0;
        double windowEnd = 0;
        double overviewStep = 0;
        double pr = 1.5;
    };

    WindowRenderer(const TraceContext& ctx, ScaleRange& range) : ctx_(ctx), range_(range) {}

    // Redraws both charts; writes WindowStep and WindowStart before touching a
    // chart (WindowStep 0 when MaxScale or the zoom caption is not in its
    // table: then the traces are hidden and the cursors stay). Throws on a PR
    // box that is not a number above zero.
    void RenderWindowView();

    // Draws the current record of `ds` into upper slot u and lower slot l;
    // false (slots hidden) when its SCALE is not a range of the table.
    bool PlotWindowRecord(store::Dataset& ds, int u, int l, const View& view);

private:
    TraceContext ctx_;
    ScaleRange& range_;
};

} // namespace trace
