#pragma once
#include "store/DataModuleHost.h"

// A main window that only counts the redraws the data module asks of it.
class CountingHost final : public store::DataModuleHost {
public:
    void SetWaveformViewEnabled(bool) override {}
    void applyDeviceFilter() override {}
    void updateRange() override {}
    void redraw(int) override { ++redraws; }
    int redraws = 0;
};
