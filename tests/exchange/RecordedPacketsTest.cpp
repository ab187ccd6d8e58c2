// The packet assembler over the answer packets the simulated instrument sent in
// the recordings (tests/data/*.rec): in order they join into the answers the
// program ended with; out of order, repeated or mixed they are refused.
#include "RecordedPackets.h"
#include "exchange/PacketAssembler.h"

#include <gtest/gtest.h>

using namespace exchange;
using exchange::wire::AnswerHeader;

namespace {

// Feeds packets in turn; the number of packets accepted before the first
// refusal (all of them when none is refused) and that refusal.
std::pair<int, QString> feed(PacketAssembler& a, const QVector<QByteArray>& packets) {
    for (int i = 0; i < packets.size(); ++i) {
        const AnswerHeader h = AnswerHeader::parse(packets[i].constData());
        if (packets[i].size() != h.packetBytes()) return {i, QStringLiteral("packet of the wrong size")};
        if (QString why = a.accept(h, packets[i].constData()); !why.isEmpty()) return {i, why};
    }
    return {int(packets.size()), QString()};
}

} // namespace

TEST(RecordedPackets, answerPacketsInOrderJoinIntoTheRecordedAnswers) {
    for (const char* name : {"packet-52a-waveform.rec", "packet-52a-write-read.rec",
                             "packet-52a1-waveform.rec", "packet-52a1-list.rec", "packet-pr-table.rec"}) {
        SCOPED_TRACE(name);
        const Recording r = loadRecording(name);
        QVector<QByteArray> expected;
        for (const QByteArray& answer : r.answers)
            if (!answer.isEmpty()) expected << answer;
        QVector<QByteArray> joined;
        PacketAssembler a;
        for (const QByteArray& p : answerPackets(r)) {
            if (p[1] == 0) a.reset();
            ASSERT_EQ(feed(a, {p}).second, QString());
            if (a.complete()) joined << a.payload();
        }
        EXPECT_EQ(joined, expected);
    }
}

TEST(RecordedPackets, packetsOutOfOrderRepeatedOrOfAnotherAnswerAreRefused) {
    // Bank 0's three packets and the one packet of the PR table.
    const QVector<QByteArray> bank = answerPackets(loadRecording("packet-52a1-waveform.rec")).mid(0, 3);
    const QVector<QByteArray> table = answerPackets(loadRecording("packet-pr-table.rec")).mid(0, 1);
    ASSERT_EQ(bank.size(), 3);
    ASSERT_EQ(table.size(), 1);
    QByteArray lastAsMiddle = bank[2]; // 274 bytes where a middle packet carries 1015
    lastAsMiddle[1] = 1;

    const struct {
        const char* what;
        QVector<QByteArray> packets;
        int accepted;
        const char* reason;
    } rows[] = {
        {"all three", {bank[0], bank[1], bank[2]}, 3, ""},
        {"second first", {bank[1]}, 0, "пришёл не по порядку"},
        {"second missing", {bank[0], bank[2]}, 1, "пришёл не по порядку"},
        {"first repeated", {bank[0], bank[0]}, 1, "пришёл не по порядку"},
        {"another answer's packet", {bank[0], table[0]}, 1, "пришёл не по порядку"},
        {"short middle packet", {bank[0], lastAsMiddle}, 1, "пакет 2 из 3 несёт 274 байт"},
    };
    for (const auto& row : rows) {
        PacketAssembler a;
        const auto [accepted, why] = feed(a, row.packets);
        EXPECT_EQ(accepted, row.accepted) << row.what;
        EXPECT_TRUE(QString::fromUtf8(row.reason).isEmpty() ? why.isEmpty()
                                                            : why.contains(QString::fromUtf8(row.reason)))
            << row.what << ": " << why.toStdString();
        EXPECT_EQ(a.complete(), row.accepted == 3) << row.what;
    }
}
