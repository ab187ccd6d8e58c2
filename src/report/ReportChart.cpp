#include "report/ReportChart.h"

#include "report/ChartPainter.h"

namespace report {

ReportChart::ReportChart(const QString& name, const QRectF& rect, int seriesCount, QObject* parent)
    : ReportItem(name, rect, parent), trace::Chart(seriesCount) {
    setName(name);
}

void ReportChart::paint(QPainter& painter, const QPointF& bandOrigin) const {
    ChartPainter::paint(painter, *this, rect.translated(bandOrigin), labelledLines);
}

void ReportChart::nameChanged() { setObjectName(name()); }

} // namespace report
