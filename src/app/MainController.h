#pragma once
#include <QString>
#include <functional>

namespace store {
class MainState;
class TDataModule1;
} // namespace store

namespace trace {
class ChartSet;
}

namespace app {

// The main window's commands that lead into the store and the dialogs, without
// a window: the type filter, opening another library file, and the commands
// that open the other windows. The window forwards its events here.
class MainController {
public:
    MainController(store::MainState& state, store::TDataModule1& dm, const trace::ChartSet& charts);

    // Entry points of the other subsystems, installed by the start-up wiring.
    std::function<void(int)> redraw;
    // Asks for a library file; an empty text is a cancelled dialog. The
    // argument is called for every folder the dialog enters.
    std::function<QString(const std::function<void(const QString&)>& folderEntered)> chooseLibraryFile;
    std::function<void()> openWaveformFiles; // "Open waveform" in the "KMX-419" mode
    std::function<void()> connectInstrument; // the exchange path of "Connect"
    std::function<void()> showPortSettings;  // "Device connect settings..."
    std::function<void()> importOldDatabase; // "Import"
    std::function<void()> showAbout;         // "About..."
    std::function<void()> printReport;       // "Print"

    void ApplyDeviceFilter();
    void ComboBox_typeChange(int index); // the user chose a type entry
    // A library in the Access format is offered for conversion first.
    void btOpenClick();
    void OpenDialogForm1FolderChange(const QString& folder);
    void bConnectClick();
    void mnOptionsClick();
    void btImportClick();
    void mnAboutClick();
    void btPrintClick();

    // Offers to convert a library in the Access format into a new SQLite one
    // beside it: the converted library's path, empty when the user declined or
    // it failed (said so).
    QString convertAccessLibrary(const QString& path);

private:
    store::MainState& state_;
    store::TDataModule1& dm_;
    const trace::ChartSet& charts_;
};

} // namespace app
