#include "trace/Cursors.h"

#include "store/MainState.h"
#include "store/Numbers.h"
#include "trace/ChartSet.h"
#include "trace/RangeTables.h"
#include "trace/SlotLayout.h"
#include "trace/TraceNumbers.h"

#include <algorithm>
#include <cmath>

namespace trace {

void Cursors::DrawCursor(double x, int slot, QString& box) {
    const ChartPair lower = charts_.lower();
    const double yMin = lower.axisMin(Axis::Left), yMax = lower.axisMax(Axis::Left);
    lower.clear(slot);
    lower.addPoint(slot, x, yMin);
    lower.addPoint(slot, x, yMax);
    box = TraceNumbers::metres(x);
}

void Cursors::StepCursor(double maxScale, const QString& zoomCaption, int& position, int slot, int typeIndex,
                         QString& box) {
    if (typeIndex == 0) {
        position = std::clamp(position, 0, 250);
        PlaceCursorPlan(maxScale, zoomCaption, position, slot, box);
    } else if (typeIndex == 1) {
        position = std::clamp(position, 0, 500);
        PlaceCursorWindow(position, slot, box);
    }
    state_.notify();
}

void Cursors::PlaceCursorPlan(double maxScale, const QString& zoomCaption, int position, int slot, QString& box) {
    const auto caption = store::parseNumber(zoomCaption);
    if (!caption) return;
    const qint64 factor = TraceNumbers::trunc64(*caption);
    if (factor <= 0) return;
    // A plan zoomed 12.5 times shows "12" on the zoom button.
    const double zf = factor == 12 ? 12.5 : double(factor);
    const int i = RangeTables::planIndex(double(TraceNumbers::trunc64(maxScale)));
    if (i < 0) return;
    const double pr = TraceNumbers::readPR(state_.editKu);
    const qint64 step = TraceNumbers::trunc64(RangeTables::plan[i] * 100 / zf / 250);
    const double stepPR = step / pr * 1.5;
    const double x = (position * stepPR + charts_.lower().axisMin(Axis::Bottom) * 100) * 0.01;
    DrawCursor(x, slot, box);
    distanceTruncated();
}

void Cursors::PlaceCursorWindow(int position, int slot, QString& box) {
    const double pr = TraceNumbers::readPR(state_.editKu);
    const double stepPR = state_.windowStep / pr * 1.5;
    const double startPR = state_.windowStart / pr * 1.5;
    DrawCursor(position * stepPR + startPR, slot, box);
    distanceRounded();
}

void Cursors::CursorsToMetresPlan(int planStep, int planStart, double planStepPR) {
    if (planStep == 0) return;
    const double start = planStepPR * (double(planStart) / planStep);
    const double x1 = (state_.posK1 * planStepPR + start) * 0.01;
    const double x2 = (state_.posK2 * planStepPR + start) * 0.01;
    DrawCursor(x1, SlotLayout::CursorK1, state_.editK1);
    DrawCursor(x2, SlotLayout::CursorK2, state_.editK2);
    distanceTruncated();
}

void Cursors::CursorsToMetresWindow() {
    if (state_.windowStep == 0) return;
    const double pr = TraceNumbers::readPR(state_.editKu);
    const double stepPR = state_.windowStep / pr * 1.5;
    const double startPR = state_.windowStart / pr * 1.5;
    DrawCursor(state_.posK1 * stepPR + startPR, SlotLayout::CursorK1, state_.editK1);
    DrawCursor(state_.posK2 * stepPR + startPR, SlotLayout::CursorK2, state_.editK2);
    distanceRounded();
}

void Cursors::CursorsFromMetresPlan(int planStart, double planStepPR) {
    if (planStepPR == 0) return;
    const double d1 = store::toNumber(state_.editK1) * 100;
    const double d2 = store::toNumber(state_.editK2) * 100;
    const double dl = std::fabs(double(TraceNumbers::trunc64(d1 - d2)));
    const double startPR = planStart * 1.5 / TraceNumbers::readPR(state_.editKu);
    state_.posK1 = TraceNumbers::truncInt((d1 - startPR) / planStepPR);
    state_.posK2 = TraceNumbers::truncInt((d2 - startPR) / planStepPR);
    state_.editK1 = TraceNumbers::metres(d1 * 0.01);
    state_.editK2 = TraceNumbers::metres(d2 * 0.01);
    state_.editL = TraceNumbers::metres(dl * 0.01);
}

void Cursors::CursorsFromMetresWindow() {
    const double pr = TraceNumbers::readPR(state_.editKu);
    const double stepPR = state_.windowStep / pr * 1.5;
    if (stepPR == 0) return;
    const double startPR = state_.windowStart / pr * 1.5;
    const double d1 = store::toNumber(state_.editK1);
    const double d2 = store::toNumber(state_.editK2);
    const double dl = std::fabs(double(TraceNumbers::trunc64(d1 * 100 - d2 * 100))) * 0.01;
    state_.posK1 = TraceNumbers::truncInt((d1 - startPR) / stepPR);
    state_.posK2 = TraceNumbers::truncInt((d2 - startPR) / stepPR);
    state_.editK1 = TraceNumbers::metres(d1);
    state_.editK2 = TraceNumbers::metres(d2);
    state_.editL = TraceNumbers::metres(dl);
}

void Cursors::LimitBoxesToLowerChart() {
    const double bound = charts_.lower().axisMax(Axis::Bottom);
    const double k1 = store::toNumber(state_.editK1), k2 = store::toNumber(state_.editK2);
    if (k1 > bound) state_.editK1 = TraceNumbers::metres(bound);
    if (k2 > bound) state_.editK2 = TraceNumbers::metres(bound);
}

void Cursors::distanceTruncated() {
    const double k1 = store::toNumber(state_.editK1), k2 = store::toNumber(state_.editK2);
    state_.editL = TraceNumbers::metres(std::fabs(double(TraceNumbers::trunc64(k1 * 100 - k2 * 100))) * 0.01);
}

void Cursors::distanceRounded() {
    const double k1 = store::toNumber(state_.editK1), k2 = store::toNumber(state_.editK2);
    state_.editL = TraceNumbers::metres(std::fabs(k1 - k2));
}

} // namespace trace
