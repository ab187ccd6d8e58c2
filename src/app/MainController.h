#pragma once
#include "store/TDataModule1.h"

#include <QString>

namespace store {
class DataModuleHost;
class ViewState;
} // namespace store

namespace trace {
class ChartSet;
}

namespace app {

class CommandWindows;
class WindowState;

// The main window's commands that lead into the store and the dialogs, without
// a window: the type filter, opening another library file, and the commands
// that open the other windows. The window forwards its events here.
class MainController {
public:
    MainController(store::ViewState& state, WindowState& windowState, store::TDataModule1& dm,
                   const trace::ChartSet& charts, store::DataModuleHost& window, CommandWindows& windows);

    void ApplyDeviceFilter();
    void ComboBox_typeChange(int index); // the user chose a type entry
    // Open database: the file dialog's choice goes to openLibrary.
    void btOpenClick();
    // Opens a chosen library file or server address (empty: nothing happens).
    // A library in the Access format is offered for conversion first; a server
    // address the store refuses is told with nothing closed, and a server
    // library that opened is kept among the ones the dialog offers.
    void openLibrary(QString path);
    void OpenDialogForm1FolderChange(const QString& folder);
    void bConnectClick();
    void mnOptionsClick();
    void btImportClick();
    void mnAboutClick();
    void btPrintClick();
    // "Undo delete" (Ctrl+Z): the library waveform deleted last comes back as
    // the current row, or the compare waveforms the last type switch took out.
    void mnUndoDeleteClick();

    // Offers to convert a library in the Access format into a new SQLite one
    // beside it: the converted library's path, empty when the user declined or
    // it failed (said so).
    QString convertAccessLibrary(const QString& path);

private:
    // The status bar's note on the compare waveforms a type switch took out.
    static QString compareEmptiedNotice(const store::TDataModule1::Purged& purged);

    store::ViewState& state_;
    WindowState& windowState_;
    store::TDataModule1& dm_;
    const trace::ChartSet& charts_;
    store::DataModuleHost& window_;
    CommandWindows& windows_;
};

} // namespace app
