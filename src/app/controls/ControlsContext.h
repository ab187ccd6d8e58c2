#pragma once
#include "app/controls/HandlerGuard.h"

namespace gui {
class Clock;
}
namespace store {
class DataModuleHost;
class ViewState;
class TDataModule1;
} // namespace store
namespace trace {
class TraceView;
}

namespace app {
class WindowState;
}

namespace app::controls {

// What the trace controls work on: the shown waveform's and the window's state, the data module's
// datasets, the window's redraw entry points (Redraw, UpdateRange), the trace
// view for the cursor steps, the clock behind the auto-repeat timers and the
// guard their handlers run under.
struct ControlsContext {
    store::ViewState& state;
    WindowState& windowState;
    store::TDataModule1& dm;
    store::DataModuleHost& window;
    trace::TraceView& view;
    gui::Clock& clock;
    const HandlerGuard& guard;
};

} // namespace app::controls
