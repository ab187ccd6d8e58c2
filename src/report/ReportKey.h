#pragma once
#include "report/ReportItem.h"

#include <QColor>
#include <QList>
#include <QString>

namespace report {

// A row of column titles, each after a short line in the colour its column's
// trace is printed in: the key between the parameter table and the charts.
class ReportKey : public ReportItem {
    Q_OBJECT
public:
    ReportKey(const QString& name, const QRectF& rect, double points, QObject* parent);

    struct Entry {
        double left;   // design pixels from the item's left edge
        QColor colour; // invalid: the trace is not printed, so no line
        QString text;
    };
    QList<Entry> entries;
    double points;

    static constexpr double kLineLength = 14;

    void paint(QPainter& painter, const QPointF& bandOrigin) const override;
};

} // namespace report
