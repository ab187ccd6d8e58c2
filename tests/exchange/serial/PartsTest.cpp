#include "exchange/serial/DeviceName.h"
#include "exchange/serial/PlatformError.h"
#include "exchange/serial/TRsBuffers.h"
#include "exchange/serial/TRsComm.h"
#include "exchange/serial/TRsCommBuffer.h"
#include "exchange/serial/TRsTimeEvent.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace serial;

TEST(DeviceName, portNumberCountsFromOneAndDevicesFromZero) {
    EXPECT_EQ(DeviceName::Format(DeviceName::DefaultTemplate, 1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(DeviceName::Format(DeviceName::DefaultTemplate, 7), QStringLiteral("/dev/ttyS6"));
    EXPECT_EQ(DeviceName::Format(QStringLiteral("/dev/ttyUSB%d"), 256), QStringLiteral("/dev/ttyUSB255"));
    EXPECT_EQ(DeviceName::Format(QStringLiteral("/dev/pts/3"), 5), QStringLiteral("/dev/pts/3"));
    // A template from the settings file is never a format string.
    EXPECT_EQ(DeviceName::Format(QStringLiteral("/x/%s%n%%%d%"), 2), QStringLiteral("/x/%s%n%1%"));
    EXPECT_EQ(DeviceName::Format(DeviceName::DefaultTemplate, INT_MIN),
              QStringLiteral("/dev/ttyS-2147483649"));

    TRsComm port;
    EXPECT_EQ(port.deviceName(), QStringLiteral("/dev/ttyS%d"));
    port.setPortNum(3);
    EXPECT_EQ(port.GetDeviceName(), QStringLiteral("/dev/ttyS2"));
}

TEST(PlatformError, openFailuresAreKindedAndARefusedOneNamesTheFix) {
    EXPECT_TRUE(PlatformError::OpenText(EBUSY).contains(QStringLiteral("Access is denied")));
    const QString refused = PlatformError::OpenText(EACCES);
    EXPECT_TRUE(refused.contains(QStringLiteral("Access is denied")));
    EXPECT_TRUE(refused.contains("sudo usermod -aG dialout " + PlatformError::UserName()))
        << refused.toStdString();
    using Kind = ERsCommError::Kind;
    EXPECT_EQ(PlatformError::OpenFailure(ENOENT), Kind::DeviceMissing);
    EXPECT_EQ(PlatformError::OpenFailure(ENXIO), Kind::DeviceMissing);
    EXPECT_EQ(PlatformError::OpenFailure(EBUSY), Kind::DeviceBusy);
    EXPECT_EQ(PlatformError::OpenFailure(EWOULDBLOCK), Kind::DeviceBusy) << "held by flock";
    EXPECT_EQ(PlatformError::OpenFailure(EACCES), Kind::AccessRefused);
    EXPECT_EQ(PlatformError::OpenFailure(EINVAL), Kind::Other);
    EXPECT_EQ(PlatformError::Format(QStringLiteral("Error writing dcb (%d), %s"), 22, QStringLiteral("%d%s")),
              QStringLiteral("Error writing dcb (22), %d%s"));
    EXPECT_EQ(PlatformError::Format(QStringLiteral("Output buffer is full."), 5, QStringLiteral("x")),
              QStringLiteral("Output buffer is full."));
}

TEST(TimeEvent, expiresAfterItsDurationAcrossTheTickWrap) {
    TRsTimeEvent t{1000, 100};
    EXPECT_FALSE(TimerExpiredAt(t, 1100));
    EXPECT_TRUE(TimerExpiredAt(t, 1101));
    TRsTimeEvent wrapping{0xFFFFFF00u, 0x100};
    EXPECT_FALSE(TimerExpiredAt(wrapping, 0x00));
    EXPECT_TRUE(TimerExpiredAt(wrapping, 0x10));
    EXPECT_FALSE(TimerExpiredAt(wrapping, 0xFFFFFFFFu));
}

TEST(CommBuffer, countsAreCheckedAgainstWhatTheQueueHolds) {
    TRsCommBuffer buffer(8);
    EXPECT_EQ(buffer.Write("abcdef", 6), 6);
    EXPECT_EQ(buffer.Write("ghijk", 5), 2);
    EXPECT_EQ(buffer.Free(), 0);
    char out[16] = {};
    EXPECT_EQ(buffer.Peek(out, 3), 3);
    EXPECT_EQ(QByteArray(out, 3), QByteArray("abc"));
    EXPECT_EQ(buffer.Remove(2), 2);
    EXPECT_EQ(buffer.Read(out, 16), 6);
    EXPECT_EQ(QByteArray(out, 6), QByteArray("cdefgh"));
    EXPECT_EQ(buffer.Remove(5), 0);
    EXPECT_EQ(buffer.Write("z", -1), 0);
    EXPECT_EQ(buffer.Peek(out, -4), 0);
    EXPECT_EQ(TRsCommBuffer(-3).Capacity(), 0);
}

TEST(PropertyGroup, changeCallbackFollowsUpdatesAndRealChanges) {
    TRsBuffers buffers;
    int changes = 0;
    buffers.SetCallbacks({}, [&] { ++changes; });
    buffers.setReadTimeout(1000);
    EXPECT_EQ(changes, 0);
    buffers.setReadTimeout(100);
    EXPECT_EQ(changes, 1);
    buffers.BeginUpdate();
    buffers.setWriteTimeout(100);
    buffers.setWriteSize(512);
    EXPECT_EQ(changes, 1);
    buffers.EndUpdate();
    EXPECT_EQ(changes, 2);
    buffers.EndUpdate();
    EXPECT_EQ(buffers.UpdateCount(), 0);
    EXPECT_EQ(changes, 3);
}

TEST(PortProperties, theBaudrateTableAndTheUserBaudrate) {
    TRsComm port;
    EXPECT_EQ(BaudrateValue(br56000), 56000);
    EXPECT_EQ(BaudrateValue(br9600), 9600);
    EXPECT_EQ(BaudrateValue(br256000), 256000);
    EXPECT_EQ(BaudrateValue(static_cast<TRsBaudrate>(99)), 0);

    port.setUserBaudrate(250000);
    EXPECT_EQ(port.baudrate(), brUser);
    port.setBaudrate(br56000);
    EXPECT_EQ(port.userBaudrate(), 0);
}
