// The name editor reached from the exchange window's database grid, through
// the dialogs as the start-up creates and wires them.
#include "app/InstrumentDialogs.h"
#include "store/TDataModule1.h"
#include "store/ViewState.h"
#include "support/RecordingHost.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

TEST(EdtFldWiringTest, doubleClickInTheExchangeWindowRenamesTheCurrentLibraryWaveform) {
    TempHome home;
    RecordingMessages messages;
    store::ViewState state;
    RecordingHost host;
    store::TDataModule1 dm(state, host);
    dm.openStore();
    for (int i = 1; i <= 2; ++i) {
        dm.t_master.append();
        dm.t_master.fieldByName("REC_ID").setInteger(i);
        dm.t_master.fieldByName("MEMO").setString(QStringLiteral("old %1").arg(i));
        dm.t_master.fieldByName("DEVICE_TYPE").setString("KM-41A1 ver.5");
        dm.t_master.post();
    }
    app::InstrumentDialogs dialogs(dm, state, host, nullptr);
    EXPECT_EQ(dialogs.frmAbout.lbVer->text(), "Echolon 4.1.1.127");

    dm.t_master.moveTo(1);
    QString shown;
    QTimer::singleShot(0, [&] {
        shown = dialogs.frmEdtFld.edName->text();
        dialogs.frmEdtFld.edName->setText("new name");
        dialogs.frmEdtFld.BitBtn1->click();
    });
    emit dialogs.Form2.DBGridEhConnect->doubleClicked(dialogs.Form2.DBGridEhConnect->model()->index(1, 1));
    EXPECT_EQ(shown, "old 2");
    EXPECT_EQ(dm.t_master.fieldByName("MEMO").asString(), "new name");
    EXPECT_TRUE(messages.errors.isEmpty());

    // OK in the port dialog applies the main window's filter.
    dialogs.frmChkDev.core().btOKClick();
    EXPECT_EQ(host.filters(), 1);
}
