#pragma once
#include "report/ReportItem.h"

#include <QStringList>

class QFont;
class QPaintDevice;

namespace report {

// A block of free text (the waveform's note): wrapped at word boundaries to
// the block's width, its own line breaks kept, and cut with "…" where the
// block's height ends, so that it never runs into the band below.
class ReportParagraph : public ReportItem {
    Q_OBJECT
public:
    ReportParagraph(const QString& name, const QRectF& rect, double points, QObject* parent);

    QString text;
    double points;

    // The lines `text` is drawn as in `font` on `device`: at most `maxLines`
    // (at least one), each no wider than `width`; the last ends with "…" when
    // the text goes on.
    static QStringList wrap(const QString& text, const QFont& font, const QPaintDevice* device, double width,
                            int maxLines);

    void paint(QPainter& painter, const QPointF& bandOrigin) const override;
};

} // namespace report
