#include "app/controls/PointerReadout.h"

#include "store/Units.h"
#include "trace/ScreenChart.h"

namespace app::controls {

std::optional<double> PointerReadout::distanceAt(const QPoint& viewPos, bool anywhere) const {
    return chart_.distanceAt(QPointF(viewPos), anywhere);
}

std::optional<QString> PointerReadout::TDBChart1MouseMove(const QPoint& viewPos) const {
    if (const std::optional<double> distance = distanceAt(viewPos)) return store::Units::format(*distance);
    return std::nullopt;
}

} // namespace app::controls
