#pragma once
#include "trace/TraceContext.h"
#include "trace/WaveRecord.h"

namespace trace {

class ScaleRange;

// The "KMX-417" view: each record is a plan of 250 samples covering
// SCALE / ZOOM_L metres from START_PLAN. The upper chart shows every record
// over the whole range in 250 overview steps with a frame around the selected
// plan; the lower chart shows the selected plan sample by sample. Distances
// are whole raw centimetres at PR 1.5, shown as metres at the box's PR.
class PlanRenderer {
public:
    static constexpr int kSamples = 250;

    // Overview grid of one redraw.
    struct Grid {
        qint64 step = 0;     // raw centimetres per overview point
        double stepPR = 0;   // displayed centimetres per overview point
        double maxScale = 0; // metres
        double pr = 1.5;
    };
    // Where a record's plan lies, raw centimetres. A record is drawable only
    // with a SCALE of the plan ranges, a ZOOM_L from 1 to 12.5 (the largest
    // zoom the instrument records) and a start within twice its range.
    struct Plan {
        qint64 start = 0;
        qint64 step = 0;
        qint64 end = 0;
        bool valid = false;
    };
    static Plan planOf(const WaveRecord& r);

    PlanRenderer(const TraceContext& ctx, ScaleRange& range) : ctx_(ctx), range_(range) {}

    // Redraws both charts; writes PlanStep, PlanStart and PlanStepPR (all 0
    // when the selected waveform cannot be shown). Throws on a PR box that is
    // not a number above zero.
    void RenderPlanView();

    // Draws the current record of `ds` into upper slot u and lower slot l;
    // false (slots hidden) when the record has no drawable plan.
    bool PlotPlanRecord(store::Dataset& ds, int u, int l, const Grid& grid);

private:
    TraceContext ctx_;
    ScaleRange& range_;
};

} // namespace trace
