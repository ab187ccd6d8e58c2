#pragma once
#include "report/ReportItem.h"

#include <QStringList>

namespace report {

// A block of text lines, one per row (parameter columns, readouts, contacts).
// A line longer than the block is cut with an ellipsis rather than running
// into the next column.
class ReportMemo : public ReportItem {
    Q_OBJECT
public:
    ReportMemo(const QString& name, const QRectF& rect, double points, QObject* parent);

    QStringList lines;
    double points;

    void paint(QPainter& painter, const QPointF& bandOrigin) const override;
};

} // namespace report
