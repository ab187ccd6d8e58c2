#include "trace/LineStyle.h"

#include "trace/ChartSet.h"

namespace trace {

void LineStyle::btAproksClick(int& aproksTag, const ChartSet& charts) {
    const bool wasOff = aproksTag != 0;
    aproksTag = wasOff ? 0 : 1;
    charts.setStairsEverywhere(!wasOff);
}

} // namespace trace
