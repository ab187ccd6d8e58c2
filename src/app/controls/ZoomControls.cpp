#include "app/controls/ZoomControls.h"

#include "app/WindowState.h"
#include "store/DataModuleHost.h"
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

int ZoomControls::factorOf(const store::ShownNumber& caption) {
    return int(std::clamp(caption.value(), -kLargestFactor, kLargestFactor));
}

void ZoomControls::step(int direction) {
    store::ViewState& st = ctx_.state;
    const int factor = factorOf(st.zoomCaption());
    const store::ViewState::Batch batch(st);
    if (direction > 0 && factor < st.zoomMax()) st.setZoomCaption({double(factor * 2), 0});
    else if (direction < 0 && st.zoomMin() < factor) st.setZoomCaption({double(factor / 2), 0});
    else return;
    ApplyZoom();
}

void ZoomControls::ApplyZoom() {
    store::ViewState& st = ctx_.state;
    const store::ViewState::Batch batch(st);
    const int factor = factorOf(st.zoomCaption());
    if (factor == 1 || factor == 2) {
        const double distance = (ctx_.windowState.activeCursor() == 1 ? st.editK1() : st.editK2()).value();
        st.setZoomAnchor(distance * 2 / 3 * st.editKu().value());
    }
    ctx_.windowState.setCursorLabelsEnabled(factor == 1);
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
        const store::ViewState::Batch batch(ctx_.state);
        ctx_.state.setZoomCaption({1, 0});
        ApplyZoom();
    });
}

void ZoomControls::stopAll() {
    Timer_zoom_inc.stop();
    Timer_zoom_dec.stop();
}

} // namespace app::controls
