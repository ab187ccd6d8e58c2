// The PR table reader on arbitrary blocks.
#include "exchange/PrTable.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray block(reinterpret_cast<const char*>(data), int(size));
    const auto records = exchange::PrTable::parse(block);
    if (records.size() != int(size / exchange::PrTable::kRecordSize)) std::abort();
    for (const auto& r : records)
        if (r.name.size() > exchange::PrTable::kNameSize + 1 || r.value < 0 || r.value > 65.535f)
            std::abort();
    return 0;
}
