#include "trace/WindowRenderer.h"

#include "store/Dataset.h"
#include "store/DatasetWalk.h"
#include "store/ViewState.h"
#include "trace/ChartSet.h"
#include "trace/RangeTables.h"
#include "trace/RenderScale.h"
#include "trace/ScaleRange.h"
#include "trace/SlotLayout.h"
#include "trace/TraceNumbers.h"
#include "trace/WaveRecord.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trace {

void WindowRenderer::RenderWindowView() {
    store::ViewState& st = ctx_.state;
    const ChartSet& charts = ctx_.charts;
    range_.ComputeMaxScale();

    const int r = RangeTables::windowIndex(st.maxScale());
    const int zoom = RangeTables::zoomIndex(st.zoomCaption().value());
    if (r < 0 || zoom < 0) {
        ctx_.drawn.windowStep = 0;
        charts.hideCurrent();
        charts.hideCompareFrom(0);
        return;
    }
    // The zoom controls keep the zoom within the range; deleting a long
    // compare record may shrink the range under it, so the deepest zoom the
    // range allows is used then.
    const int z = std::min(zoom, r);
    View v;
    const double length = RangeTables::window[r - z];
    v.windowStep = length * 0.002;
    v.overviewStep = RangeTables::window[r] * 0.002;
    const double anchor = std::isfinite(st.zoomAnchor()) ? st.zoomAnchor() : 0;
    v.windowStart = anchor - 250 * v.windowStep;
    v.windowEnd = anchor + 250 * v.windowStep;
    if (v.windowStart < 0) {
        v.windowStart = 0;
        v.windowEnd = length;
    }
    if (v.windowEnd > st.maxScale()) {
        v.windowEnd = st.maxScale();
        v.windowStart = st.maxScale() - length;
    }
    ctx_.drawn.windowStep = v.windowStep;
    ctx_.drawn.windowStart = v.windowStart;

    v.pr = TraceNumbers::readPR(st.editKu());
    const double toShown = 1.5 / v.pr;
    const double overviewPR = v.overviewStep * toShown;
    const double startPR = v.windowStart * toShown;
    const double endPR = v.windowEnd * toShown;

    int j = 0;
    store::DatasetWalk walk(ctx_.picture, store::TagQuiet);
    if (walk.first()) {
        for (const int n = std::min(ctx_.picture.recordCount(), SlotLayout::kCompareRecords); j < n; ++j) {
            PlotWindowRecord(ctx_.picture, SlotLayout::kUpperCompare1 + j, SlotLayout::kLowerCompare1 + j, v);
            walk.next();
        }
    }
    walk.finish();
    charts.hideCompareFrom(j);

    if (ctx_.master.recordCount() < 1) {
        charts.hideCurrent();
    } else {
        PlotWindowRecord(ctx_.master, SlotLayout::kUpperCurrent, SlotLayout::kLowerCurrent, v);
        charts.clearTopBottom();
    }

    charts.upper().setAxisRange(Axis::Top, 0, kPoints * overviewPR);
    charts.lower().setAxisRange(Axis::Bottom, startPR, endPR);
    charts.drawFrame(startPR + overviewPR, endPR - overviewPR);
}

bool WindowRenderer::PlotWindowRecord(store::Dataset& ds, int u, int l, const View& v) {
    const ChartPair upper = ctx_.charts.upper(), lower = ctx_.charts.lower();
    const WaveRecord r = WaveRecord::read(ds);
    const double f = RangeTables::SampleSpacing(r.scale, r.method);
    if (f <= 0) {
        for (const auto& [pair, slot] : {std::pair{upper, u}, std::pair{lower, l}}) {
            pair.clear(slot);
            pair.setActive(slot, false);
        }
        return false;
    }
    // Only the first 8512 bytes are a waveform; a shorter blob lacks its last
    // samples, which are drawn at SDVIG.
    const qint64 samples =
        std::max<qint64>(0, std::min<qint64>(r.points.size(), kBlobBytes) - kSamplesOffset);
    const auto sample = [&](qint64 k) {
        return k >= 0 && k < samples ? WaveRecord::SignedSample(quint8(r.points[kSamplesOffset + k])) : 0;
    };
    const double sdvig = double(r.sdvig);
    std::array<double, kPoints> window{}, overview{};
    for (int i = 0; i < kPoints; ++i) {
        const qint64 w = TraceNumbers::trunc64(v.windowStart / f + i * v.windowStep / f);
        window[i] = w * f >= r.scale || w * f < 0 ? sdvig : sdvig + sample(w);
        const qint64 o = TraceNumbers::trunc64(i * v.overviewStep / f);
        overview[i] = o * f >= r.scale ? sdvig : sdvig + sample(o);
    }

    const double toShown = 1.5 / v.pr;
    const double stepPR = v.windowStep * toShown, startPR = v.windowStart * toShown;
    const double overviewPR = v.overviewStep * toShown;
    QList<QPointF> lowerPoints, upperPoints;
    lowerPoints.reserve(kPoints);
    upperPoints.reserve(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        lowerPoints.append(QPointF(i * stepPR + startPR, window[i]));
        upperPoints.append(QPointF(i * overviewPR, overview[i]));
    }
    lower.clear(l);
    lower.addPoints(l, lowerPoints);
    upper.clear(u);
    upper.addPoints(u, upperPoints);
    upper.setActive(u, true);
    lower.setActive(l, true);
    return true;
}

} // namespace trace
