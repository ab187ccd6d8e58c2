#include "PtyPair.h"
#include "WaitUntil.h"
#include "link/serial/TRsComm.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {

class Receive : public ::testing::Test {
protected:
    void SetUp() override {
        port.setDeviceName(pty.devicePath());
        port.setMonitorEvents({ceRxChar, ceRxFlag});
    }
    PtyPair pty;
    TRsComm port;
};

} // namespace

TEST_F(Receive, arrivalRaisesOnRxCharOnMainThreadWithQueuedCount) {
    QByteArray received;
    QList<int> counts;
    bool onMainThread = true;
    port.OnRxChar = [&](TRsComm& sender, int count) {
        onMainThread = onMainThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        EXPECT_EQ(&sender, &port);
        counts << count;
        QByteArray chunk(count, '\0');
        EXPECT_EQ(sender.ReadBuf(chunk.data(), count), count);
        received += chunk;
    };
    port.Open();
    pty.send("hello, instrument");
    ASSERT_TRUE(waitUntil([&] { return received.size() >= 17; }));
    EXPECT_EQ(received, QByteArray("hello, instrument"));
    EXPECT_TRUE(onMainThread);
    int total = 0;
    for (int c : counts) total += c;
    EXPECT_EQ(total, 17);
}

TEST_F(Receive, bytesReadBeforeTheEventRaiseNoCall) {
    int calls = 0;
    port.OnRxChar = [&](TRsComm&, int) { ++calls; };
    port.Open();
    pty.send("abc");
    // Without running events, let the event thread see the bytes and queue its event.
    QThread::msleep(200);
    char buffer[16];
    EXPECT_EQ(port.ReadBuf(buffer, sizeof buffer), 3);
    runEventsFor(300);
    EXPECT_EQ(calls, 0);
}

TEST_F(Receive, unreadBytesAreCountedAgainOnlyAtTheNextArrival) {
    QList<int> counts;
    port.OnRxChar = [&](TRsComm& sender, int count) {
        counts << count;
        char one;
        sender.ReadBuf(&one, 1);
    };
    port.Open();
    pty.send("abc");
    ASSERT_TRUE(waitUntil([&] { return !counts.isEmpty(); }));
    runEventsFor(300);
    ASSERT_EQ(counts.size(), 1) << "bytes left unread must not raise events by themselves";
    EXPECT_EQ(counts[0], 3);
    pty.send("de");
    ASSERT_TRUE(waitUntil([&] { return counts.size() == 2; }));
    EXPECT_EQ(counts[1], 4);
}

TEST_F(Receive, readBufAskedForMoreReturnsWhatIsQueuedAtOnce) {
    port.Open();
    pty.send("12345");
    ASSERT_TRUE(waitUntil([&] { return port.ReadBufUsed() == 5; }));
    char buffer[100];
    EXPECT_EQ(port.ReadBuf(buffer, sizeof buffer), 5);
    EXPECT_EQ(QByteArray(buffer, 5), QByteArray("12345"));
    EXPECT_EQ(port.ReadBuf(buffer, sizeof buffer), 0);
    EXPECT_EQ(port.ReadBuf(nullptr, 10), 0);
    EXPECT_EQ(port.ReadBuf(buffer, -1), 0);
}

TEST_F(Receive, fullInputQueueRefillsAsHandlersTakeBytes) {
    port.Buffers().setReadSize(16);
    port.setMonitorEvents({ceRxChar, ceRx80Full});
    int nearlyFull = 0;
    port.OnRx80Full = [&](TRsComm&) { ++nearlyFull; };
    QByteArray received;
    port.OnRxChar = [&](TRsComm& sender, int count) {
        // At most 7 bytes per event: the queue stays full while the line has more.
        char buffer[7];
        received.append(buffer, sender.ReadBuf(buffer, std::min(count, 7)));
    };
    port.Open();
    QByteArray sent;
    for (int i = 0; i < 300; ++i) sent.append(char('A' + i % 26));
    pty.send(sent);
    ASSERT_TRUE(waitUntil([&] { return received.size() >= 300 - 16; }));
    // What the queue still holds raises no event of its own: take it.
    ASSERT_TRUE(waitUntil([&] {
        char rest[300];
        received.append(rest, port.ReadBuf(rest, int(sizeof rest)));
        return received.size() >= 300;
    }));
    EXPECT_EQ(received, sent);
    EXPECT_GE(nearlyFull, 1);
}

TEST_F(Receive, eventCharacterAndNullStripping) {
    int flags = 0;
    QByteArray received;
    port.OnRxFlag = [&](TRsComm&) { ++flags; };
    port.OnRxChar = [&](TRsComm& sender, int count) {
        QByteArray chunk(count, '\0');
        chunk.truncate(sender.ReadBuf(chunk.data(), count));
        received += chunk;
    };
    port.Open();
    EXPECT_EQ(port.EventMask(), 0x0003u);
    pty.send(QByteArray("no flag"));
    ASSERT_TRUE(waitUntil([&] { return received.size() == 7; }));
    EXPECT_EQ(flags, 0);
    pty.send(QByteArray("a\0b", 3));
    ASSERT_TRUE(waitUntil([&] { return flags == 1 && received.size() == 10; }));

    port.EventChars().setEventChar('#');
    port.setOptions({coNullStrip});
    received.clear();
    pty.send(QByteArray("x\0y#", 4));
    ASSERT_TRUE(waitUntil([&] { return received.contains('#'); }));
    EXPECT_EQ(received, QByteArray("xy#"));
    EXPECT_EQ(flags, 2);
}

TEST_F(Receive, purgeReadDropsWhatHasArrived) {
    port.Open();
    pty.send("stale");
    ASSERT_TRUE(waitUntil([&] { return port.ReadBufUsed() == 5; }));
    port.PurgeRead();
    EXPECT_EQ(port.ReadBufUsed(), 0);
    pty.send("new");
    ASSERT_TRUE(waitUntil([&] { return port.ReadBufUsed() == 3; }));
    char buffer[8];
    EXPECT_EQ(QByteArray(buffer, port.ReadBuf(buffer, sizeof buffer)), QByteArray("new"));
}
