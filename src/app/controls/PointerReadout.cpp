#include "app/controls/PointerReadout.h"

#include "store/Units.h"
#include "trace/QtChart.h"
#include "trace/SlotLayout.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <cmath>

namespace app::controls {

std::optional<double> PointerReadout::distanceAt(const QPoint& viewPos, bool anywhere) const {
    QChartView* view = chart_.view();
    QLineSeries* series = chart_.series(trace::SlotLayout::kLowerCurrent);
    if (view == nullptr || series == nullptr || view->chart() == nullptr) return std::nullopt;
    QChart* chart = view->chart();
    const QPointF at = chart->mapFromScene(view->mapToScene(viewPos));
    if (!anywhere && !chart->plotArea().contains(at)) return std::nullopt;
    // The distance axis counts in the shown unit.
    const double distance = store::Units::fromShown(chart->mapToValue(at, series).x());
    if (!std::isfinite(distance)) return std::nullopt;
    return distance;
}

std::optional<QString> PointerReadout::TDBChart1MouseMove(const QPoint& viewPos) const {
    if (const std::optional<double> distance = distanceAt(viewPos)) return store::Units::format(*distance);
    return std::nullopt;
}

} // namespace app::controls
