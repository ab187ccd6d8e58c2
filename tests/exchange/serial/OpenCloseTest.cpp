#include "PtyPair.h"
#include "WaitUntil.h"
#include "exchange/serial/CommErrorDisplay.h"
#include "exchange/serial/ERsCommError.h"
#include "exchange/serial/TRsComm.h"

#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

using namespace serial;

namespace {

QString openError(TRsComm& port) {
    try {
        port.Open();
    } catch (const ERsCommError& e) {
        return e.message();
    }
    return {};
}

class OpenClose : public ::testing::Test {
protected:
    void SetUp() override {
        port.setDeviceName(pty.devicePath());
        port.OnOpen = [this](TRsComm&) { ++opened; };
        port.OnClose = [this](TRsComm&) { ++closed; };
    }
    PtyPair pty;
    TRsComm port;
    int opened = 0;
    int closed = 0;
};

} // namespace

TEST_F(OpenClose, callsOnAClosedPortReturnZeroAndRaiseNothing) {
    char buffer[4];
    EXPECT_EQ(port.WriteBuf("abc", 3), 0);
    EXPECT_EQ(port.ReadBuf(buffer, 4), 0);
    EXPECT_EQ(port.ReadBufUsed(), 0);
    port.PurgeReadWrite();
    port.PurgeRead();
    port.PurgeWrite();
    port.Close();
    EXPECT_FALSE(port.Active());
    EXPECT_EQ(closed, 0);
}

TEST_F(OpenClose, openAndCloseFireTheirEventsOnceAndLeaveNoThread) {
    port.Open();
    EXPECT_TRUE(port.Active());
    EXPECT_EQ(portThreadCount(), 2);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(port.EventMask(), 0x0081u);
    port.Close();
    port.Close();
    EXPECT_FALSE(port.Active());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(portThreadCount(), 0);
    port.Open();
    EXPECT_TRUE(port.Active());
}

TEST_F(OpenClose, autoOpenOpensWhenTheOwnerHasLoaded) {
    port.Loaded();
    EXPECT_FALSE(port.Active());
    port.setAutoOpen(true);
    port.Loaded();
    EXPECT_TRUE(port.Active());
    EXPECT_EQ(opened, 1);
}

TEST_F(OpenClose, missingDeviceIsNotFoundAndLeavesThePortClosed) {
    QTemporaryDir dir;
    port.setDeviceName(dir.filePath(QStringLiteral("ttyX%d")));
    port.setPortNum(7);
    EXPECT_EQ(openError(port), QStringLiteral("Specified device not found (%1).").arg(dir.filePath("ttyX6")));
    EXPECT_FALSE(port.Active());
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(portThreadCount(), 0);
}

TEST_F(OpenClose, heldDeviceIsDeniedAndLeavesThePortClosed) {
    {
        const int fd = ::open(pty.devicePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
        const QString message = openError(port);
        ::close(fd);
        EXPECT_TRUE(message.startsWith(
            QStringLiteral("Can't open specified device %1 (Error ").arg(pty.devicePath())))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("Access is denied"))) << message.toStdString();
        EXPECT_FALSE(port.Active());
        EXPECT_EQ(portThreadCount(), 0);
    }
    // A second port of this program on the same device is refused the same way.
    port.Open();
    TRsComm second;
    second.setDeviceName(pty.devicePath());
    EXPECT_TRUE(openError(second).contains(QStringLiteral("Access is denied")));
    EXPECT_FALSE(second.Active());
    EXPECT_EQ(opened, 1);
}

TEST_F(OpenClose, settingsThatHoldForAnOpenPeriodRaiseAndKeepTheirValue) {
    port.setPortNum(3);
    port.Open();
    const QString busy = QStringLiteral("Can't perform this operation while port is open");
    const auto raises = [&](auto change) {
        try {
            change();
        } catch (const ERsCommError& e) {
            return e.message() == busy;
        }
        return false;
    };
    EXPECT_TRUE(raises([&] { port.setPortNum(4); }));
    EXPECT_EQ(port.portNum(), 3);
    EXPECT_TRUE(raises([&] { port.setDeviceName(QStringLiteral("/dev/null")); }));
    EXPECT_EQ(port.deviceName(), pty.devicePath());
    EXPECT_TRUE(raises([&] { port.setMonitorEvents({ceRxChar}); }));
    EXPECT_TRUE(raises([&] { port.Buffers().setWriteSize(10); }));
    EXPECT_EQ(port.Buffers().writeSize(), 2048);
    EXPECT_TRUE(raises([&] { port.Open(); }));
    EXPECT_TRUE(port.Active());
}

TEST_F(OpenClose, lineSpeedChangesWhileOpenWithoutAClose) {
    port.setBaudrate(br9600);
    port.Open();
    EXPECT_EQ(pty.lineSpeed(), 9600);
    port.setBaudrate(br56000);
    EXPECT_EQ(pty.lineSpeed(), 56000);
    port.setUserBaudrate(12345);
    EXPECT_EQ(port.baudrate(), brUser);
    EXPECT_EQ(pty.lineSpeed(), 12345);
    port.setBaudrate(br115200);
    EXPECT_EQ(port.userBaudrate(), 0);
    EXPECT_EQ(pty.lineSpeed(), 115200);
    EXPECT_TRUE(port.Active());
    EXPECT_EQ(closed, 0);
    // brUser without a speed would hang the line up: refused, port stays open.
    port.setUserBaudrate(0);
    EXPECT_THROW(port.setBaudrate(brUser), ERsCommError);
    EXPECT_EQ(pty.lineSpeed(), 115200);
    EXPECT_TRUE(port.Active());
}

TEST_F(OpenClose, destroyingAnOpenPortClosesItWithoutOnClose) {
    auto owned = std::make_unique<TRsComm>();
    owned->setDeviceName(pty.devicePath());
    owned->OnClose = [this](TRsComm&) { ++closed; };
    owned->Open();
    owned.reset();
    EXPECT_EQ(closed, 0);
    port.Open();
    EXPECT_TRUE(port.Active());
}

TEST_F(OpenClose, onOpenExceptionIsShownAndThePortStaysOpen) {
    QStringList shown;
    setCommErrorDisplay([&](const QString& text) { shown << text; });
    port.OnOpen = [](TRsComm&) { throw ERsCommError(QStringLiteral("handler failed")); };
    port.Open();
    setCommErrorDisplay({});
    EXPECT_EQ(shown, QStringList{QStringLiteral("handler failed")});
    EXPECT_TRUE(port.Active());
}

TEST_F(OpenClose, closeFromInsideAHandlerAndWithAHandOverPendingNeverBlocks) {
    port.setMonitorEvents({ceRxChar});
    int rx = 0;
    port.OnRxChar = [&](TRsComm& sender, int) {
        ++rx;
        sender.Close();
    };
    port.Open();
    pty.send("x");
    ASSERT_TRUE(waitUntil([&] { return !port.Active(); }));
    EXPECT_EQ(rx, 1);
    EXPECT_EQ(closed, 1);

    // The write thread waits to hand OnTxEmpty to a main thread that runs no events.
    int txEmpty = 0;
    port.OnTxEmpty = [&](TRsComm&) { ++txEmpty; };
    port.Open();
    port.WriteBuf("y", 1);
    ASSERT_EQ(pty.readFor(1, 5000), QByteArray("y"));
    port.Close();
    runEventsFor(200);
    EXPECT_EQ(txEmpty, 0) << "a call queued before Close ran after it";
}

TEST_F(OpenClose, handlerExceptionsAreShownAndEventsGoOn) {
    QStringList shown;
    setCommErrorDisplay([&](const QString& text) { shown << text; });
    port.setMonitorEvents({ceRxChar});
    int rx = 0;
    port.OnRxChar = [&](TRsComm& sender, int count) {
        ++rx;
        QByteArray bytes(count, '\0');
        sender.ReadBuf(bytes.data(), count);
        throw std::runtime_error("bad answer");
    };
    port.OnTxEmpty = [](TRsComm&) { throw ERsCommError(QStringLiteral("bad tx")); };
    port.Open();
    pty.send("1");
    ASSERT_TRUE(waitUntil([&] { return rx == 1; }));
    pty.send("2");
    ASSERT_TRUE(waitUntil([&] { return rx == 2; }));
    port.WriteBuf("z", 1);
    ASSERT_TRUE(waitUntil([&] { return shown.size() == 3; }));
    setCommErrorDisplay({});
    EXPECT_EQ(shown, (QStringList{"bad answer", "bad answer", "bad tx"}));
}
