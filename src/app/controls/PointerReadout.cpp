#include "app/controls/PointerReadout.h"

#include "store/Numbers.h"
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
    const double distance = chart->mapToValue(at, series).x();
    if (!std::isfinite(distance)) return std::nullopt;
    return distance;
}

std::optional<QString> PointerReadout::TDBChart1MouseMove(const QPoint& viewPos) const {
    if (const std::optional<double> distance = distanceAt(viewPos)) return store::formatFixed(*distance, 2);
    return std::nullopt;
}

} // namespace app::controls
