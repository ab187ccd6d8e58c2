// ConvertType0 and the list-entry conversion on arbitrary blocks.
#include "store/encoding/WaveformConversions.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray block(reinterpret_cast<const char*>(data), int(size));
    const store::ConversionResult r = store::ConvertType0(block);
    if (r.converted() && r.value("POINTS").toByteArray() != block) std::abort();
    store::ConvertListEntry(block);
    return 0;
}
