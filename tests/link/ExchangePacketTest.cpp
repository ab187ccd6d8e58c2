#include "EngineFixture.h"

using namespace exchange;

using Packets = EngineFixture;

namespace {
QByteArray pattern(int size) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i) b[i] = char((i * 13 + 1) & 0xFF);
    return b;
}
} // namespace

TEST_F(Packets, readRequestIsOneNineBytePacketAt56000) {
    start({"02020004"});
    EXPECT_EQ(port.lineSpeed(), LineSpeed::Baud56000);
    EXPECT_EQ(port.lastWrite(), QByteArray("\x01\x00\x00\x03\x02\x02\x00\x00\x00", 9));
}

TEST_F(Packets, write_2500BytesGoesOutAsThreePackets_eachAfterTheAcknowledgementOfTheOneBefore) {
    const QByteArray payload = pattern(2500);
    start({"03010903"}, payload);
    ASSERT_EQ(port.writes().size(), 1);
    port.feed(instrumentAck());
    ASSERT_EQ(port.writes().size(), 2);
    EXPECT_EQ(engine.view().lbFrameNum, QString::fromUtf8("( пакет 1 из 3 )"));
    port.feed(instrumentAck());
    ASSERT_EQ(port.writes().size(), 3);
    EXPECT_EQ(result, Result::Running);

    const int sizes[] = {1024, 1024, 479};
    const char* lengths[] = {"\x03\xFA", "\x03\xFA", "\x01\xD9"};
    QByteArray joined;
    for (int i = 0; i < 3; ++i) {
        const QByteArray p = port.writes()[i];
        ASSERT_EQ(p.size(), sizes[i]);
        EXPECT_EQ(p[0], 3);
        EXPECT_EQ(p[1], i);
        EXPECT_EQ(p.mid(2, 2), QByteArray(lengths[i], 2));
        EXPECT_EQ(p.mid(4, 3), QByteArray("\x03\x01\x09", 3));
        joined += p.mid(7, p.size() - 9);
    }
    EXPECT_EQ(joined, payload);

    port.feed(instrumentAck());
    EXPECT_EQ(result, Result::Ok);
    EXPECT_EQ(engine.view().pbFilePosition, 3);
}

TEST_F(Packets, write_emptyPayloadIsOneNineBytePacket) {
    start({"03020003"}, QByteArray());
    EXPECT_EQ(port.lastWrite(), QByteArray("\x01\x00\x00\x03\x03\x02\x00\x00\x00", 9));
}

TEST_F(Packets, write_refusedAcknowledgementIsNotRepeated) {
    start({"03010903"}, pattern(2500));
    QByteArray refusal = instrumentAck();
    refusal[4] = char(0x01);
    port.feed(refusal);
    port.feed(instrumentAck()); // later bytes do not change it
    EXPECT_EQ(port.writes().size(), 1);
    clock.advance(30000);
    EXPECT_EQ(result, Result::Cancel);
}

TEST_F(Packets, read_threePacketAnswerIsAcknowledged100msAfterEachPacket) {
    const QByteArray payload = pattern(2500);
    start({"02010704"});
    const QByteArray ack = wire::pcAck();
    for (int i = 0; i < 3; ++i) {
        const QByteArray chunk = payload.mid(1015 * i, 1015);
        const QByteArray packet = answerPacket(3, i, chunk, 2, 1, 7);
        if (i == 0) {
            EXPECT_EQ(packet.mid(2, 2), QByteArray("\xFA\x03", 2)); // low byte first
        }
        port.feed(packet.left(3)); // header split across arrivals
        port.feed(packet.mid(3));
        const int writesBefore = int(port.writes().size());
        clock.advance(99);
        EXPECT_EQ(port.writes().size(), writesBefore) << "packet " << i;
        clock.advance(1);
        ASSERT_EQ(port.writes().size(), writesBefore + 1) << "packet " << i;
        EXPECT_EQ(port.lastWrite(), ack);
    }
    clock.advance(1000);
    EXPECT_EQ(result, Result::Ok);
    EXPECT_EQ(bytesOf(0), payload);
    EXPECT_EQ(port.writes().size(), 4);
    EXPECT_EQ(engine.view().lbFileNum, QString::fromUtf8("Чтение рефлектограммы № 7 - успешно"));
}

TEST_F(Packets, read_nextRequestGoesOut50msAfterTheLastPacket_andItsAckFollows) {
    start({"02020003", "02010003"});
    port.feed(answerPacket(1, 0, pattern(60), 2, 2, 0));
    clock.advance(50);
    ASSERT_EQ(port.writes().size(), 2);
    EXPECT_EQ(port.lastWrite().mid(4, 3), QByteArray("\x02\x01\x00", 3));
    clock.advance(50);
    EXPECT_EQ(port.lastWrite(), wire::pcAck());
    EXPECT_EQ(bytesOf(0), pattern(60));
}

TEST_F(Packets, nothingToSend_skipsTheCommandWithAnEmptyArray) {
    start({"02010503", "02010603"});
    port.feed(answerPacket(1, 0, {}, 0xFE, 1, 5));
    clock.advance(50);
    EXPECT_EQ(port.lastWrite().mid(4, 3), QByteArray("\x02\x01\x06", 3));
    port.feed(answerPacket(1, 0, {}, 0xFE, 1, 6)); // the last command too
    EXPECT_EQ(result, Result::Ok);
    EXPECT_TRUE(bytesOf(0).isEmpty());
    EXPECT_TRUE(bytesOf(1).isEmpty());
    EXPECT_TRUE(commands.problem(0).isEmpty());
}

TEST_F(Packets, malformedAnswers_endTheCommandWithoutResult_andTheListGoesOn) {
    start({"02010103", "02010203", "02010303", "02010403"});
    // Index not below the count.
    port.feed(answerPacket(2, 2, pattern(1015)));
    EXPECT_TRUE(bytesOf(0).isEmpty());
    EXPECT_FALSE(commands.problem(0).isEmpty());
    clock.advance(50);
    // A middle packet with fewer than 1015 payload bytes.
    port.feed(answerPacket(2, 0, pattern(500)));
    EXPECT_FALSE(commands.problem(1).isEmpty());
    clock.advance(50);
    // A first packet that is not packet 0.
    port.feed(answerPacket(3, 1, pattern(1015)));
    EXPECT_FALSE(commands.problem(2).isEmpty());
    clock.advance(50);
    // A length that does not fit a packet.
    QByteArray huge = answerPacket(1, 0, pattern(10));
    huge[3] = char(0x40);
    port.feed(huge);
    EXPECT_FALSE(commands.problem(3).isEmpty());
    EXPECT_EQ(result, Result::Ok);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(bytesOf(i).isEmpty()) << i;
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(Packets, oversizedArrivalIsBoundedByThePacketBuffer) {
    start({"02010103"});
    QByteArray flood = answerPacket(1, 0, pattern(900));
    flood += QByteArray(5000, '\x55');
    port.feed(flood);
    clock.advance(200);
    EXPECT_EQ(result, Result::Ok);
    EXPECT_EQ(bytesOf(0), pattern(900));
}
