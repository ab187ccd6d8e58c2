#include "PtyPair.h"
#include "WaitUntil.h"
#include "exchange/serial/ERsCommError.h"
#include "exchange/serial/TRsComm.h"
#include "fakes/FakeSerialLine.h"

#include <QThread>
#include <cerrno>
#include <gtest/gtest.h>

using namespace serial;

namespace {

class Write : public ::testing::Test {
protected:
    void SetUp() override { port.SetDeviceFactory(line.factory()); }
    FakeSerialLine line;
    TRsComm port;
};

} // namespace

// The termios binding: bytes reach the far end of a pseudo terminal.
TEST(WriteOnAPseudoTerminal, queuedBytesReachTheLineAndOnTxEmptyFollowsOnTheMainThread) {
    PtyPair pty;
    TRsComm port;
    port.setDeviceName(pty.devicePath());
    int txEmpty = 0;
    bool onMainThread = true;
    port.OnTxEmpty = [&](TRsComm&) {
        onMainThread = onMainThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        ++txEmpty;
    };
    port.Open();
    EXPECT_EQ(port.WriteBuf("\x55\x00", 2), 2);
    ASSERT_TRUE(waitUntil([&] { return txEmpty >= 1; }));
    EXPECT_EQ(pty.readFor(2, 5000), QByteArray("\x55\x00", 2));
    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(port.GetCommStatus().outQueue, 0);
    EXPECT_EQ(port.WriteBuf(nullptr, 5), 0);
    EXPECT_EQ(port.WriteBuf("x", 0), 0);
}

TEST_F(Write, aDeviceWithoutRoomIsWrittenAgainUntilItTakesTheBytes) {
    int txEmpty = 0;
    port.OnTxEmpty = [&](TRsComm&) { ++txEmpty; };
    line.failWrites(EAGAIN, 3);
    line.failWrites(EINTR);
    port.Open();
    port.WriteBuf("request", 7);
    ASSERT_TRUE(waitUntil([&] { return txEmpty == 1; }));
    EXPECT_EQ(line.written(), QByteArray("request"));
}

TEST_F(Write, refusedTransferRaisesOnErrorWithTheIoErrorOnceAndThePortStaysUsable) {
    QList<int> errors;
    int txEmpty = 0;
    port.OnError = [&](TRsComm&, int e) { errors << e; };
    port.OnTxEmpty = [&](TRsComm&) { ++txEmpty; };
    line.failWrites(EIO);
    port.Open();
    port.WriteBuf("lost", 4);
    ASSERT_TRUE(waitUntil([&] { return !errors.isEmpty(); }));
    EXPECT_EQ(errors, QList<int>{CE_IOE});
    EXPECT_EQ(port.GetCommStatus().errors, 0) << "the error word is cleared once reported";
    // The refused bytes were dropped, not sent again with the next ones.
    port.WriteBuf("next", 4);
    ASSERT_TRUE(waitUntil([&] { return txEmpty == 1; }));
    EXPECT_EQ(line.written(), QByteArray("next"));
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(Write, moreThanWriteSizeRaisesAfterWriteTimeout) {
    port.Buffers().setWriteSize(64);
    port.Buffers().setWriteTimeout(50);
    port.Open();
    const QByteArray tooMuch(65, 'x');
    try {
        port.WriteBuf(tooMuch.constData(), int(tooMuch.size()));
        FAIL() << "no exception";
    } catch (const ERsCommError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Output buffer is full. Please check comm status."));
    }
    EXPECT_TRUE(port.Active());
    EXPECT_EQ(port.WriteBuf("ok", 2), 2);
    EXPECT_TRUE(waitUntil([&] { return line.written() == "ok"; }));
}

TEST_F(Write, purgeEmptiesTheQueueWhileTheLineIsStalled) {
    line.stall();
    port.Open();
    port.WriteBuf("stuck", 5);
    EXPECT_EQ(port.GetCommStatus().outQueue, 5);
    port.PurgeWrite();
    EXPECT_EQ(port.GetCommStatus().outQueue, 0);
    line.release();
    port.WriteBuf("after", 5);
    EXPECT_TRUE(waitUntil([&] { return line.written() == "after"; })) << line.written().toStdString();
}

TEST_F(Write, purgeIsAnsweredWhileOnTxEmptyWaitsForTheBusyMainThread) {
    int txEmpty = 0;
    port.OnTxEmpty = [&](TRsComm&) { ++txEmpty; };
    port.Open();
    port.WriteBuf("first", 5);
    // The main thread runs no events: once "first" has left the queue, the
    // write thread hands OnTxEmpty over and waits for it.
    ASSERT_TRUE(waitWithoutEvents([&] { return port.GetCommStatus().outQueue == 0; }));
    port.WriteBuf("second", 6);
    // Unanswered, the purge would give up after its time limit and keep "second".
    port.PurgeWrite();
    EXPECT_EQ(port.GetCommStatus().outQueue, 0);
    port.WriteBuf("third", 5);
    ASSERT_TRUE(waitUntil([&] { return txEmpty == 2; }));
    EXPECT_EQ(line.written(), QByteArray("firstthird"));
}
