#include "report/ReportKey.h"

#include <QFontMetricsF>
#include <QPainter>

namespace report {

ReportKey::ReportKey(const QString& name, const QRectF& rect, double points, QObject* parent)
    : ReportItem(name, rect, parent), points(points) {}

void ReportKey::paint(QPainter& painter, const QPointF& bandOrigin) const {
    if (entries.isEmpty()) return;
    painter.setFont(designFont(painter, points, true));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF box = rect.translated(bandOrigin);
    const double baseline = box.top() + metrics.ascent();
    const double middle = baseline - metrics.xHeight() / 2;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        // Each title ends where the next entry begins, as the columns do.
        const double right = i + 1 < entries.size() ? box.left() + entries[i + 1].left - 2 : box.right();
        double x = box.left() + e.left;
        if (e.colour.isValid()) {
            QPen pen(e.colour, 2.5);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(x, middle), QPointF(x + kLineLength, middle));
            x += kLineLength + 4;
        }
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, baseline),
                         metrics.elidedText(e.text, Qt::ElideRight, std::max(0.0, right - x)));
    }
}

} // namespace report
