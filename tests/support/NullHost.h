#pragma once
#include "store/DataModuleHost.h"

// A main window that does nothing, for tests that need the data module but
// not its view switch, type filter or redraws.
class NullHost final : public store::DataModuleHost {
public:
    void SetWaveformViewEnabled(bool) override {}
    void applyDeviceFilter() override {}
    void updateRange() override {}
    void redraw(int) override {}
};
