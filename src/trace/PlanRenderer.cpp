#include "trace/PlanRenderer.h"

#include "store/Dataset.h"
#include "store/DatasetWalk.h"
#include "store/ViewState.h"
#include "trace/ChartSet.h"
#include "trace/RangeTables.h"
#include "trace/RenderScale.h"
#include "trace/ScaleRange.h"
#include "trace/SlotLayout.h"
#include "trace/TraceNumbers.h"

#include <algorithm>
#include <cmath>

namespace trace {

PlanRenderer::Plan PlanRenderer::planOf(const WaveRecord& r) {
    Plan p;
    if (!std::isfinite(r.scale) || RangeTables::planIndex(r.scale) < 0) return p;
    if (!std::isfinite(r.zoomL) || r.zoomL < 1 || r.zoomL > 12.5) return p;
    if (!std::isfinite(r.startPlan) || std::fabs(r.startPlan) > 2 * r.scale) return p;
    p.start = TraceNumbers::trunc64(r.startPlan * 100);
    p.step = TraceNumbers::trunc64(r.scale * 100) / TraceNumbers::trunc64(r.zoomL) / kSamples;
    p.end = kSamples * p.step + p.start;
    p.valid = p.step > 0;
    return p;
}

void PlanRenderer::RenderPlanView() {
    store::ViewState& st = ctx_.state;
    const ChartSet& charts = ctx_.charts;
    ctx_.drawn.planStep = 0;
    ctx_.drawn.planStart = 0;
    ctx_.drawn.planStepPR = 0;
    range_.ComputeMaxScale();

    Grid grid;
    grid.pr = TraceNumbers::readPR(st.editKu());
    grid.maxScale = st.maxScale();
    grid.step = TraceNumbers::trunc64(st.maxScale() * 100 / kSamples);
    grid.stepPR = grid.step / grid.pr * 1.5;

    store::Dataset& source = st.waveSource() == 1 ? ctx_.master : ctx_.picture;
    if (grid.step <= 0 || source.recordCount() == 0) {
        charts.hideCurrent();
        charts.hideCompareFrom(0);
        return;
    }
    const Plan selected = planOf(WaveRecord::read(source));
    const double startPR = selected.start / grid.pr * 1.5;
    const double endPR = selected.end / grid.pr * 1.5;
    if (selected.valid) {
        ctx_.drawn.planStart = int(selected.start);
        ctx_.drawn.planStep = int(selected.step);
        ctx_.drawn.planStepPR = selected.step / grid.pr * 1.5;
    }

    int j = 0;
    store::DatasetWalk walk(ctx_.picture, store::TagQuiet);
    if (walk.first()) {
        // Only three compare records have slots; further ones are never drawn.
        for (const int n = std::min(ctx_.picture.recordCount(), SlotLayout::kCompareRecords); j < n; ++j) {
            PlotPlanRecord(ctx_.picture, SlotLayout::kUpperCompare1 + j, SlotLayout::kLowerCompare1 + j,
                           grid);
            walk.next();
        }
    }
    walk.finish();
    charts.hideCompareFrom(j);

    if (ctx_.master.recordCount() == 0) charts.hideCurrent();
    else PlotPlanRecord(ctx_.master, SlotLayout::kUpperCurrent, SlotLayout::kLowerCurrent, grid);

    charts.upper().setAxisRange(Axis::Top, 0, kSamples * grid.stepPR * 0.01);
    charts.clearTopBottom();
    if (!selected.valid) {
        charts.clearFrame();
        return;
    }
    // Through 0..0, so that the minimum never stands above the maximum.
    charts.lower().setAxisRange(Axis::Bottom, 0, 0);
    charts.lower().setAxisRange(Axis::Bottom, startPR * 0.01, endPR * 0.01);
    charts.drawFrame((startPR + grid.stepPR) * 0.01, (endPR - grid.stepPR) * 0.01);
}

bool PlanRenderer::PlotPlanRecord(store::Dataset& ds, int u, int l, const Grid& grid) {
    const ChartPair upper = ctx_.charts.upper(), lower = ctx_.charts.lower();
    const WaveRecord r = WaveRecord::read(ds);
    const Plan p = planOf(r);
    if (!p.valid || grid.step <= 0) {
        for (const auto& [pair, slot] : {std::pair{upper, u}, std::pair{lower, l}}) {
            pair.clear(slot);
            pair.setActive(slot, false);
        }
        return false;
    }
    // Samples beyond a short blob are drawn at SDVIG.
    const auto sample = [&](qint64 k) {
        return k >= 0 && k < kSamples && k < r.points.size() ? WaveRecord::SignedSample(quint8(r.points[k]))
                                                             : 0;
    };
    const double sdvig = double(r.sdvig);
    const double stepPR = p.step / grid.pr * 1.5;

    const qint64 overTail = TraceNumbers::trunc64(grid.maxScale * 100 / grid.step);
    const qint64 detailTail = TraceNumbers::trunc64(grid.maxScale * 100 / p.step);
    QList<QPointF> over, detail;
    // Filled in one go: a long compare record's tail is tens of thousands of points.
    over.reserve(qsizetype(std::clamp<qint64>(overTail, kSamples, 1 << 20)));
    detail.reserve(qsizetype(std::clamp<qint64>(detailTail, kSamples, 1 << 20)));
    qint64 o = 0, q = 0;
    const auto addOver = [&](double y) { over.append(QPointF(double(o++) * grid.stepPR * 0.01, y)); };
    const auto addDetail = [&](double y) { detail.append(QPointF(double(q++) * stepPR * 0.01, y)); };

    for (const qint64 lead = p.start / grid.step; o < lead;) addOver(sdvig);
    for (const qint64 lead = p.start / p.step; q < lead;) addDetail(sdvig);
    const qint64 n = (p.end - p.start) / grid.step;
    if (n <= 0) {
        // A plan shorter than one overview step shows as one point.
        addOver(sdvig + sample(0));
    } else {
        const qint64 stride = std::max<qint64>(1, kSamples / n);
        for (qint64 i = 0; i < n; ++i) addOver(sdvig + sample(i * stride));
    }
    for (int k = 0; k < kSamples; ++k) addDetail(sdvig + sample(k));
    // The tails are level: written in place rather than appended one by one.
    const auto level = [sdvig](QList<QPointF>& points, qint64& i, qint64 end, double step) {
        if (i >= end) return;
        const qsizetype from = points.size();
        points.resize(from + qsizetype(end - i));
        for (QPointF* out = points.data() + from; i < end; ++i)
            *out++ = QPointF(double(i) * step * 0.01, sdvig);
    };
    level(over, o, overTail, grid.stepPR);
    level(detail, q, detailTail, stepPR);

    upper.clear(u);
    upper.addPoints(u, over);
    lower.clear(l);
    lower.addPoints(l, detail);
    upper.setActive(u, true);
    lower.setActive(l, true);
    return true;
}

} // namespace trace
