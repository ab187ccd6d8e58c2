#pragma once
#include "report/ReportItem.h"

namespace report {

// A one-line text of the report (title, "Printed:", the print date).
class ReportLabel : public ReportItem {
    Q_OBJECT
public:
    ReportLabel(const QString& name, const QRectF& rect, double points, QObject* parent);

    QString caption;
    double points;
    bool bold = false;
    bool italic = false;

    void paint(QPainter& painter, const QPointF& bandOrigin) const override;
};

} // namespace report
