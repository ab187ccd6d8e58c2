#pragma once
#include <QPoint>
#include <QString>
#include <optional>

namespace trace {
class QtChart;
}

namespace app::controls {

// The distance under the mouse pointer on the lower chart, for panel 0 of
// the status bar: the horizontal value at the pointer as the current
// waveform's series maps it, with two decimals like the cursor boxes.
class PointerReadout {
public:
    explicit PointerReadout(const trace::QtChart& chart) : chart_(chart) {}

    // viewPos in the coordinates of the chart view's viewport; nothing while
    // the pointer is outside the plotting rectangle.
    std::optional<QString> TDBChart1MouseMove(const QPoint& viewPos) const;
    // The distance at a point of the viewport as the horizontal axis maps it, in metres;
    // outside the plotting rectangle only when `anywhere` is set (a drag).
    std::optional<double> distanceAt(const QPoint& viewPos, bool anywhere = false) const;

private:
    const trace::QtChart& chart_;
};

} // namespace app::controls
