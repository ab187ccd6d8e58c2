#include "exchange/PacketAssembler.h"

#include <QCoreApplication>

namespace exchange {

using namespace wire;

void PacketAssembler::reset() {
    packets_.clear();
    received_ = 0;
}

QString PacketAssembler::checkHeader(const AnswerHeader& h) const {
    if (h.count == 0 || h.index >= h.count)
        return QCoreApplication::translate("PacketAssembler", "номер пакета %1 не меньше числа пакетов %2")
            .arg(h.index)
            .arg(h.count);
    if (h.length < kPrefixSize || h.packetBytes() > kPacketSize)
        return QCoreApplication::translate("PacketAssembler", "неверная длина пакета %1").arg(h.length);
    if (h.index < h.count - 1 && h.chunkSize() != kMaxChunk)
        return QCoreApplication::translate("PacketAssembler", "пакет %1 из %2 несёт %3 байт вместо %4")
            .arg(h.index + 1)
            .arg(h.count)
            .arg(h.chunkSize())
            .arg(kMaxChunk);
    if (h.index != received_ || (received_ > 0 && h.count != packets_.size()))
        return QCoreApplication::translate("PacketAssembler", "пакет %1 из %2 пришёл не по порядку")
            .arg(h.index + 1)
            .arg(h.count);
    if (received_ > 0 && (h.code != first_.code || h.object != first_.object || h.number != first_.number))
        return QCoreApplication::translate("PacketAssembler",
                                           "packet %1 of %2 belongs to another answer (object %3, "
                                           "number %4 after object %5, number %6)")
            .arg(h.index + 1)
            .arg(h.count)
            .arg(h.object)
            .arg(h.number)
            .arg(first_.object)
            .arg(first_.number);
    return {};
}

QString PacketAssembler::accept(const AnswerHeader& h, const char* packet) {
    if (QString why = checkHeader(h); !why.isEmpty()) return why;
    if (h.index == 0) {
        packets_ = QVector<QByteArray>(h.count);
        first_ = h;
    }
    packets_[h.index] = QByteArray(packet + 4, h.length);
    ++received_;
    return {};
}

QByteArray PacketAssembler::payload() const {
    QByteArray out;
    for (const QByteArray& p : packets_) out += p.mid(kPrefixSize);
    return out;
}

} // namespace exchange
