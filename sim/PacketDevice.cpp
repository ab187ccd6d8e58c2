#include "PacketDevice.h"

namespace sim {

namespace {
constexpr int kPacketSize = 1024;
constexpr int kMaxChunk = 1015;
constexpr std::int64_t kAckWaitUs = 2'000'000;   // the program acknowledges after 100 ms
constexpr std::int64_t kLastAckWaitUs = 500'000; // the last one may never come
const QByteArray kPcAck("\x01\x01\x01\x00\xFF", 5);
} // namespace

void PacketDevice::received(const QByteArray& bytes, std::int64_t now, int speed) {
    speed_ = speed;
    buffer_ += bytes;
    parse(now, speed);
}

void PacketDevice::parse(std::int64_t now, int speed) {
    while (!buffer_.isEmpty()) {
        if (buffer_.startsWith(kPcAck)) {
            buffer_.remove(0, kPcAck.size());
            log_.frame("rx", speed, kPcAck);
            acknowledged(now, speed);
            continue;
        }
        if (buffer_.size() < 4 || kPcAck.startsWith(buffer_)) return;
        const auto u = [this](int i) { return int(static_cast<unsigned char>(buffer_[i])); };
        const int count = u(0), index = u(1), length = u(2) * 256 + u(3);
        if (count == 0 || index >= count || length < 3 || length + 6 > kPacketSize) {
            buffer_.remove(0, 1); // not the start of a packet
            continue;
        }
        if (buffer_.size() < length + 6) return;
        const QByteArray packet = buffer_.left(length + 6);
        buffer_.remove(0, length + 6);
        // Logged as it arrives, deferred or not, so that the log keeps the program's order.
        if (loggedAhead_ > 0) loggedAhead_ -= int(packet.size());
        else log_.frame("rx", speed, packet);
        if (awaitingAck_) {
            deferred_ += packet;
            continue;
        }
        handlePacket(packet, now, speed);
    }
}

void PacketDevice::handlePacket(const QByteArray& packet, std::int64_t now, int speed) {
    if (!speedMatches(speed)) return;
    const auto u = [&packet](int i) { return int(static_cast<unsigned char>(packet[i])); };
    const int count = u(0), index = u(1), code = u(4), object = u(5), number = u(6);
    const QByteArray chunk = packet.mid(7, packet.size() - 9);
    if (code == 2) {
        newRequest();
        QByteArray payload;
        if (!(faulty() && options_.nothing)) {
            if (object == 1) payload = memory_.packetWaveform(number);
            else if (object == 2) payload = memory_.prTable();
            else if (object == 4) payload = memory_.packetWaveform(number).left(256);
        }
        startAnswer(object, number, payload, now);
    } else if (code == 3) {
        if (index == 0) {
            newRequest();
            written_.clear();
            writeCount_ = count;
        }
        written_ += chunk;
        if (index == count - 1 && count == writeCount_) store(object, number, written_);
        QByteArray ack("\x01\x00\x03\x00\xFF", 5);
        if (faulty() && options_.badAck) ack[4] = 0x01;
        answer(ack, now);
    } else {
        log_.note(QStringLiteral("unknown code %1").arg(code));
    }
}

void PacketDevice::store(int object, int number, const QByteArray& payload) {
    if (object == 1) {
        memory_.storePacketWaveform(number, payload);
        log_.note(QStringLiteral("stored bank %1 (%2 bytes)").arg(number).arg(payload.size()));
    } else if (object == 2) {
        memory_.setPrTable(payload);
        log_.note(QStringLiteral("stored PR table (%1 records)").arg(payload.size() / 20));
    }
}

void PacketDevice::startAnswer(int object, int number, const QByteArray& payload, std::int64_t now) {
    outPackets_.clear();
    nextPacket_ = 0;
    if (payload.isEmpty() && object != 2) {
        // Nothing to send: one packet with code 0xFE.
        outPackets_.push_back(QByteArray("\x01\x00\x03\x00\xFE", 5) + char(object) + char(number) +
                              QByteArray(2, '\0'));
    } else {
        const int n = std::max(1, int((payload.size() + kMaxChunk - 1) / kMaxChunk));
        for (int i = 0; i < n; ++i) {
            const QByteArray chunk = payload.mid(i * kMaxChunk, kMaxChunk);
            const int length = int(chunk.size()) + 3;
            QByteArray p;
            p += char(n);
            p += char(i);
            p += char(length % 256);
            p += char(length / 256);
            p += char(2);
            p += char(object);
            p += char(number);
            p += chunk;
            p += QByteArray(2, '\0');
            outPackets_.push_back(p);
        }
    }
    sendNextPacket(now);
}

void PacketDevice::sendNextPacket(std::int64_t now) {
    const QByteArray& p = outPackets_[nextPacket_];
    answer(p, now);
    const bool last = nextPacket_ + 1 == outPackets_.size();
    ++nextPacket_;
    awaitingAck_ = true;
    ackDeadline_ = tx_.idleAt(now) + (last ? kLastAckWaitUs : kAckWaitUs);
}

void PacketDevice::acknowledged(std::int64_t now, int speed) {
    if (!awaitingAck_) return; // a late acknowledgement of a transfer already given up
    if (nextPacket_ < outPackets_.size()) {
        sendNextPacket(now);
        return;
    }
    awaitingAck_ = false;
    takeBackDeferred();
    parse(now, speed);
}

void PacketDevice::takeBackDeferred() {
    buffer_.prepend(deferred_);
    loggedAhead_ = int(deferred_.size());
    deferred_.clear();
}

void PacketDevice::tick(std::int64_t now) {
    if (!awaitingAck_ || now < ackDeadline_) return;
    log_.note(QStringLiteral("no acknowledgement of packet %1").arg(nextPacket_));
    awaitingAck_ = false;
    outPackets_.clear();
    takeBackDeferred();
    parse(now, speed_);
}

void PacketDevice::lineDropped() {
    buffer_.clear();
    deferred_.clear();
    loggedAhead_ = 0;
    outPackets_.clear();
    awaitingAck_ = false;
}

} // namespace sim
