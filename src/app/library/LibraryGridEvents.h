#pragma once
#include <functional>

namespace store {
class DataModuleHost;
class MainState;
class TDataModule1;
} // namespace store

namespace app::library {

class CompareLibrary;

// Mouse and key events of the library grid DBGridEh1 and the compare grid
// DBGridEh2, without a window. Store failures are raised as store::StoreError.
class LibraryGridEvents {
public:
    LibraryGridEvents(store::MainState& state, store::TDataModule1& dm, store::DataModuleHost& window,
                      CompareLibrary& compare);

    // A click in the library grid: the library's current record is the
    // waveform in view again, with its offset (and, for "KMX-417", its zoom).
    void DBGridEh1MouseDown();
    // The Delete key deletes the current library row at once, without a
    // question. True when the key was handled.
    bool DBGridEh1KeyDown(int key);
    // Opens the waveform name editor, when one is installed. True when it was.
    bool DBGridEh1DblClick();
    // The Delete key deletes the current compare record; the rest are
    // renumbered and the view redrawn. True when the key was handled.
    bool DBGridEh2KeyDown(int key);

    // Shows the waveform name editor modally (installed by the start-up wiring).
    std::function<void()> showNameEditor;

private:
    store::MainState& state_;
    store::TDataModule1& dm_;
    store::DataModuleHost& window_;
    CompareLibrary& compare_;
};

} // namespace app::library
