// ConvertType4 on arbitrary blocks.
#include "store/encoding/WaveformConversions.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray block(reinterpret_cast<const char*>(data), int(size));
    const store::ConversionResult r = store::ConvertType4(block);
    if (r.converted() != (size >= std::size_t(store::kPacketBlockMinSize) && !r.values.isEmpty()))
        std::abort();
    return 0;
}
