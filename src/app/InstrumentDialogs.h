#pragma once
#include "exchange/ConnectCommand.h"
#include "exchange/TForm2.h"
#include "exchange/TfrmChkDev.h"
#include "exchange/TfrmComm.h"
#include "tools/TfrmAbout.h"
#include "tools/TfrmEdtFld.h"
#include "tools/TfrmImport.h"
#include "tools/WaveformNoteDialog.h"

class QWidget;

namespace store {
class DataModuleHost;
class ViewState;
class TDataModule1;
} // namespace store

namespace app {

// The dialogs behind the main window's Connect, "Device connect settings...",
// "Import", "About..." and the library grid's double click and "Note...", created in their
// start-up order and connected to each other: the exchange window runs its
// lists in the engine dialog and renames through the name editor; the port
// dialog and the exchange window apply the main window's type filter. The
// dialogs are children of `parent`: the object goes before the parent does.
class InstrumentDialogs {
public:
    InstrumentDialogs(store::TDataModule1& dm, store::ViewState& state, store::DataModuleHost& mainWindow,
                      QWidget* parent);

    exchange::TForm2 Form2;
    tools::TfrmImport frmImport;
    exchange::TfrmComm frmComm;
    exchange::TfrmChkDev frmChkDev;
    tools::TfrmEdtFld frmEdtFld;
    tools::TfrmAbout frmAbout;
    exchange::ConnectCommand connect;
    tools::WaveformNoteDialog frmNote;

    void bConnectClick() { connect.bConnectClick(); }
    void mnOptionsClick() { connect.mnOptionsClick(); }
    void mnAboutClick() { frmAbout.exec(); }
    // Double click on the library grid (and on the exchange window's).
    void DBGridEh1DblClick() { frmEdtFld.exec(); }
    // "Note..." of the library grid's context menu.
    void mnNoteClick() { frmNote.editCurrent(); }
};

} // namespace app
