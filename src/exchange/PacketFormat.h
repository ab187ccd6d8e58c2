#pragma once
#include "store/encoding/WaveformConversions.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace exchange {

// The two wire formats of the exchange.
//
// Short frames (device type 0): a read request is 0x55 and the number, answered
// by a 385-byte block; a write request is 0x56, the number, 384 data bytes and
// their sum modulo 256, acknowledged by that sum.
//
// Packets (device types 3 and 4): a message (code, object, number, payload) is
// cut into packets of at most 1024 bytes: count, index, length L (payload chunk
// + 3; high byte first from the PC, low byte first from the instrument), code,
// object, number, chunk, two trailing bytes.
namespace wire {

// The short-frame answer is the block the library stores.
inline constexpr int kShortAnswerSize = store::kType0BlockSize;
inline constexpr int kShortDataSize = store::kType0DataSize;
inline constexpr int kShortPrefix = 0x53;
inline constexpr int kPacketSize = 1024;
inline constexpr int kHeaderSize = 6;
inline constexpr int kPrefixSize = 3;
inline constexpr int kMaxChunk = kPacketSize - kHeaderSize - kPrefixSize; // 1015
inline constexpr int kAnswerHeaderBytes = 7;                              // count .. number
inline constexpr unsigned char kInstrumentAck = 0xFF;

// The PC's acknowledgement of an answer packet.
QByteArray PcAck();

// Whether a 385-byte short answer ends with the sum of its 384 data bytes.
bool ShortAnswerIntact(const QByteArray& answer);

// A short request frame. A write needs at least 384 payload bytes (the caller checks).
QByteArray BuildShortFrame(int code, int number, const QByteArray& payload);

QByteArray BuildMessage(int code, int object, int number, const QByteArray& payload);

// Cuts a message into packets, trailing bytes zero. Always at least one packet.
QVector<QByteArray> SplitIntoPackets(const QByteArray& message);

// The fields of an answer packet header (first seven bytes, length low byte first).
struct AnswerHeader {
    int count = 0;
    int index = 0;
    int length = 0; // L: code, object, number and the chunk
    int code = 0;
    int object = 0;
    int number = 0;

    static AnswerHeader parse(const char* bytes); // reads kAnswerHeaderBytes bytes
    int packetBytes() const { return kHeaderSize + length; }
    int chunkSize() const { return length - kPrefixSize; }
};

} // namespace wire
} // namespace exchange
