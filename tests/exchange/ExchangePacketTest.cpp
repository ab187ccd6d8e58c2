// The packet protocol's timing, writes of several packets and malformed answers.
// Plain reads and "nothing to send" are replayed from recordings in
// RecordedExchangeTest; the answer packets here are recorded ones too.
#include "EngineFixture.h"
#include "RecordedPackets.h"

using namespace exchange;

namespace {
QByteArray pattern(int size) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i) b[i] = char((i * 13 + 1) & 0xFF);
    return b;
}

class Packets : public EngineFixture {
protected:
    // Bank 0 of a KM-52A1 ver.2 in three packets, and the answer they join into.
    const Recording waveform = loadRecording("packet-52a1-waveform.rec");
    const QVector<QByteArray> bank0 = answerPackets(waveform).mid(0, 3);
    // The PR table in one packet (object 2, number 0).
    const Recording prTable = loadRecording("packet-pr-table.rec");
    const QByteArray tablePacket = answerPackets(prTable).value(0);
};
} // namespace

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
    ASSERT_EQ(bank0.size(), 3);
    start({"02010004"});
    const QByteArray ack = wire::PcAck();
    for (int i = 0; i < 3; ++i) {
        port.feed(bank0[i].left(3)); // header split across arrivals
        port.feed(bank0[i].mid(3));
        const int writesBefore = int(port.writes().size());
        clock.advance(99);
        EXPECT_EQ(port.writes().size(), writesBefore) << "packet " << i;
        clock.advance(1);
        ASSERT_EQ(port.writes().size(), writesBefore + 1) << "packet " << i;
        EXPECT_EQ(port.lastWrite(), ack);
    }
    clock.advance(1000);
    EXPECT_EQ(result, Result::Ok);
    EXPECT_EQ(bytesOf(0), waveform.answers.value(0));
    EXPECT_EQ(port.writes().size(), 4);
    EXPECT_EQ(engine.view().lbFileNum, QString::fromUtf8("Чтение рефлектограммы № 0 - успешно"));
}

TEST_F(Packets, read_nextRequestGoesOut50msAfterTheLastPacket_andItsAckFollows) {
    start({"02020004", "02010004"});
    port.feed(tablePacket);
    clock.advance(50);
    ASSERT_EQ(port.writes().size(), 2);
    EXPECT_EQ(port.lastWrite().mid(4, 3), QByteArray("\x02\x01\x00", 3));
    clock.advance(50);
    EXPECT_EQ(port.lastWrite(), wire::PcAck());
    EXPECT_EQ(bytesOf(0), prTable.answers.value(0));
}

TEST_F(Packets, malformedAnswers_endTheCommandWithoutResult_andTheListGoesOn) {
    ASSERT_EQ(bank0.size(), 3);
    ASSERT_FALSE(tablePacket.isEmpty());
    QByteArray beyondCount = bank0[1]; // packet index 3 of 3
    beyondCount[1] = 3;
    QByteArray shortMiddle = bank0[2]; // 274 bytes as packet 1 of 3
    shortMiddle[1] = 0;
    QByteArray tooLong = tablePacket; // length 0x4053: no packet is that long
    tooLong[3] = char(0x40);
    start({"02010104", "02010204", "02010304", "02010404"});
    for (const QByteArray& bad : {beyondCount, shortMiddle, bank0[1], tooLong}) {
        port.feed(bad);
        clock.advance(50);
    }
    EXPECT_EQ(result, Result::Ok);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(bytesOf(i).isEmpty()) << i;
        EXPECT_TRUE(commands.problem(i).startsWith(QString::fromUtf8("ответ прибора не по протоколу"))) << i;
    }
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(Packets, oversizedArrivalIsBoundedByThePacketBuffer) {
    start({"02020004"});
    port.feed(tablePacket + QByteArray(5000, '\x55'));
    clock.advance(200);
    EXPECT_EQ(result, Result::Ok);
    EXPECT_EQ(bytesOf(0), prTable.answers.value(0));
}
