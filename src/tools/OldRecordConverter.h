#pragma once
#include "tools/ImportEntry.h"
#include "tools/OldRecord.h"

#include <optional>

namespace tools {

// Turns an old record into a read-waveform entry of device type 0.
class OldRecordConverter {
public:
    // The block of device type 0 without its checksum byte, the shortest that
    // the waveform conversion can read.
    static constexpr int kMinBlock = 384;

    // `object` is the two-digit object field ("01"). Nothing for a record whose
    // BANK_NUM is not a whole number 0..255 or whose POINTS is missing or
    // shorter than kMinBlock: such a record cannot become a well-formed command.
    static std::optional<ImportEntry> convert(const OldRecord& record, const QString& object);

    // BANK_NUM as a number 0..255, if it is one.
    static std::optional<int> bankNumber(const QVariant& value);
};

} // namespace tools
