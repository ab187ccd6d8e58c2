#include "app/controls/PrControls.h"

#include "store/DataModuleHost.h"
#include "store/Messages.h"
#include "store/Numbers.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "trace/TraceView.h"

#include <QCoreApplication>
#include <cmath>

namespace app::controls {

PrControls::PrControls(const ControlsContext& ctx, RepeatAcceleration& acceleration)
    : Timer_ku_inc(ctx.clock, kInterval, [this] { ctx_.guard.run([this] { step(1); }); }),
      Timer_ku_dec(ctx.clock, kInterval, [this] { ctx_.guard.run([this] { step(-1); }); }), ctx_(ctx),
      acceleration_(acceleration) {}

void PrControls::step(int direction) {
    store::ViewState& st = ctx_.state;
    const double pr = st.editKu().value();
    const bool inside = direction > 0 ? pr < kHighest : pr > kLowest;
    if (!inside) return;
    const store::ViewState::Batch batch(st);
    st.setEditKu(store::ShownNumber::rounded(pr + direction * acceleration_.repeatStep * 0.001, 3));
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
        const store::ViewState::Batch batch(ctx_.state);
        ctx_.state.setEditKu(store::ShownNumber::rounded(value.asFloat(), 3));
        ctx_.window.redraw(trace::TraceView::KeepPositions);
    });
}

void PrControls::refuse(const QString& why) {
    const QString old = ctx_.state.editKu().text();
    store::messages().warning(QCoreApplication::translate("PrControls", "%1 PR stays %2.").arg(why, old));
}

void PrControls::typePr(const QString& text) {
    ctx_.guard.run([&] {
        const std::optional<double> pr = store::parseNumber(text);
        if (!pr) {
            refuse(QCoreApplication::translate("PrControls", "\"%1\" is not a number.").arg(text));
            return;
        }
        // Rounded as the box shows it, so that 3,0004 is not refused as 3,000.
        const double shown = std::round(*pr * 1000) / 1000;
        if (!store::ShownValues::prInRange(shown)) {
            refuse(QCoreApplication::translate("PrControls", "PR %1 is outside %2 to %3.")
                       .arg(text, store::formatFixed(kLowest, 3), store::formatFixed(kHighest, 3)));
            return;
        }
        const store::ViewState::Batch batch(ctx_.state);
        ctx_.state.setEditKu(store::ShownNumber::rounded(shown, 3));
        ctx_.window.redraw(trace::TraceView::KeepPositions);
    });
}

void PrControls::stopAll() {
    Timer_ku_inc.stop();
    Timer_ku_dec.stop();
}

} // namespace app::controls
