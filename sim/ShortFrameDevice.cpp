#include "ShortFrameDevice.h"

namespace sim {

namespace {
constexpr char kRead = 0x55;
constexpr char kWrite = 0x56;
constexpr int kWriteFrame = 387;
} // namespace

void ShortFrameDevice::received(const QByteArray& bytes, std::int64_t now, int speed) {
    if (buffer_.isEmpty()) frameStart_ = now;
    buffer_ += bytes;
    while (!buffer_.isEmpty()) {
        const char first = buffer_[0];
        const int size = first == kRead ? 2 : first == kWrite ? kWriteFrame : 0;
        if (size == 0) {
            buffer_.remove(0, 1);
            frameStart_ = now;
            continue;
        }
        if (buffer_.size() < size) return;
        const QByteArray frame = buffer_.left(size);
        buffer_.remove(0, size);
        // The answer can start only once the request has crossed the line.
        const std::int64_t answerAt = options_.pace ? frameStart_ + std::int64_t(size * tx_.byteTime()) : now;
        frameStart_ = now;
        handle(frame, answerAt, speed);
    }
}

void ShortFrameDevice::handle(const QByteArray& frame, std::int64_t answerAt, int speed) {
    log_.frame("rx", speed, frame);
    if (!speedMatches(speed)) return;
    newRequest();
    const int bank = static_cast<unsigned char>(frame[1]);
    if (frame[0] == kRead) {
        QByteArray block = memory_.type0Block(bank);
        if (faulty() && options_.badChecksum) block[384] = char(block[384] ^ 0x5A);
        answer(block, answerAt);
        return;
    }
    unsigned sum = 0;
    for (int i = 2; i < 386; ++i) sum += static_cast<unsigned char>(frame[i]);
    const char ack = char(sum & 0xFF);
    if (ack == frame[386]) {
        memory_.storeType0(bank, frame.mid(2, 384));
        log_.note(QStringLiteral("stored bank %1").arg(bank));
    } else {
        log_.note(QStringLiteral("bank %1 arrived damaged").arg(bank));
    }
    const char sent = faulty() && options_.badAck ? char(ack + 1) : ack;
    answer(QByteArray(1, sent), answerAt);
}

} // namespace sim
