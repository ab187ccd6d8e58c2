#pragma once
#include <QString>

namespace store {

// What the data module, the exchange window and the port dialog need of the
// main window: its view switches, the type filter and the trace view's entry
// points. The program's composition root provides it.
class DataModuleHost {
public:
    virtual ~DataModuleHost() = default;
    virtual void SetWaveformViewEnabled(bool enabled) = 0;
    // The compare grid DBGridEh2, off while the compare library is empty.
    virtual void SetCompareGridEnabled(bool enabled) = 0;
    virtual void applyDeviceFilter() = 0;
    virtual void updateRange() = 0;
    virtual void redraw(int mode) = 0;
    // The server library stopped answering (`why` says which and what
    // follows) or answers again; the window says so once each.
    virtual void libraryConnectionLost(const QString& why) { (void)why; }
    virtual void libraryConnectionRestored(const QString& library) { (void)library; }
};

} // namespace store
