#include "trace/DifferenceTrace.h"

#include "store/Dataset.h"
#include "store/ViewState.h"
#include "trace/ChartSet.h"
#include "trace/SlotLayout.h"
#include "trace/TraceContext.h"
#include "trace/TraceNumbers.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace trace {

namespace {

// b at a fractional sample index; nothing outside its samples. An index
// within rounding of a whole sample takes that sample, so equal steps give
// the stored values exactly.
std::optional<double> valueAt(const StoredTrace& b, double u) {
    const double whole = std::round(u);
    if (std::fabs(u - whole) < 1e-6) u = whole;
    if (!(u >= 0) || u > double(b.size() - 1)) return std::nullopt;
    const int i = int(std::floor(u));
    if (i == b.size() - 1) return b.samples[size_t(i)];
    const double t = u - i;
    return b.samples[size_t(i)] * (1 - t) + b.samples[size_t(i) + 1] * t;
}

} // namespace

QList<QPointF> DifferenceTrace::points(const StoredTrace& a, const StoredTrace& b, double pr, double fromX,
                                       double toX) {
    QList<QPointF> out;
    if (!a.valid() || !b.valid() || !(pr > 0)) return out;
    // The axis limits are computed in another order than the distances; a
    // sample on a limit must not fall out by a rounding.
    const double slack = a.step * 1.5 / pr * 1e-6;
    for (int k = 0; k < a.size(); ++k) {
        const double x = a.metresAt(k, pr);
        if (x < fromX - slack || x > toX + slack) continue;
        const std::optional<double> other = valueAt(b, (a.start + k * a.step - b.start) / b.step);
        if (other) out.append(QPointF(x, a.samples[size_t(k)] - *other));
    }
    return out;
}

void DifferenceTrace::hide(const ChartPair& lower) {
    if (!lower.isActive(SlotLayout::kLowerDifference)) return;
    lower.deactivate(SlotLayout::kLowerDifference);
    lower.clear(SlotLayout::kLowerDifference);
    lower.setLegendName(SlotLayout::kLowerDifference, QString());
}

void DifferenceTrace::draw(const TraceContext& ctx) {
    const ChartPair lower = ctx.charts.lower();
    const int slot = SlotLayout::kLowerDifference;
    const store::ViewState& st = ctx.state;
    if (!st.showDifference() || ctx.master.recordCount() == 0 || ctx.picture.recordCount() == 0 ||
        (st.typeIndex() != 0 && st.typeIndex() != 1)) {
        hide(lower);
        return;
    }
    const StoredTrace a = StoredTrace::of(WaveRecord::read(ctx.master), st.typeIndex());
    const StoredTrace b = StoredTrace::of(WaveRecord::read(ctx.picture), st.typeIndex());
    lower.clear(slot);
    lower.addPoints(slot, points(a, b, TraceNumbers::readPR(st.editKu()), lower.axisMin(Axis::Bottom),
                                 lower.axisMax(Axis::Bottom)));
    // Numbers only: with both names the entry would crowd the plot out.
    lower.setLegendName(slot, QCoreApplication::translate("trace::DifferenceTrace", "№ %1 minus № %2")
                                  .arg(ctx.master.fieldByName(QStringLiteral("REC_ID")).asString(),
                                       ctx.picture.fieldByName(QStringLiteral("REC_ID")).asString()));
    lower.setActive(slot, true);
}

} // namespace trace
