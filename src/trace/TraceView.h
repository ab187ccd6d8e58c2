#pragma once
#include "trace/Cursors.h"
#include "trace/PlanRenderer.h"
#include "trace/RenderScale.h"
#include "trace/ScaleRange.h"
#include "trace/TraceContext.h"
#include "trace/WindowRenderer.h"

namespace trace {

// The trace view's entry points for the main window and the data module.
// Every change that affects the charts ends in Redraw, which rebuilds both
// charts (and their report copies) from the datasets and then brings the
// cursors into line. Nothing is cached between redraws.
class TraceView {
public:
    enum Mode {
        WaveformsOnly = 0,
        KeepDistances = 1, // cursor positions follow the K1/K2 boxes
        KeepPositions = 2, // K1/K2 boxes follow the cursor positions
        Both = 3,          // 1, then 2
    };

    TraceView(store::ViewState& state, ChartSet& charts, store::Dataset& master, store::Dataset& picture);

    // A PR box not above zero hides every trace and sets the state's status
    // note instead of drawing. Throws store::StoreError when a record cannot
    // be read; the state's changed() comes once, at the end, either way.
    void Redraw(int mode);
    void ComputeMaxScale() { range_.ComputeMaxScale(); }
    void UpdateRange() { range_.UpdateRange(); }

    // The K1/K2 step buttons: move the cursor by `delta` positions; they do
    // nothing while the charts are hidden for a PR that is not above zero.
    void StepK1(int delta);
    void StepK2(int delta);
    // A cursor put by hand at a distance (cursor: 1 = K1, 2 = K2); false when
    // nothing is drawn to put it on.
    bool PlaceCursor(int cursor, double metres);

    Cursors& cursors() { return cursors_; }
    const RenderScale& drawn() const { return drawn_; }
    const TraceContext& context() const { return ctx_; }

private:
    bool prAboveZero() const;
    void placeCursors(int mode);

    RenderScale drawn_;
    TraceContext ctx_;
    ScaleRange range_;
    PlanRenderer plan_;
    WindowRenderer window_;
    Cursors cursors_;
};

} // namespace trace
