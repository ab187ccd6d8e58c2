#include "report/ReportParagraph.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace report {

ReportParagraph::ReportParagraph(const QString& name, const QRectF& rect, double points, QObject* parent)
    : ReportItem(name, rect, parent), points(points) {}

QStringList ReportParagraph::wrap(const QString& text, const QFont& font, const QPaintDevice* device,
                                  double width, int maxLines) {
    maxLines = std::max(maxLines, 1);
    const QFontMetricsF metrics(font, device);
    QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (QString& p : paragraphs) p = p.trimmed();
    paragraphs.removeAll(QString());

    QStringList lines;
    QString rest; // what does not fit, from the first line that does not
    for (int p = 0; p < paragraphs.size(); ++p) {
        const QString& paragraph = paragraphs[p];
        QTextLayout layout(paragraph, font, device);
        // A word wider than the block (a long number, a path) breaks rather than overflowing it.
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            if (lines.size() == maxLines) {
                rest = paragraph.mid(line.textStart());
                break;
            }
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
        if (!rest.isEmpty() || (lines.size() == maxLines && p + 1 < paragraphs.size())) {
            // The last shown line carries on into the cut-off text and ends with "…".
            QStringList last{lines.last()};
            if (!rest.isEmpty()) last << rest;
            last << paragraphs.mid(p + 1);
            lines.last() = metrics.elidedText(last.join(QLatin1Char(' ')), Qt::ElideRight, width);
            break;
        }
    }
    return lines;
}

void ReportParagraph::paint(QPainter& painter, const QPointF& bandOrigin) const {
    if (text.trimmed().isEmpty()) return;
    painter.setFont(designFont(painter, points));
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF box = rect.translated(bandOrigin);
    const double step = metrics.lineSpacing();
    // As many lines as fit whole, the last one's descent included.
    const int fit = 1 + std::max(0, int((box.height() - metrics.ascent() - metrics.descent()) / step));
    const QStringList lines = wrap(text, painter.font(), painter.device(), box.width(), fit);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QPointF(box.left(), box.top() + metrics.ascent() + i * step), lines[i]);
}

} // namespace report
