#include "trace/TraceView.h"

#include "store/MainState.h"
#include "store/Numbers.h"
#include "trace/ChartSet.h"
#include "trace/SlotLayout.h"

namespace trace {

TraceView::TraceView(store::MainState& state, ChartSet& charts, store::Dataset& master, store::Dataset& picture)
    : ctx_{state, charts, master, picture}, range_(ctx_), plan_(ctx_, range_), window_(ctx_, range_),
      cursors_(state, charts) {}

void TraceView::Redraw(int mode) {
    // A record may carry a PR that is no distance scale at all (the instrument
    // stores -1,500 for one of its codes): its traces are hidden and the status
    // bar says why, so that the record can still be selected, renamed, deleted
    // or given another PR.
    if (!prAboveZero()) {
        ctx_.charts.hideTraces();
        ctx_.state.statusNote =
            QStringLiteral("PR %1 is not above zero: the waveforms are not drawn").arg(ctx_.state.editKu);
        ctx_.state.notify();
        return;
    }
    ctx_.state.statusNote.clear();
    try {
        if (ctx_.state.typeIndex == 0) redrawPlan(mode);
        else if (ctx_.state.typeIndex == 1) redrawWindow(mode);
    } catch (...) {
        ctx_.state.notify();
        throw;
    }
    ctx_.state.notify();
}

bool TraceView::prAboveZero() const {
    const std::optional<double> pr = store::parseNumber(ctx_.state.editKu);
    return pr && *pr > 0;
}

void TraceView::redrawPlan(int mode) {
    store::MainState& st = ctx_.state;
    st.planStepPR = 0;
    plan_.RenderPlanView();
    if (st.planStepPR == 0) return;
    if (mode == KeepDistances || mode == Both) cursors_.CursorsFromMetresPlan(st.planStart, st.planStepPR);
    if (mode == KeepPositions || mode == Both) cursors_.CursorsToMetresPlan(st.planStep, st.planStart, st.planStepPR);
}

void TraceView::redrawWindow(int mode) {
    store::MainState& st = ctx_.state;
    window_.RenderWindowView();
    if (st.windowStep == 0) return;
    if (mode == KeepDistances || mode == Both) cursors_.CursorsFromMetresWindow();
    if (mode == KeepPositions || mode == Both) cursors_.CursorsToMetresWindow();
}

void TraceView::StepK1() {
    if (!prAboveZero()) return;
    store::MainState& st = ctx_.state;
    cursors_.StepCursor(st.maxScale, st.zoomCaption, st.posK1, SlotLayout::CursorK1, st.typeIndex, st.editK1);
}

void TraceView::StepK2() {
    if (!prAboveZero()) return;
    store::MainState& st = ctx_.state;
    cursors_.StepCursor(st.maxScale, st.zoomCaption, st.posK2, SlotLayout::CursorK2, st.typeIndex, st.editK2);
}

} // namespace trace
