#pragma once
#include "link/ConnectCommand.h"
#include "link/TForm2.h"
#include "link/TfrmChkDev.h"
#include "link/TfrmComm.h"
#include "tools/TfrmAbout.h"
#include "tools/TfrmEdtFld.h"
#include "tools/TfrmImport.h"

#include <functional>

class QWidget;

namespace store {
class MainState;
class TDataModule1;
} // namespace store

namespace tools {

// The dialogs behind the main window's Connect, "Device connect settings...",
// "Import", "About..." and the library grid's double click, created in their start-up
// order and wired to each other: the exchange window runs its lists in the
// engine dialog and renames through the name editor; the port dialog applies
// the main window's type filter. The dialogs are children of `parent`: the
// object must be destroyed before the parent is.
class InstrumentDialogs {
public:
    // applyDeviceFilter and redraw are the main window's.
    InstrumentDialogs(store::TDataModule1& dm, store::MainState& state, QWidget* parent,
                      std::function<void()> applyDeviceFilter, std::function<void(int)> redraw);

    exchange::TForm2 Form2;
    TfrmImport frmImport;
    exchange::TfrmComm frmComm;
    exchange::TfrmChkDev frmChkDev;
    TfrmEdtFld frmEdtFld;
    TfrmAbout frmAbout;
    exchange::ConnectCommand connect;

    void bConnectClick() { connect.bConnectClick(); }
    void mnOptionsClick() { connect.mnOptionsClick(); }
    void mnAboutClick() { frmAbout.exec(); }
    // Double click on the library grid (and on the exchange window's).
    void DBGridEh1DblClick() { frmEdtFld.exec(); }
};

} // namespace tools
