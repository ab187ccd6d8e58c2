#pragma once
#include <QPoint>
#include <QString>
#include <optional>

namespace trace {
class ScreenChart;
}

namespace app::controls {

// The distance under the mouse pointer on the lower chart, for panel 0 of
// the status bar: the horizontal value at the pointer as the distance axis
// maps it, with two decimals like the cursor boxes.
class PointerReadout {
public:
    explicit PointerReadout(const trace::ScreenChart& chart) : chart_(chart) {}

    // viewPos in the chart widget's coordinates; nothing while
    // the pointer is outside the plotting rectangle.
    std::optional<QString> TDBChart1MouseMove(const QPoint& viewPos) const;
    // The distance at a point of the viewport as the horizontal axis maps it, in metres;
    // outside the plotting rectangle only when `anywhere` is set (a drag).
    std::optional<double> distanceAt(const QPoint& viewPos, bool anywhere = false) const;

private:
    const trace::ScreenChart& chart_;
};

} // namespace app::controls
