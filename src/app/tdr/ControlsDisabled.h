#pragma once
#include "store/Dataset.h"

namespace tdr {

// Keeps a dataset's grids quiet while it lives, also when an error ends the
// work early.
class ControlsDisabled {
public:
    explicit ControlsDisabled(store::Dataset& ds) : ds_(ds) { ds_.disableControls(); }
    ~ControlsDisabled() { ds_.enableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    store::Dataset& ds_;
};

} // namespace tdr
