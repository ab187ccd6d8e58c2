#include "exchange/PrTable.h"

#include "store/encoding/CodePage.h"

namespace exchange {

float PrTable::valueOf(int raw) { return static_cast<float>(raw < 1000 ? raw * 0.01 : raw * 0.001); }

QVector<PrTable::Record> PrTable::parse(const QByteArray& block) {
    QVector<Record> records;
    const int n = int(block.size()) / kRecordSize;
    records.reserve(n);
    for (int k = 0; k < n; ++k) {
        const char* r = block.constData() + kRecordSize * k;
        const int raw = static_cast<unsigned char>(r[18]) + 256 * static_cast<unsigned char>(r[19]);
        // Byte 14 is read as a thirteenth name character; tables written by this program hold 0 there.
        records.push_back(Record{k + 1, store::fromCp1251(r + 2, kNameSize + 1), valueOf(raw)});
    }
    return records;
}

} // namespace exchange
