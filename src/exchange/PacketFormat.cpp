#include "exchange/PacketFormat.h"

namespace exchange::wire {

QByteArray PcAck() { return QByteArray("\x01\x01\x01\x00\xFF", 5); }

bool ShortAnswerIntact(const QByteArray& answer) {
    return answer.size() == kShortAnswerSize &&
           store::ByteSum(answer, kShortDataSize) == static_cast<unsigned char>(answer[kShortDataSize]);
}

QByteArray BuildShortFrame(int code, int number, const QByteArray& payload) {
    QByteArray frame;
    frame += char(kShortPrefix + code);
    frame += char(number);
    if (code == 3) {
        const QByteArray data = payload.left(kShortDataSize);
        unsigned sum = 0;
        for (char c : data) sum += static_cast<unsigned char>(c);
        frame += data;
        frame += char(sum & 0xFF);
    }
    return frame;
}

QByteArray BuildMessage(int code, int object, int number, const QByteArray& payload) {
    QByteArray message;
    message.reserve(kPrefixSize + payload.size());
    message += char(code);
    message += char(object);
    message += char(number);
    message += payload;
    return message;
}

QVector<QByteArray> SplitIntoPackets(const QByteArray& message) {
    const int body = std::max(0, int(message.size()) - kPrefixSize);
    int n = body / kMaxChunk + (body % kMaxChunk != 0 ? 1 : 0);
    if (n == 0) n = 1;
    QVector<QByteArray> packets;
    packets.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int from = kPrefixSize + kMaxChunk * i;
        const int chunk = std::max(0, std::min(kMaxChunk, int(message.size()) - from));
        const int length = chunk + kPrefixSize;
        QByteArray p;
        p.reserve(kHeaderSize + length);
        p += char(n);
        p += char(i);
        p += char(length / 256);
        p += char(length % 256);
        p += message.left(kPrefixSize);
        if (chunk > 0) p += message.mid(from, chunk);
        p += QByteArray(2, '\0');
        packets.push_back(p);
    }
    return packets;
}

AnswerHeader AnswerHeader::parse(const char* b) {
    auto u = [b](int i) { return int(static_cast<unsigned char>(b[i])); };
    return AnswerHeader{u(0), u(1), u(2) + 256 * u(3), u(4), u(5), u(6)};
}

} // namespace exchange::wire
