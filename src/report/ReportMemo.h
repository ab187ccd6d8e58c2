#pragma once
#include "report/ReportItem.h"

#include <QColor>
#include <QList>
#include <QStringList>

namespace report {

// A block of text lines, one per row (parameter columns, readouts, contacts).
// A line longer than the block is cut with an ellipsis rather than running
// into the next column. With `linesPerColumn` set, the lines after that many
// continue `columnStep` to the right, as a second column of the same width.
class ReportMemo : public ReportItem {
    Q_OBJECT
public:
    ReportMemo(const QString& name, const QRectF& rect, double points, QObject* parent);

    QStringList lines;
    double points;
    // The colour of line i, where one is given and valid; black otherwise.
    QList<QColor> colours;
    int linesPerColumn = 0; // 0: one column
    double columnStep = 0;

    void paint(QPainter& painter, const QPointF& bandOrigin) const override;
};

} // namespace report
