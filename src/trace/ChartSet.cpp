#include "trace/ChartSet.h"

#include "trace/DifferenceTrace.h"
#include "trace/SlotLayout.h"

#include <QCoreApplication>
#include <algorithm>

namespace trace {

ChartSet::ChartSet(Chart& upper, Chart& lower) : upper_(&upper), lower_(&lower) {
    upper.setName(QStringLiteral("DBChart1"));
    upper.setDescription(QCoreApplication::translate("trace::ChartSet", "Waveform overview"));
    lower.setName(QStringLiteral("TDBChart1"));
    lower.setDescription(QCoreApplication::translate("trace::ChartSet", "Waveform detail"));
    SlotLayout::setupUpper(upper);
    SlotLayout::setupLower(lower);
}

void ChartSet::attachCopies(Chart& upperCopy, Chart& lowerCopy) {
    upperCopy.setName(QStringLiteral("QRChart1"));
    upperCopy.setDescription(QCoreApplication::translate("trace::ChartSet", "Report waveform overview"));
    lowerCopy.setName(QStringLiteral("QRChart2"));
    lowerCopy.setDescription(QCoreApplication::translate("trace::ChartSet", "Report waveform detail"));
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
    for (int j = 0; j <= SlotLayout::kCompareRecords; ++j) {
        upper().setInvertedStairs(SlotLayout::kUpperCurrent + j, on);
        lower().setInvertedStairs(SlotLayout::kLowerCurrent + j, on);
    }
}

void ChartSet::drawFrame(double xLeft, double xRight) const {
    const ChartPair up = upper();
    const double yMin = up.axisMin(Axis::Left), yMax = up.axisMax(Axis::Left);
    const auto side = [&](int slot, double x1, double y1, double x2, double y2) {
        up.clear(slot);
        up.addPoint(slot, x1, y1);
        up.addPoint(slot, x2, y2);
    };
    side(SlotLayout::kFrameRight, xRight, yMin, xRight, yMax);
    side(SlotLayout::kFrameBottom, xRight, yMin + 3, xLeft, yMin + 3);
    side(SlotLayout::kFrameLeft, xLeft, yMin, xLeft, yMax);
    side(SlotLayout::kFrameTop, xRight, yMax - 3, xLeft, yMax - 3);
}

void ChartSet::clearFrame() const {
    for (int s = SlotLayout::kFrameRight; s <= SlotLayout::kFrameTop; ++s) upper().clear(s);
}

void ChartSet::clearTopBottom() const {
    lower().clear(SlotLayout::kLowerTop);
    lower().clear(SlotLayout::kLowerBottom);
    upper().clear(SlotLayout::kUpperTop);
    upper().clear(SlotLayout::kUpperBottom);
}

void ChartSet::hideCurrent() const {
    upper().deactivate(SlotLayout::kUpperCurrent);
    lower().deactivate(SlotLayout::kLowerCurrent);
}

void ChartSet::hideCompareFrom(int j) const {
    for (int k = std::max(j, 0); k < SlotLayout::kCompareRecords; ++k) {
        upper().deactivate(SlotLayout::kUpperCompare1 + k);
        lower().deactivate(SlotLayout::kLowerCompare1 + k);
    }
}

void ChartSet::hideTraces() const {
    hideCurrent();
    DifferenceTrace::hide(lower());
    hideCompareFrom(0);
    clearFrame();
    clearTopBottom();
    lower().clear(SlotLayout::kCursorK1);
    lower().clear(SlotLayout::kCursorK2);
}

} // namespace trace
