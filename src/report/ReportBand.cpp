#include "report/ReportBand.h"

#include "report/ReportItem.h"

#include <QPainter>

namespace report {

ReportBand::ReportBand(const QString& name, int height, QObject* parent) : QObject(parent), height(height) {
    setObjectName(name);
}

void ReportBand::paint(QPainter& painter, double top, double width) const {
    if (height <= 0) return;
    painter.save();
    // Only the band's height cuts its items; sideways the paper's edge does.
    painter.setClipRect(QRectF(-width, top, 3 * width, height), Qt::IntersectClip);
    for (const ReportItem* item : items) {
        // An item that starts below the band's end would only be clipped away.
        if (item->rect.top() >= height) continue;
        painter.save();
        item->paint(painter, QPointF(0, top));
        painter.restore();
    }
    painter.restore();
}

} // namespace report
