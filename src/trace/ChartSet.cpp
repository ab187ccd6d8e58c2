#include "trace/ChartSet.h"

#include "trace/SlotLayout.h"

namespace trace {

ChartSet::ChartSet(Chart& upper, Chart& lower) : upper_(&upper), lower_(&lower) {
    upper.setName(QStringLiteral("DBChart1"));
    upper.setDescription(QStringLiteral("Waveform overview"));
    lower.setName(QStringLiteral("TDBChart1"));
    lower.setDescription(QStringLiteral("Waveform detail"));
    SlotLayout::setupUpper(upper);
    SlotLayout::setupLower(lower);
}

void ChartSet::attachCopies(Chart& upperCopy, Chart& lowerCopy) {
    upperCopy.setName(QStringLiteral("QRChart1"));
    upperCopy.setDescription(QStringLiteral("Report waveform overview"));
    lowerCopy.setName(QStringLiteral("QRChart2"));
    lowerCopy.setDescription(QStringLiteral("Report waveform detail"));
    SlotLayout::setupUpper(upperCopy);
    SlotLayout::setupLower(lowerCopy);
    upperCopy.copyFrom(*upper_);
    lowerCopy.copyFrom(*lower_);
    upperCopy_ = &upperCopy;
    lowerCopy_ = &lowerCopy;
}

void ChartSet::detachCopies() {
    upperCopy_ = nullptr;
    lowerCopy_ = nullptr;
}

void ChartSet::setStairsEverywhere(bool on) const {
    for (const ChartPair& pair : {upper(), lower()})
        for (int s = 0; s < pair.main().seriesCount(); ++s) pair.setStairs(s, on);
}

void ChartSet::setInvertedStairsOnTraces(bool on) const {
    for (int j = 0; j <= SlotLayout::CompareRecords; ++j) {
        upper().setInvertedStairs(SlotLayout::UpperCurrent + j, on);
        lower().setInvertedStairs(SlotLayout::LowerCurrent + j, on);
    }
}

} // namespace trace
