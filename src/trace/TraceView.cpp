#include "trace/TraceView.h"

#include "store/UnreachableRead.h"
#include "store/ViewState.h"
#include "trace/ChartSet.h"
#include "trace/DifferenceTrace.h"
#include "trace/LegendNames.h"

#include <QCoreApplication>

namespace trace {

TraceView::TraceView(store::ViewState& state, ChartSet& charts, store::Dataset& master,
                     store::Dataset& picture)
    : ctx_{state, charts, master, picture, drawn_}, range_(ctx_), plan_(ctx_, range_), window_(ctx_, range_),
      cursors_(state, charts, drawn_) {}

void TraceView::Redraw(int mode) {
    const store::ViewState::Batch batch(ctx_.state);
    const ChartSet::Batch charts(ctx_.charts);
    ctx_.state.countDrawing();
    // A record may carry a PR that is no distance scale at all (the instrument
    // stores -1,500 for one of its codes): its traces are hidden and the status
    // bar says why, so that the record can still be selected, renamed, deleted
    // or given another PR.
    if (!prAboveZero()) {
        ctx_.charts.hideTraces();
        ctx_.state.setStatusNote(
            QCoreApplication::translate("trace::TraceView",
                                        "PR %1 is not above zero: the waveforms are not drawn")
                .arg(ctx_.state.editKu().text()));
        return;
    }
    ctx_.state.setStatusNote(QString());
    try {
        if (ctx_.state.typeIndex() == 0) plan_.RenderPlanView();
        else if (ctx_.state.typeIndex() == 1) window_.RenderWindowView();
        DifferenceTrace::draw(ctx_);
        placeCursors(mode);
        LegendNames::nameTraces(ctx_);
    } catch (const store::UnreachableRead&) {
        // Moving through the grid of a lost server library: what is drawn
        // stays, and no box at each row; the loss is told once by whoever
        // watches the connection.
        ctx_.state.setStatusNote(QCoreApplication::translate(
            "trace::TraceView", "The waveform cannot be read while its library is not reachable"));
    }
}

bool TraceView::prAboveZero() const { return ctx_.state.editKu().value() > 0; }

// The cursors follow the view just drawn; they stay as they are when it shows nothing.
void TraceView::placeCursors(int mode) {
    if (mode == KeepDistances || mode == Both) cursors_.CursorsFromMetres();
    if (mode == KeepPositions || mode == Both) cursors_.CursorsToMetres();
    if (mode == WaveformsOnly) cursors_.PositionsFromMetres();
}

void TraceView::StepK1(int delta) {
    if (prAboveZero()) cursors_.StepCursor(1, delta);
}

void TraceView::StepK2(int delta) {
    if (prAboveZero()) cursors_.StepCursor(2, delta);
}

bool TraceView::PlaceCursor(int cursor, double metres) {
    return prAboveZero() && cursors_.PlaceCursor(cursor, metres);
}

} // namespace trace
