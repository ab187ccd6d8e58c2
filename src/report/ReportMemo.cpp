#include "report/ReportMemo.h"

#include <QFontMetricsF>
#include <QPainter>

namespace report {

ReportMemo::ReportMemo(const QString& name, const QRectF& rect, double points, QObject* parent)
    : ReportItem(name, rect, parent), points(points) {}

void ReportMemo::paint(QPainter& painter, const QPointF& bandOrigin) const {
    if (lines.isEmpty()) return;
    painter.setFont(designFont(painter, points));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF box = rect.translated(bandOrigin);
    const double step = metrics.lineSpacing();
    for (int i = 0; i < lines.size(); ++i) {
        const int column = linesPerColumn > 0 ? i / linesPerColumn : 0;
        const int row = linesPerColumn > 0 ? i % linesPerColumn : i;
        const double baseline = box.top() + metrics.ascent() + row * step;
        if (baseline > box.bottom()) break;
        const QColor colour = colours.value(i);
        painter.setPen(colour.isValid() ? legibleOnPaper(colour) : QColor(Qt::black));
        painter.drawText(QPointF(box.left() + column * columnStep, baseline),
                         metrics.elidedText(lines[i], Qt::ElideRight, box.width()));
    }
}

} // namespace report
