#include "PtyPair.h"
#include "WaitUntil.h"
#include "link/serial/CommErrorDisplay.h"
#include "link/serial/ERsCommError.h"
#include "link/serial/TRsComm.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class Write : public ::testing::Test {
protected:
    void SetUp() override { port.setDeviceName(pty.devicePath()); }
    PtyPair pty;
    TRsComm port;
};

} // namespace

TEST_F(Write, queuedBytesReachTheLineAndOnTxEmptyFollows) {
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

TEST_F(Write, moreThanWriteSizeRaisesAfterWriteTimeout) {
    port.Buffers().setWriteSize(64);
    port.Buffers().setWriteTimeout(200);
    port.Open();
    const QByteArray tooMuch(65, 'x');
    QElapsedTimer timer;
    timer.start();
    try {
        port.WriteBuf(tooMuch.constData(), int(tooMuch.size()));
        FAIL() << "no exception";
    } catch (const ERsCommError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Output buffer is full. Please check comm status."));
    }
    EXPECT_GE(timer.elapsed(), 190);
    EXPECT_TRUE(port.Active());
    EXPECT_EQ(port.WriteBuf("ok", 2), 2);
    EXPECT_EQ(pty.readFor(2, 5000), QByteArray("ok"));
}

TEST_F(Write, purgeEmptiesTheQueueWhileTheLineIsStalled) {
    port.Buffers().setWriteSize(1 << 20);
    port.Open();
    // Nobody reads the master: the device fills up and the write thread waits for room.
    const QByteArray block(512 * 1024, 'q');
    ASSERT_EQ(port.WriteBuf(block.constData(), int(block.size())), int(block.size()));
    ASSERT_TRUE(waitUntil([&] { return port.GetCommStatus().outQueue > 0; }));
    port.PurgeWrite();
    EXPECT_EQ(port.GetCommStatus().outQueue, 0);
    EXPECT_LT(pty.readFor(int(block.size()), 500).size(), block.size());
    EXPECT_EQ(port.WriteBuf("after", 5), 5);
    EXPECT_TRUE(pty.readFor(5, 5000).endsWith("after"));
}

TEST_F(Write, purgeIsAnsweredWhileOnTxEmptyWaitsForTheBusyMainThread) {
    int txEmpty = 0;
    port.OnTxEmpty = [&](TRsComm&) { ++txEmpty; };
    port.Open();
    port.WriteBuf("first", 5);
    // The main thread runs no events: the write thread has sent "first" and
    // now waits to hand OnTxEmpty over.
    ASSERT_EQ(pty.readFor(5, 5000), QByteArray("first"));
    QThread::msleep(200);
    port.WriteBuf("second", 6);
    QElapsedTimer timer;
    timer.start();
    port.PurgeWrite();
    EXPECT_LT(timer.elapsed(), 1900) << "the purge waited for its time limit";
    EXPECT_EQ(port.GetCommStatus().outQueue, 0);
    runEventsFor(300);
    EXPECT_EQ(pty.readAvailable(), QByteArray());
    EXPECT_EQ(txEmpty, 1);
}

TEST_F(Write, refusedTransferIsReportedOnceAndThePortStaysUsable) {
    // On a dead line the status read fails too, so the report is either
    // OnError with CE_IOE or the status error on the error display.
    QList<int> errors;
    QStringList shown;
    setCommErrorDisplay([&](const QString& text) { shown << text; });
    port.OnError = [&](TRsComm&, int e) { errors << e; };
    port.Open();
    pty.hangUp();
    EXPECT_EQ(port.WriteBuf("lost", 4), 4);
    ASSERT_TRUE(waitUntil([&] { return !errors.isEmpty() || !shown.isEmpty(); }));
    runEventsFor(300);
    setCommErrorDisplay({});
    EXPECT_EQ(errors.size() + shown.size(), 1);
    for (int e : errors) EXPECT_TRUE(e & CE_IOE);
    for (const QString& text : shown) EXPECT_TRUE(text.startsWith("Error retrieving statistics (")) << text.toStdString();
    EXPECT_TRUE(port.Active());
    port.Close();
    EXPECT_FALSE(port.Active());
}
