#include "app/controls/PointerReadout.h"

#include "store/Units.h"
#include "trace/ScreenChart.h"

namespace app::controls {

std::optional<double> PointerReadout::distanceAt(const QPoint& viewPos, bool anywhere) const {
    return chart_.distanceAt(QPointF(viewPos), anywhere);
}

std::optional<QString> PointerReadout::TDBChart1MouseMove(const QPoint& viewPos) const {
    // With its unit: the panel stands alone, away from the boxes that name theirs.
    if (const std::optional<double> distance = distanceAt(viewPos))
        return store::Units::format(*distance) + store::Units::suffix();
    return std::nullopt;
}

} // namespace app::controls
