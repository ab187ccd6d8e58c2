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

class Receive : public ::testing::Test {
protected:
    void SetUp() override {
        port.SetDeviceFactory(line.factory());
        port.setMonitorEvents({ceRxChar, ceRxFlag});
    }
    // OnRxChar takes everything announced.
    void collect() {
        port.OnRxChar = [this](TRsComm& sender, int count) {
            counts << count;
            QByteArray chunk(count, '\0');
            chunk.truncate(sender.ReadBuf(chunk.data(), count));
            received += chunk;
        };
    }
    FakeSerialLine line;
    TRsComm port;
    QByteArray received;
    QList<int> counts;
};

} // namespace

// The termios binding: what the far end of a pseudo terminal sends arrives,
// announced on the main thread.
TEST(ReceiveOnAPseudoTerminal, arrivalRaisesOnRxCharOnMainThreadAndPurgeDropsIt) {
    PtyPair pty;
    TRsComm port;
    port.setDeviceName(pty.devicePath());
    port.setMonitorEvents({ceRxChar});
    QByteArray received;
    bool onMainThread = true;
    port.OnRxChar = [&](TRsComm& sender, int count) {
        onMainThread = onMainThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        EXPECT_EQ(&sender, &port);
        QByteArray chunk(count, '\0');
        EXPECT_EQ(sender.ReadBuf(chunk.data(), count), count);
        received += chunk;
    };
    port.Open();
    pty.send("hello, instrument");
    ASSERT_TRUE(waitUntil([&] { return received.size() >= 17; }));
    EXPECT_EQ(received, QByteArray("hello, instrument"));
    EXPECT_TRUE(onMainThread);

    port.OnRxChar = nullptr;
    pty.send("stale");
    ASSERT_TRUE(waitUntil([&] { return port.ReadBufUsed() == 5; }));
    port.PurgeRead();
    EXPECT_EQ(port.ReadBufUsed(), 0);
    pty.send("new");
    ASSERT_TRUE(waitUntil([&] { return port.ReadBufUsed() == 3; }));
    char buffer[8];
    EXPECT_EQ(QByteArray(buffer, port.ReadBuf(buffer, sizeof buffer)), QByteArray("new"));
}

TEST_F(Receive, inputInPiecesArrivesWholeAndInOrderAcrossRefusedReads) {
    collect();
    port.Open();
    QByteArray answer;
    for (int i = 0; i < 385; ++i) answer.append(char(i * 7));
    line.failReads(EAGAIN, 2);
    line.failReads(EINTR);
    line.send(answer, {1, 6, 100, 3, 200});
    ASSERT_TRUE(waitUntil([&] { return received.size() >= answer.size(); }));
    EXPECT_EQ(received, answer);
    int total = 0;
    for (int c : counts) total += c;
    EXPECT_EQ(total, 385);
}

TEST_F(Receive, bytesReadBeforeTheEventRaiseNoCall) {
    collect();
    port.Open();
    line.send("abc");
    // Without running events: the event thread has taken the bytes and handed its event over.
    ASSERT_TRUE(waitWithoutEvents([&] { return line.pending() == 0 && port.ReadBufUsed() == 3; }));
    char buffer[16];
    EXPECT_EQ(port.ReadBuf(buffer, sizeof buffer), 3);
    // The next arrival's call comes after the stale one has run.
    line.send("d");
    ASSERT_TRUE(waitUntil([&] { return !counts.isEmpty(); }));
    EXPECT_EQ(counts, QList<int>{1});
    EXPECT_EQ(received, QByteArray("d"));
}

TEST_F(Receive, unreadBytesAreCountedAgainOnlyAtTheNextArrival) {
    port.OnRxChar = [&](TRsComm& sender, int count) {
        counts << count;
        char one;
        sender.ReadBuf(&one, 1);
    };
    port.Open();
    line.send("abc");
    ASSERT_TRUE(waitUntil([&] { return !counts.isEmpty(); }));
    line.send("de");
    ASSERT_TRUE(waitUntil([&] { return counts.size() >= 2; }));
    EXPECT_EQ(counts, (QList<int>{3, 4})) << "bytes left unread must not raise events by themselves";
}

TEST_F(Receive, readBufAskedForMoreReturnsWhatIsQueuedAtOnce) {
    port.Open();
    line.send("12345", {2});
    ASSERT_TRUE(waitUntil([&] { return port.ReadBufUsed() == 5; }));
    char buffer[100];
    EXPECT_EQ(port.ReadBuf(buffer, sizeof buffer), 5);
    EXPECT_EQ(QByteArray(buffer, 5), QByteArray("12345"));
    EXPECT_EQ(port.ReadBuf(buffer, sizeof buffer), 0);
    EXPECT_EQ(port.ReadBuf(nullptr, 10), 0);
    EXPECT_EQ(port.ReadBuf(buffer, -1), 0);
}

TEST_F(Receive, aFailedReadIsRaisedWithItsCodeAndTheNextReadGoesOn) {
    // Without watched events there is no event thread: ReadBuf reads the device itself.
    port.setMonitorEvents({});
    port.Open();
    line.failReads(EIO);
    char buffer[8];
    try {
        port.ReadBuf(buffer, sizeof buffer);
        FAIL() << "no exception";
    } catch (const ERsCommError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Read error (5), "))) << e.message().toStdString();
    }
    EXPECT_EQ(port.ReadBuf(buffer, sizeof buffer), 0);
    line.send("ok");
    EXPECT_EQ(QByteArray(buffer, port.ReadBuf(buffer, sizeof buffer)), QByteArray("ok"));
}

TEST_F(Receive, fullInputQueueRefillsAsHandlersTakeBytes) {
    port.Buffers().setReadSize(16);
    port.setMonitorEvents({ceRxChar, ceRx80Full});
    int nearlyFull = 0;
    port.OnRx80Full = [&](TRsComm&) { ++nearlyFull; };
    port.OnRxChar = [&](TRsComm& sender, int count) {
        // At most 7 bytes per event: the queue stays full while the line has more.
        char buffer[7];
        received.append(buffer, sender.ReadBuf(buffer, std::min(count, 7)));
    };
    port.Open();
    QByteArray sent;
    for (int i = 0; i < 300; ++i) sent.append(char('A' + i % 26));
    line.send(sent);
    ASSERT_TRUE(waitUntil([&] { return line.pending() == 0 && received.size() >= 300 - 16; }));
    // What the queue still holds raises no event of its own: take it.
    char rest[300];
    received.append(rest, port.ReadBuf(rest, int(sizeof rest)));
    EXPECT_EQ(received, sent);
    EXPECT_GE(nearlyFull, 1);
}

TEST_F(Receive, eventCharacterAndNullStripping) {
    int flags = 0;
    port.OnRxFlag = [&](TRsComm&) { ++flags; };
    collect();
    port.Open();
    EXPECT_EQ(port.EventMask(), 0x0003u);
    line.send(QByteArray("no flag"));
    ASSERT_TRUE(waitUntil([&] { return received.size() == 7; }));
    EXPECT_EQ(flags, 0);
    line.send(QByteArray("a\0b", 3));
    ASSERT_TRUE(waitUntil([&] { return flags == 1 && received.size() == 10; }));

    port.EventChars().setEventChar('#');
    port.setOptions({coNullStrip});
    received.clear();
    line.send(QByteArray("x\0y#", 4));
    ASSERT_TRUE(waitUntil([&] { return received.contains('#'); }));
    EXPECT_EQ(received, QByteArray("xy#"));
    EXPECT_EQ(flags, 2);
}
