#pragma once
#include <QVariant>

namespace tools {

// The two fields of an old `master` row that the import uses, as stored
// (either may be null or of an unexpected type).
struct OldRecord {
    QVariant bankNum; // BANK_NUM
    QVariant points;  // POINTS: the instrument's raw waveform block
};

} // namespace tools
