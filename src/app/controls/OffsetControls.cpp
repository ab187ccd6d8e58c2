#include "app/controls/OffsetControls.h"

#include "store/DataModuleHost.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "trace/ChartSet.h"
#include "trace/TraceView.h"

namespace app::controls {

OffsetControls::OffsetControls(const ControlsContext& ctx)
    : TimerSdvigUp(ctx.clock, kInterval, [this] { ctx_.guard.run([this] { step(1); }); }),
      TimerSdvigDown(ctx.clock, kInterval, [this] { ctx_.guard.run([this] { step(-1); }); }), ctx_(ctx) {}

void OffsetControls::step(int direction) {
    const trace::Chart& chart = ctx_.view.context().charts.lowerChart();
    SetVerticalShift(double(ctx_.state.editSdvig()) + direction, chart.axisMax(trace::Axis::Left),
                     chart.axisMin(trace::Axis::Left));
}

void OffsetControls::SetVerticalShift(double value, double upper, double lower) {
    if (value < lower || value > upper) return;
    store::ViewState& st = ctx_.state;
    store::Dataset& ds = st.waveSource() == 1 ? ctx_.dm.t_master : ctx_.dm.t_picture;
    // Editing an empty dataset would append a record holding nothing but the offset.
    if (!ds.isOpen() || ds.isEmpty()) return;
    const int shift = int(value);
    ds.edit();
    ds.fieldByName(QStringLiteral("SDVIG")).setInteger(shift);
    // The record stays the same one: the data module need not show it again,
    // which would also put the record's own PR back into the PR box.
    if (&ds == &ctx_.dm.t_master) ds.setTag(store::TagQuiet);
    try {
        ds.post();
    } catch (...) {
        ds.setTag(store::TagNormal);
        throw;
    }
    const store::ViewState::Batch batch(st);
    st.setEditSdvig(shift);
    ctx_.window.redraw(trace::TraceView::KeepDistances);
}

void OffsetControls::mouseDown(int direction) {
    ctx_.guard.run([&] {
        step(direction);
        (direction > 0 ? TimerSdvigUp : TimerSdvigDown).start();
    });
}

void OffsetControls::mouseUp(int direction) { (direction > 0 ? TimerSdvigUp : TimerSdvigDown).stop(); }

void OffsetControls::stopAll() {
    TimerSdvigUp.stop();
    TimerSdvigDown.stop();
}

} // namespace app::controls
