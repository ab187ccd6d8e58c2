#include "tools/InstrumentDialogs.h"

#include "store/TDataModule1.h"

namespace tools {

InstrumentDialogs::InstrumentDialogs(store::TDataModule1& dm, store::MainState& state, QWidget* parent,
                                     std::function<void()> applyDeviceFilter, std::function<void(int)> redraw)
    : Form2(dm, state, parent),
      frmImport(parent),
      frmComm(parent),
      frmChkDev(state, parent),
      frmEdtFld(dm.t_master, parent),
      frmAbout(parent),
      connect(
          frmChkDev.core(), [this] { return frmChkDev.exec() == QDialog::Accepted; }, [this] { Form2.exec(); }) {
    Form2.setEngineDialog(&frmComm);
    Form2.core().applyDeviceFilter = applyDeviceFilter;
    Form2.core().redraw = std::move(redraw);
    Form2.onConnectGridDoubleClick = [this] { frmEdtFld.exec(); };
    frmChkDev.core().applyDeviceFilter = std::move(applyDeviceFilter);
}

} // namespace tools
