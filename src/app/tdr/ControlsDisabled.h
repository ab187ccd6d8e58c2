#pragma once
#include "store/Dataset.h"

namespace app::tdr {

// Keeps a dataset's grids quiet while it lives, also when an error ends the
// work early. Enabling the controls again runs the deferred data-change event,
// which redraws and may fail: done() lets that error reach the caller, while
// the destructor (an error already on its way) swallows it.
class ControlsDisabled {
public:
    explicit ControlsDisabled(store::Dataset& ds) : ds_(ds) { ds_.disableControls(); }
    ~ControlsDisabled() {
        if (done_) return;
        try {
            ds_.enableControls();
        } catch (...) {
        }
    }
    void done() {
        done_ = true;
        ds_.enableControls();
    }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    store::Dataset& ds_;
    bool done_ = false;
};

} // namespace app::tdr
