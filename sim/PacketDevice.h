#pragma once
#include "Device.h"

#include <QVector>

namespace sim {

// The packet models "KM-52A ver.1" and "KM-52A1 ver.2". A message from the
// program comes in packets (count, index, length high byte first, code,
// object, number, chunk, 2 trailing bytes); every written packet is
// acknowledged with a 5-byte answer whose byte 4 is 0xFF. An answer goes out
// in packets (length low byte first), each after the program's
// acknowledgement 01 01 01 00 FF of the one before; requests that come while
// an acknowledgement is awaited wait for it.
class PacketDevice final : public Device {
public:
    using Device::Device;
    void received(const QByteArray& bytes, std::int64_t now, int speed) override;
    void tick(std::int64_t now) override;
    std::int64_t nextDeadline() const override { return awaitingAck_ ? ackDeadline_ : -1; }
    void lineDropped() override;

private:
    void parse(std::int64_t now, int speed);
    void handlePacket(const QByteArray& packet, std::int64_t now, int speed);
    void acknowledged(std::int64_t now, int speed);
    void startAnswer(int object, int number, const QByteArray& payload, std::int64_t now);
    void sendNextPacket(std::int64_t now);
    void store(int object, int number, const QByteArray& payload);
    // Puts the deferred requests back in front of the bytes to parse.
    void takeBackDeferred();

    QByteArray buffer_;
    QByteArray deferred_; // bytes that came while an acknowledgement was awaited
    int loggedAhead_ = 0; // bytes at the front of buffer_ logged when they first came
    QVector<QByteArray> outPackets_;
    int nextPacket_ = 0;
    bool awaitingAck_ = false;
    std::int64_t ackDeadline_ = 0;
    QByteArray written_; // chunks of the message being written
    int writeCount_ = 0;
    int speed_ = 0;
};

} // namespace sim
