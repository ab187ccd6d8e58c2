#include "app/controls/PrControls.h"

#include "store/DataModuleHost.h"
#include "store/Numbers.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "trace/TraceView.h"

namespace app::controls {

PrControls::PrControls(const ControlsContext& ctx, RepeatAcceleration& acceleration)
    : Timer_ku_inc(ctx.clock, kInterval, [this] { ctx_.guard.run([this] { step(1); }); }),
      Timer_ku_dec(ctx.clock, kInterval, [this] { ctx_.guard.run([this] { step(-1); }); }), ctx_(ctx),
      acceleration_(acceleration) {}

void PrControls::step(int direction) {
    store::ViewState& st = ctx_.state;
    const double pr = store::toNumber(st.editKu);
    const bool inside = direction > 0 ? pr < kHighest : pr > kLowest;
    if (!inside) return;
    st.editKu = store::formatFixed(pr + direction * acceleration_.repeatStep * 0.001, 3);
    st.notify();
    ctx_.window.redraw(trace::TraceView::KeepPositions);
}

void PrControls::mouseDown(int direction) {
    ctx_.guard.run([&] {
        step(direction);
        // Started also when no step was made; the ticks keep testing the bound.
        (direction > 0 ? Timer_ku_inc : Timer_ku_dec).start();
        acceleration_.start();
    });
}

void PrControls::mouseUp(int direction) {
    (direction > 0 ? Timer_ku_inc : Timer_ku_dec).stop();
    acceleration_.release();
}

void PrControls::SpeedButton3Click() {
    ctx_.guard.run([this] {
        store::Dataset& list = ctx_.dm.t_ku_list;
        if (!list.isOpen() || list.isEmpty()) return;
        const store::Field value = list.fieldByName(QStringLiteral("value_ku"));
        // The list only stores ratios inside 1..3; anything else in a foreign
        // file would make every distance meaningless (or divide by zero).
        if (value.isNull() || value.asFloat() < kLowest || value.asFloat() > kHighest) return;
        ctx_.state.editKu = store::formatFixed(value.asFloat(), 3);
        ctx_.state.notify();
        ctx_.window.redraw(trace::TraceView::KeepPositions);
    });
}

void PrControls::stopAll() {
    Timer_ku_inc.stop();
    Timer_ku_dec.stop();
}

} // namespace app::controls
