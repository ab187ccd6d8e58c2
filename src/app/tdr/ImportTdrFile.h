#pragma once
#include <QString>

namespace store {
class Dataset;
}

namespace app::tdr {

struct TdrFile;

// The model text of records read from waveform files.
inline const QString kTdrDeviceType = QStringLiteral("KM-630 ver.1");

// Appends one library record made from a waveform file to t_master2 (the whole
// library): REC_ID and BANK_NUM one above the last record's REC_ID. The current
// record stays where it was and the dataset's quiet tag absorbs the move back.
// A store error cancels the pending record and propagates.
void ImportTdrFile(store::Dataset& master2, const TdrFile& file);

// Whether the library's last record is the one ImportTdrFile makes of `file`:
// a file whose storing was cut short may or may not have been committed.
bool LastRecordHolds(store::Dataset& master2, const TdrFile& file);

} // namespace app::tdr
