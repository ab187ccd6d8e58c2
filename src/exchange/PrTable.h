#pragma once
#include <QByteArray>
#include <QString>
#include <QVector>

namespace exchange {

// The instrument's PR (propagation ratio) table: 20-byte records of marker 2,
// record number, 12-byte blank-padded name, 2 unused bytes, 2 zero bytes and the
// value as an unsigned 16-bit integer, low byte first.
class PrTable {
public:
    struct Record {
        int number = 0;  // 1, 2, ... in block order
        QString name;    // 13 bytes from offset 2, up to the first zero byte
        float value = 0; // raw × 0.01 below 1000, else raw × 0.001
    };

    static constexpr int kRecordSize = 20;
    static constexpr int kNameSize = 12;

    // Whole records only; bytes after the last whole record are ignored. Names
    // are taken in the Windows code page, as the packet instruments send them.
    static QVector<Record> parse(const QByteArray& block);
    static float valueOf(int raw);
};

} // namespace exchange
