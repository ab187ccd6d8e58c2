#include "fakes/RecordingChart.h"

namespace trace {

QList<RecordingChart::AxisChange> RecordingChart::axisLog(Axis axis) const {
    QList<AxisChange> out;
    for (const AxisChange& c : axisLog_)
        if (c.axis == axis) out.append(c);
    return out;
}

void RecordingChart::axisChanged(Axis axis, AxisPart part) {
    if (part == AxisPart::Title) return;
    axisLog_.append({axis, part, part == AxisPart::Min ? axisMin(axis) : axisMax(axis)});
}

} // namespace trace
