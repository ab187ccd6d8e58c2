#include "app/controls/TraceControls.h"

namespace app::controls {

TraceControls::TraceControls(store::ViewState& state, WindowState& windowState, store::TDataModule1& dm,
                             store::DataModuleHost& window, trace::TraceView& view, gui::Clock& clock)
    : guard_([this] { stopAll(); }), ctx_{state, windowState, dm, window, view, clock, guard_},
      acceleration(clock), cursors(ctx_, acceleration), pointer(ctx_), pr(ctx_, acceleration), offset(ctx_),
      zoom(ctx_) {}

void TraceControls::stopAll() {
    cursors.stopAll();
    pr.stopAll();
    offset.stopAll();
    zoom.stopAll();
    acceleration.release();
}

} // namespace app::controls
