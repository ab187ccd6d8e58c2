// A USB adapter as the port: the dialog lists it by what it is, keeps its
// stable name in the settings, and the exchange runs over it. The adapter is
// the simulated instrument's pseudo-terminal behind a by-id link.
#include "SimProcess.h"
#include "exchange/RsCommPort.h"
#include "exchange/TfrmChkDev.h"
#include "exchange/TfrmComm.h"
#include "fakes/FakeSerialLine.h"
#include "store/IniFile.h"
#include "store/ViewState.h"
#include "support/RecordingHost.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace serial;

using namespace exchange;

namespace {

class AdapterPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(sim.device().isEmpty()) << "the simulator did not start";
        QDir().mkpath(home.file("dev/serial/by-id"));
        ASSERT_TRUE(QFile::link(sim.device(), stable));
        adapter.device = sim.device();
        adapter.stableName = stable;
        adapter.usb = true;
        adapter.maker = "Maker";
        adapter.model = "USB-Serial Cable";
        adapter.serial = "X1";
        store::IniFile settings(home.file("Echolon.v41"));
        settings.writeInteger("COM", "PortNum", 7);
        settings.writeString("COM", "DeviceName", home.file("no-such-tty%d")); // numbered ports lead nowhere
        ASSERT_TRUE(settings.save());
    }
    QString setting(const QString& key) const {
        return store::IniFile(home.file("Echolon.v41")).readString("COM", key, "<none>");
    }

    TempHome home;
    RecordingMessages messages;
    store::ViewState state;
    RecordingHost host;
    SimProcess sim{{}};
    QString stable = home.file("dev/serial/by-id/usb-Maker_USB-Serial_Cable_X1-if00-port0");
    SerialPortInfo adapter;
    QList<SerialPortInfo> plugged;
};

} // namespace

TEST_F(AdapterPortTest, chosenAdapterIsKeptByItsStableNameAndCarriesTheExchange) {
    TfrmChkDev dialog(state, host);
    dialog.core().setDiscovery([this] { return plugged; });
    dialog.core().FormActivate();
    EXPECT_EQ(dialog.cb_PortNum->currentText(), "COM7");

    // Plugged in while the dialog is open: listed first, with what it is.
    plugged = {adapter};
    dialog.core().rescan();
    ASSERT_GE(dialog.cb_PortNum->count(), 257);
    EXPECT_TRUE(dialog.cb_PortNum->itemText(0).contains("Maker USB-Serial Cable (X1)"));
    EXPECT_EQ(dialog.cb_PortNum->currentText(), "COM7") << "the choice stays through a rescan";
    dialog.core().cb_PortNumChange(0);
    EXPECT_TRUE(messages.infos.isEmpty()) << messages.infos.join('\n').toStdString();
    dialog.core().btOKClick();
    EXPECT_EQ(setting("Device"), stable);
    EXPECT_EQ(setting("PortNum"), "7") << "kept for settings that name no device";

    // The exchange opens the device the settings name.
    CommandList list;
    list.add("02010000");
    TfrmComm engine;
    engine.setCommands(&list);
    QTimer::singleShot(60000, &engine, [&engine] { engine.reject(); });
    EXPECT_EQ(engine.exec(), QDialog::Accepted) << messages.errors.join('\n').toStdString();
    ASSERT_NE(list.object(0), nullptr);
    EXPECT_EQ(list.object(0)->bytes.size(), 385);

    // Unplugged, its stable name gone: the choice stays listed and selected, not lost.
    plugged.clear();
    ASSERT_TRUE(QFile::remove(stable));
    dialog.core().FormActivate();
    EXPECT_EQ(dialog.cb_PortNum->currentIndex(), 0);
    EXPECT_EQ(dialog.cb_PortNum->currentText(), stable + " (not connected)");

    // Back to a numbered port: the device key goes.
    store::IniFile settings(home.file("Echolon.v41"));
    settings.writeString("COM", "DeviceName", sim.device());
    ASSERT_TRUE(settings.save());
    dialog.core().FormActivate();
    dialog.core().cb_PortNumChange(dialog.cb_PortNum->findText("COM1"));
    dialog.core().btOKClick();
    EXPECT_EQ(setting("Device"), "<none>");
}

// A line that fell silent, as the port tells it: the simulator ended, its
// pseudo-terminal gone behind the stable name, is a line closed at the other
// end; any other device whose node went away is an adapter unplugged.
TEST_F(AdapterPortTest, lostLine_isClosedAtTheOtherEndOrAnAdapterUnplugged) {
    RsCommPort pty;
    pty.setDevice(stable);
    pty.open();
    EXPECT_EQ(pty.lineLoss(), LineLoss::None);
    sim.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(sim.device()); }, 5000));
    EXPECT_EQ(pty.lineLoss(), LineLoss::Closed);
    pty.close();
    EXPECT_EQ(pty.lineLoss(), LineLoss::Closed) << "still known once closed";

    FakeSerialLine line;
    const QString node = home.file("ttyUSB0");
    QFile file(node);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    RsCommPort adapterPort;
    adapterPort.port.SetDeviceFactory(line.factory());
    adapterPort.setDevice(node);
    adapterPort.open();
    EXPECT_EQ(adapterPort.lineLoss(), LineLoss::None);
    ASSERT_TRUE(QFile::remove(node));
    EXPECT_EQ(adapterPort.lineLoss(), LineLoss::Gone);
}
