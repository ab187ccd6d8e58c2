#pragma once
#include <QString>

namespace store {

class DataModuleHost;
class ViewState;
class TDataModule1;

// "Open database" of the main window and of the exchange window: registers the
// chosen file as the library and reopens the library views. A file that cannot
// be opened is reported in the error box; the views redraw (mode 3) either way.
void openChosenLibrary(TDataModule1& dm, ViewState& state, const QString& path, DataModuleHost& window);

// Folder change inside that file dialog: a folder under the program's Data
// folder gets the empty library when it has none; failures are reported.
void restoreLibraryInto(TDataModule1& dm, const QString& folder);

} // namespace store
