#include "app/InstrumentDialogs.h"

#include "store/TDataModule1.h"

namespace app {

InstrumentDialogs::InstrumentDialogs(store::TDataModule1& dm, store::ViewState& state,
                                     store::DataModuleHost& mainWindow, QWidget* parent)
    : Form2(dm, state, mainWindow, parent), frmImport(parent), frmComm(parent),
      frmChkDev(state, mainWindow, parent), frmEdtFld(dm.t_master, parent), frmAbout(parent),
      connect(
          frmChkDev.core(), [this] { return frmChkDev.exec() == QDialog::Accepted; },
          [this] { Form2.exec(); }),
      frmNote(dm.t_master, parent) {
    Form2.setEngineDialog(&frmComm);
    QObject::connect(&Form2, &exchange::TForm2::connectGridDoubleClicked, &frmEdtFld,
                     [this] { frmEdtFld.exec(); });
}

} // namespace app
