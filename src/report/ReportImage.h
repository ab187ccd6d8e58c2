#pragma once
#include "report/ReportItem.h"

#include <QImage>

namespace report {

// A picture stretched into its frame (the supplier's logo).
class ReportImage : public ReportItem {
    Q_OBJECT
public:
    ReportImage(const QString& name, const QRectF& rect, QObject* parent);

    QImage image;

    void paint(QPainter& painter, const QPointF& bandOrigin) const override;
};

} // namespace report
