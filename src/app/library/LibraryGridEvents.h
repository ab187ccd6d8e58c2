#pragma once

namespace store {
class DataModuleHost;
class ViewState;
class TDataModule1;
} // namespace store

namespace app::library {

class CompareLibrary;

// Mouse and key events of the library grid DBGridEh1 and the compare grid
// DBGridEh2, without a window. Store failures are raised as store::StoreError.
class LibraryGridEvents {
public:
    LibraryGridEvents(store::ViewState& state, store::TDataModule1& dm, store::DataModuleHost& window,
                      CompareLibrary& compare);

    // A click in the library grid: the library's current record is the
    // waveform in view again, with its offset (and, for "KMX-417", its zoom).
    void DBGridEh1MouseDown();
    // The Delete key deletes the current library row at once, without a
    // question. True when the key was handled.
    bool DBGridEh1KeyDown(int key);
    // The Delete key deletes the current compare record; the rest are
    // renumbered and the view redrawn. True when the key was handled.
    bool DBGridEh2KeyDown(int key);

private:
    store::ViewState& state_;
    store::TDataModule1& dm_;
    store::DataModuleHost& window_;
    CompareLibrary& compare_;
};

} // namespace app::library
