#pragma once
#include "trace/Chart.h"

namespace trace {

// A chart for tests and benchmarks: it keeps every point of every slot, and in
// addition a log of the axis limits in the order they were taken, so the order
// the renderers use can be checked.
class RecordingChart : public Chart {
public:
    explicit RecordingChart(int seriesCount) : Chart(seriesCount) {}

    struct AxisChange {
        Axis axis;
        AxisPart part;
        double value;
    };
    const QList<AxisChange>& axisLog() const { return axisLog_; }
    // Changes to one axis only, in order.
    QList<AxisChange> axisLog(Axis axis) const;
    void clearLog() { axisLog_.clear(); }

protected:
    void axisChanged(Axis axis, AxisPart part) override;

private:
    QList<AxisChange> axisLog_;
};

} // namespace trace
