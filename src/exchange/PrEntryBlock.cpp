#include "exchange/PrEntryBlock.h"

#include "store/encoding/CodePage.h"

#include <cmath>

namespace exchange {

namespace {
constexpr char kMarker = 2;
constexpr int kNameOffset = 2;
constexpr int kValueOffset = 18;
constexpr int kMaxRaw = 0xFFFF;
constexpr double kNudge = 1e-4; // in thousandths: below any difference a 3-decimal value can make
} // namespace

int PrEntryBlock::rawValue(double value) {
    if (!std::isfinite(value) || value <= 0) return 0;
    const double scaled = std::trunc(value * 1000.0 + kNudge);
    return scaled >= kMaxRaw ? kMaxRaw : int(scaled);
}

void PrEntryBlock::append(const QString& name, double value) {
    QByteArray record(kRecordSize, '\0');
    record[0] = kMarker;
    // The record number is one byte; a table of more than 255 records wraps as the instrument counts.
    record[1] = char((count() + 1) & 0xFF);
    QByteArray text = store::toCp1251(name.left(kNameSize)).left(kNameSize);
    text.append(QByteArray(kNameSize - text.size(), ' '));
    record.replace(kNameOffset, kNameSize, text);
    const int raw = rawValue(value);
    record[kValueOffset] = char(raw & 0xFF);
    record[kValueOffset + 1] = char((raw >> 8) & 0xFF);
    block_.append(record);
}

} // namespace exchange
