#include "app/controls/PointerReadout.h"

#include "store/Units.h"

#include "trace/ScreenChart.h"
#include <QCoreApplication>

namespace app::controls {

std::optional<double> PointerReadout::distanceAt(const QPoint& viewPos, bool anywhere) const {
    return chart_.distanceAt(QPointF(viewPos), anywhere);
}

std::optional<QString> PointerReadout::TDBChart1MouseMove(const QPoint& viewPos) const {
    const std::optional<double> distance = distanceAt(viewPos);
    if (!distance) return std::nullopt;
    // With its unit: the panel stands alone, away from the boxes that name theirs.
    const bool feet = store::Units::current() == store::LengthUnit::Feet;
    return (feet ? QCoreApplication::translate("PointerReadout", "%1 ft")
                 : QCoreApplication::translate("PointerReadout", "%1 m"))
        .arg(store::Units::format(*distance));
}

} // namespace app::controls
