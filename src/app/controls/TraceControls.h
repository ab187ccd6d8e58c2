#pragma once
#include "app/controls/ControlsContext.h"
#include "app/controls/CursorControls.h"
#include "app/controls/CursorPointer.h"
#include "app/controls/HandlerGuard.h"
#include "app/controls/OffsetControls.h"
#include "app/controls/PrControls.h"
#include "app/controls/RepeatAcceleration.h"
#include "app/controls/ZoomControls.h"

namespace app::controls {

// The control panel left of the main chart, without a window: cursors, PR,
// offset and zoom with their auto-repeat timers on one clock. The wiring
// forwards the buttons' presses and releases here; tests drive it directly.
class TraceControls {
    // First, so that the parts below are built on them.
    HandlerGuard guard_;
    ControlsContext ctx_;

public:
    TraceControls(store::ViewState& state, WindowState& windowState, store::TDataModule1& dm,
                  store::DataModuleHost& window, trace::TraceView& view, gui::Clock& clock);

    RepeatAcceleration acceleration; // cngTimeout
    CursorControls cursors;
    CursorPointer pointer; // the cursors under the mouse on the lower chart
    PrControls pr;
    OffsetControls offset;
    ZoomControls zoom;

    // Every auto-repeat stops and RepeatStep is 1 again; run after an error.
    void stopAll();
};

} // namespace app::controls
