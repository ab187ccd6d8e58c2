#pragma once
#include <QString>

namespace store {
class Dataset;
}

namespace trace {

struct TraceContext;

// Names the drawn traces for the legends after the waveforms they show: the
// current trace after the library's current record, compare trace j after the
// compare library's row j, each as the grids show it (number and name).
class LegendNames {
public:
    static void nameTraces(const TraceContext& ctx);
    // "№ <REC_ID> <MEMO>"; empty when the row cannot be read.
    static QString of(const store::Dataset& ds, int row);
};

} // namespace trace
