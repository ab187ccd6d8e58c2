#include "app/controls/CursorControls.h"

#include "app/WindowState.h"
#include "store/Messages.h"
#include "store/Numbers.h"
#include "store/Units.h"
#include "store/ViewState.h"
#include "trace/TraceView.h"

#include <QCoreApplication>

namespace app::controls {

CursorControls::CursorControls(const ControlsContext& ctx, RepeatAcceleration& acceleration)
    : Timer_k1_inc(ctx.clock, kFirstInterval, ticker(1, 1)),
      Timer_k1_dec(ctx.clock, kFirstInterval, ticker(1, -1)),
      Timer_k2_inc(ctx.clock, kFirstInterval, ticker(2, 1)),
      Timer_k2_dec(ctx.clock, kFirstInterval, ticker(2, -1)), ctx_(ctx), acceleration_(acceleration) {}

std::function<void()> CursorControls::ticker(int cursor, int direction) {
    return [this, cursor, direction] { ctx_.guard.run([&] { tick(cursor, direction); }); };
}

RepeatTimer& CursorControls::timerOf(int cursor, int direction) {
    if (cursor == 1) return direction > 0 ? Timer_k1_inc : Timer_k1_dec;
    return direction > 0 ? Timer_k2_inc : Timer_k2_dec;
}

void CursorControls::activate(int cursor) { ctx_.windowState.setActiveCursor(cursor); }

void CursorControls::Label_k1Click() {
    if (ctx_.windowState.cursorLabelsEnabled()) activate(1);
}

void CursorControls::Label_k2Click() {
    if (ctx_.windowState.cursorLabelsEnabled()) activate(2);
}

void CursorControls::step(int cursor, int direction) {
    const int delta = direction * acceleration_.repeatStep;
    if (cursor == 1) ctx_.view.StepK1(delta);
    else ctx_.view.StepK2(delta);
}

void CursorControls::tick(int cursor, int direction) {
    timerOf(cursor, direction).setInterval(kRepeatInterval);
    step(cursor, direction);
}

void CursorControls::mouseDown(int cursor, int direction) {
    ctx_.guard.run([&] {
        if (ctx_.windowState.cursorLabelsEnabled()) activate(cursor);
        step(cursor, direction);
        RepeatTimer& timer = timerOf(cursor, direction);
        timer.setInterval(kFirstInterval);
        timer.start();
        acceleration_.start();
    });
}

void CursorControls::mouseUp(int cursor, int direction) {
    timerOf(cursor, direction).stop();
    acceleration_.release();
}

void CursorControls::keyStep(int direction) {
    ctx_.guard.run([&] { step(ctx_.windowState.activeCursor() == 2 ? 2 : 1, direction); });
}

void CursorControls::typeDistance(int cursor, const QString& text) {
    ctx_.guard.run([&] {
        // Typed in the shown unit; the cursor is placed in metres.
        const std::optional<double> typed = store::parseNumber(text);
        if (!typed) {
            const QString shown = store::Units::show(cursor == 1 ? ctx_.state.editK1() : ctx_.state.editK2());
            const bool feet = store::Units::current() == store::LengthUnit::Feet;
            store::messages().warning(
                (feet
                     ? QCoreApplication::translate(
                           "CursorControls", "\"%1\" is not a distance in feet. The cursor stays at %2 ft.")
                     : QCoreApplication::translate(
                           "CursorControls", "\"%1\" is not a distance in metres. The cursor stays at %2 m."))
                    .arg(text, shown));
            return;
        }
        ctx_.view.PlaceCursor(cursor, store::Units::fromShown(*typed));
    });
}

void CursorControls::stopAll() {
    for (RepeatTimer* t : {&Timer_k1_inc, &Timer_k1_dec, &Timer_k2_inc, &Timer_k2_dec}) t->stop();
}

} // namespace app::controls
