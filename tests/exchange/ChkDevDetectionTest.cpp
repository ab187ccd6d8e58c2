#include "exchange/DeviceDetection.h"
#include "exchange/PortSettings.h"
#include "exchange/serial/PlatformError.h"
#include "fakes/ManualClock.h"
#include "fakes/MemoryPort.h"
#include "store/ViewState.h"
#include "support/RecordingHost.h"
#include "support/RecordingMessages.h"
#include "support/TempHome.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace serial;

using exchange::DeviceDetection;
using exchange::LineSpeed;
using exchange::PortSettings;

namespace {

class ChkDevDetectionTest : public ::testing::Test {
protected:
    ChkDevDetectionTest()
        : settings(port, clock, state, host, window, [] { return QList<SerialPortInfo>(); }) {
        settings.FormCreate();
        settings.FormActivate();
    }

    static QByteArray answer(int size, int at = -1, char value = 0) {
        QByteArray b(size, '\x11');
        if (at >= 0) b[at] = value;
        return b;
    }

    // Runs a detection whose first probe gets `first` and, when that is empty, the second `second`.
    void detect(const QByteArray& first, const QByteArray& second = {}) {
        settings.btTypeClick();
        if (!first.isEmpty()) port.feed(first);
        clock.advance(DeviceDetection::kProbeTime);
        if (first.isEmpty()) {
            clock.advance(DeviceDetection::kSecondProbeDelay);
            if (!second.isEmpty()) port.feed(second);
            clock.advance(DeviceDetection::kProbeTime);
        }
    }

    int selected() const { return settings.view().devTypeIndex; }

    TempHome home;
    RecordingMessages messages;
    store::ViewState state;
    exchange::MemoryPort port;
    exchange::ManualClock clock;
    RecordingHost host;
    struct : PortSettings::Window {
        void viewChanged() override {}
        void closeDialog(bool) override {}
    } window;
    PortSettings settings;
};

} // namespace

TEST_F(ChkDevDetectionTest, probeShowsWaitingTextAndLocksTheDialogUntilClassified) {
    settings.btTypeClick();
    const auto& v = settings.view();
    ASSERT_EQ(v.devTypeItems.size(), 6);
    EXPECT_EQ(v.devTypeItems[2], PortSettings::kWaitText);
    EXPECT_EQ(v.devTypeItems[5], "!!!не определен!!!");
    EXPECT_EQ(v.devTypeIndex, -1);
    EXPECT_FALSE(v.okEnabled);
    EXPECT_FALSE(v.connectEnabled);
    EXPECT_FALSE(v.devTypeEnabled);
    EXPECT_TRUE(port.active());
    EXPECT_EQ(port.lineSpeed(), LineSpeed::Baud9600);
    EXPECT_EQ(port.lastWrite(), QByteArray("\x55\x00", 2));

    port.feed(answer(385));
    clock.advance(DeviceDetection::kProbeTime - 1);
    EXPECT_EQ(selected(), -1);
    clock.advance(1);
    EXPECT_FALSE(port.active());
    EXPECT_EQ(selected(), DeviceDetection::EntryFullBlock);
    EXPECT_NE(v.devTypeItems[2], PortSettings::kWaitText);
    EXPECT_TRUE(v.devTypeEnabled);
    EXPECT_FALSE(v.okEnabled); // entries from 2 on cannot connect
}

TEST_F(ChkDevDetectionTest, shortListAnswerTellsVariantByByte239) {
    detect(answer(257, 239, char(0x10)));
    EXPECT_EQ(selected(), DeviceDetection::EntryShortFrameB);
    EXPECT_TRUE(settings.view().okEnabled);
    detect(answer(257, 239, char(0x03)));
    EXPECT_EQ(selected(), DeviceDetection::EntryShortFrame);
    detect(answer(257, 239, char(0x00)));
    EXPECT_EQ(selected(), DeviceDetection::EntryShortFrame);
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(ChkDevDetectionTest, silenceLeadsToPacketProbeAt56000After200ms) {
    settings.btTypeClick();
    clock.advance(DeviceDetection::kProbeTime);
    EXPECT_FALSE(port.active());
    port.clearWrites();
    clock.advance(DeviceDetection::kSecondProbeDelay - 1);
    EXPECT_TRUE(port.writes().isEmpty());
    clock.advance(1);
    EXPECT_TRUE(port.active());
    EXPECT_EQ(port.lineSpeed(), LineSpeed::Baud56000);
    EXPECT_EQ(port.lastWrite(), QByteArray("\x01\x00\x00\x06\x02\x01\x01", 7));
    clock.advance(DeviceDetection::kProbeTime);
    EXPECT_FALSE(port.active());
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_EQ(messages.infos[0], "Устройство не отвечает! Операция прервана.");
    EXPECT_EQ(selected(), DeviceDetection::EntryUnknown);
    EXPECT_FALSE(settings.view().okEnabled);
}

TEST_F(ChkDevDetectionTest, packetAnswersAndLongBlocksMeanPacketInstrument) {
    detect({}, answer(9, 4, char(0xFE)));
    EXPECT_EQ(selected(), DeviceDetection::EntryPacket);
    // Far more than the 1024-byte buffer: counted, stored only up to the buffer.
    detect(answer(3000));
    EXPECT_EQ(selected(), DeviceDetection::EntryPacket);
    EXPECT_EQ(port.pending(), 0);
}

TEST_F(ChkDevDetectionTest, unknownCountKeepsSelection_fewBytesAreNotReadPastTheirEnd) {
    detect(answer(257, 239, char(0x10)));
    ASSERT_EQ(selected(), 1);
    detect(answer(3));
    EXPECT_EQ(selected(), -1); // cleared by the start, kept by the classification
    EXPECT_TRUE(settings.view().okEnabled);
    EXPECT_EQ(DeviceDetection::classify(QByteArray(4, char(0xFE)), 4), DeviceDetection::EntryKeep);
    EXPECT_EQ(DeviceDetection::classify(QByteArray(257, '\0'), 257), DeviceDetection::EntryShortFrame);
    EXPECT_EQ(DeviceDetection::classify(QByteArray(100, '\0'), 257), DeviceDetection::EntryShortFrame);
}

TEST_F(ChkDevDetectionTest, probeUsesThePortShownInTheList_notTheOneTestedLast) {
    settings.cb_PortNumChange(2);
    port.openError = "Specified device not found (/dev/ttyS6).";
    settings.cb_PortNumChange(6); // refused: the list goes back to port 3
    port.openError.clear();
    ASSERT_EQ(settings.view().portIndex, 2);
    settings.btTypeClick();
    EXPECT_EQ(port.portNum(), 3);
    settings.BitBtn1Click();
}

TEST_F(ChkDevDetectionTest, portRefusedForLackOfPermission_namesTheCommandThatFixesIt) {
    port.openError =
        "Can't open specified device /dev/ttyUSB0 (Error 13, " + PlatformError::OpenText(EACCES) + ")";
    settings.cb_PortNumChange(2);
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_TRUE(messages.infos[0].contains("sudo usermod -aG dialout")) << messages.infos[0].toStdString();
    EXPECT_EQ(settings.view().portIndex, 0);
}

TEST_F(ChkDevDetectionTest, portThatCannotOpenEndsDetectionWithItsMessage) {
    port.openError = "Specified device not found (/dev/ttyS0).";
    settings.btTypeClick();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(messages.errors[0], port.openError);
    EXPECT_EQ(selected(), DeviceDetection::EntryUnknown);
    EXPECT_TRUE(settings.view().devTypeEnabled);
    EXPECT_EQ(clock.untilNext(), -1);
}

TEST_F(ChkDevDetectionTest, okAndCancelStopTheProbeAndCloseThePort) {
    settings.btTypeClick();
    settings.BitBtn1Click();
    EXPECT_FALSE(port.active());
    EXPECT_EQ(clock.untilNext(), -1);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(settings.view().devTypeItems[2], PortSettings::kDetectedTypes[2]);

    settings.btTypeClick();
    clock.advance(DeviceDetection::kProbeTime); // first probe silent: second probe pending
    settings.btOKClick();
    EXPECT_EQ(clock.untilNext(), -1);
    clock.advance(1000);
    EXPECT_FALSE(port.active());
}
