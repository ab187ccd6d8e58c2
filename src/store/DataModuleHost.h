#pragma once

namespace store {

// What the data module needs of the main window beyond its shared state:
// the view switch, the type filter and the trace view's entry points.
class DataModuleHost {
public:
    virtual ~DataModuleHost() = default;
    virtual void SetWaveformViewEnabled(bool enabled) = 0;
    virtual void applyDeviceFilter() = 0;
    virtual void updateRange() = 0;
    virtual void redraw(int mode) = 0;
};

} // namespace store
