#pragma once
#include "exchange/PacketFormat.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace exchange {

// Collects the answer packets of one read and joins their chunks. Packets must
// come in order, each but the last carrying exactly 1015 payload bytes, and each
// after the first with the code, object and number of the first: a packet of
// another answer is refused however well its count and index fit. Anything
// else is refused with the reason, and nothing is stored outside the packets
// announced by the first one.
class PacketAssembler {
public:
    void reset();

    // Checks a header as soon as it is in; empty when it may be the next packet.
    QString checkHeader(const wire::AnswerHeader& header) const;
    // Takes a whole packet (header.packetBytes() bytes); empty when accepted.
    QString accept(const wire::AnswerHeader& header, const char* packet);

    bool complete() const { return !packets_.isEmpty() && received_ == packets_.size(); }
    int received() const { return received_; }
    // The chunks of all packets in order, without their code, object and number.
    QByteArray payload() const;

private:
    QVector<QByteArray> packets_; // inPackets: code, object, number and chunk
    int received_ = 0;
    wire::AnswerHeader first_; // of the answer being assembled
};

} // namespace exchange
