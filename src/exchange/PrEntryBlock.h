#pragma once
#include <QByteArray>
#include <QString>

namespace exchange {

// Builds the PR table block that the exchange window writes into the
// instrument: 20-byte records of marker 2, the record number from 1, the
// name in 12 bytes, two zero bytes, two zero bytes and the value × 1000 as an
// unsigned 16-bit integer, low byte first.
class PrEntryBlock {
public:
    static constexpr int kRecordSize = 20;
    static constexpr int kNameSize = 12;

    // Appends the next record. The name is cut to 12 characters in the
    // instrument's character set and padded with blanks.
    void append(const QString& name, double value);

    int count() const { return int(block_.size()) / kRecordSize; }
    const QByteArray& bytes() const { return block_; }

    // value × 1000, truncated toward zero. A value read back from the
    // instrument is held in single precision (1.3 as 1.2999999523), so the
    // product is nudged by far less than one unit before truncating; values
    // outside 0..65.535 are clamped to what 16 bits hold.
    static int rawValue(double value);

private:
    QByteArray block_;
};

} // namespace exchange
