#include "app/controls/ZoomControls.h"

#include "app/WindowState.h"
#include "store/DataModuleHost.h"
#include "store/Numbers.h"
#include "store/ViewState.h"
#include "trace/TraceView.h"

#include <algorithm>

namespace app::controls {

namespace {
// Far beyond the largest factor in use (16); keeps the conversion to int defined.
constexpr double kLargestFactor = 1 << 20;
} // namespace

ZoomControls::ZoomControls(const ControlsContext& ctx)
    : Timer_zoom_inc(ctx.clock, kInterval, [this] { ctx_.guard.run([this] { step(1); }); }),
      Timer_zoom_dec(ctx.clock, kInterval, [this] { ctx_.guard.run([this] { step(-1); }); }), ctx_(ctx) {}

int ZoomControls::factorOf(const QString& caption) {
    return int(std::clamp(store::toNumber(caption), -kLargestFactor, kLargestFactor));
}

void ZoomControls::step(int direction) {
    store::ViewState& st = ctx_.state;
    const int factor = factorOf(st.zoomCaption);
    if (direction > 0 && factor < st.zoomMax) st.zoomCaption = QString::number(factor * 2);
    else if (direction < 0 && st.zoomMin < factor) st.zoomCaption = QString::number(factor / 2);
    else return;
    ApplyZoom();
}

void ZoomControls::ApplyZoom() {
    store::ViewState& st = ctx_.state;
    const int factor = factorOf(st.zoomCaption);
    if (factor == 1 || factor == 2) {
        const double distance = store::toNumber(ctx_.windowState.activeCursor == 1 ? st.editK1 : st.editK2);
        st.zoomAnchor = distance * 2 / 3 * store::toNumber(st.editKu);
    }
    ctx_.windowState.cursorLabelsEnabled = factor == 1;
    ctx_.windowState.notify();
    st.notify();
    ctx_.window.redraw(trace::TraceView::KeepDistances);
}

void ZoomControls::mouseDown(int direction) {
    ctx_.guard.run([&] {
        step(direction);
        (direction > 0 ? Timer_zoom_inc : Timer_zoom_dec).start();
    });
}

void ZoomControls::mouseUp(int direction) { (direction > 0 ? Timer_zoom_inc : Timer_zoom_dec).stop(); }

void ZoomControls::Button_zoomClick() {
    ctx_.guard.run([this] {
        ctx_.state.zoomCaption = QStringLiteral("1");
        ApplyZoom();
    });
}

void ZoomControls::stopAll() {
    Timer_zoom_inc.stop();
    Timer_zoom_dec.stop();
}

} // namespace app::controls
