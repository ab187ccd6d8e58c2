#include "WaitUntil.h"
#include "exchange/serial/CommErrorDisplay.h"
#include "exchange/serial/ERsCommError.h"
#include "exchange/serial/TRsComm.h"
#include "fakes/FakeSerialLine.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace serial;

namespace {

// An adapter pulled out while the port is in use.
class DeviceGone : public ::testing::Test {
protected:
    void SetUp() override {
        setCommErrorDisplay([this](const QString& text) { shown << text; });
        port.SetDeviceFactory(line.factory());
        port.setMonitorEvents({ceRxChar, ceRxFlag});
        port.OnRxChar = [this](TRsComm& sender, int count) {
            QByteArray chunk(count, '\0');
            chunk.truncate(sender.ReadBuf(chunk.data(), count));
            received += chunk;
        };
        port.OnClose = [this](TRsComm&) { ++closed; };
    }
    void TearDown() override { setCommErrorDisplay({}); }

    QString readError() {
        char buffer[8];
        try {
            port.ReadBuf(buffer, sizeof buffer);
        } catch (const ERsCommError& e) {
            return e.message();
        }
        return {};
    }

    FakeSerialLine line;
    TRsComm port;
    QStringList shown;
    QByteArray received;
    int closed = 0;
};

} // namespace

TEST_F(DeviceGone, halfwayThroughAnAnswerThePortReportsItAndClosesWithoutHanging) {
    port.Open();
    port.WriteBuf("\x55\x07", 2);
    ASSERT_TRUE(waitUntil([&] { return line.written().size() == 2; }));
    line.send(QByteArray(200, 'a'), {64, 64});
    ASSERT_TRUE(waitUntil([&] { return received.size() == 200; }));

    line.unplug(ENODEV);
    port.WriteBuf("\x55\x08", 2);
    ASSERT_TRUE(waitUntil([&] { return !shown.isEmpty(); }));
    EXPECT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.value(0).startsWith(QStringLiteral("Error retrieving statistics (19), ")))
        << shown.join('|').toStdString();
    EXPECT_TRUE(readError().startsWith(QStringLiteral("Read error (19), "))) << readError().toStdString();
    EXPECT_EQ(received.size(), 200);

    port.Close();
    EXPECT_FALSE(port.Active());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(portThreadCount(), 0);
    EXPECT_EQ(line.openDevices(), 0);
    try {
        port.Open();
        FAIL() << "the missing device opened";
    } catch (const ERsCommError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Specified device not found (")))
            << e.message().toStdString();
    }
}

TEST_F(DeviceGone, whileAWriteWaitsForRoomTheWriteThreadWakesAndReportsIt) {
    line.stall();
    port.Open();
    port.WriteBuf("request", 7);
    line.unplug(EIO);
    ASSERT_TRUE(waitUntil([&] { return !shown.isEmpty(); }));
    EXPECT_TRUE(shown.value(0).startsWith(QStringLiteral("Error retrieving statistics (5), ")))
        << shown.join('|').toStdString();
    port.Close();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(portThreadCount(), 0);
    EXPECT_TRUE(line.written().isEmpty());
}

TEST_F(DeviceGone, aStalledLineNeverHoldsUpClose) {
    line.stall();
    port.Open();
    port.WriteBuf("request", 7);
    line.send("answer");
    port.Close();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(portThreadCount(), 0);
    EXPECT_EQ(line.openDevices(), 0);
}
