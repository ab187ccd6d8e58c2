#include "tools/AboutLogo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tools {

QPixmap AboutLogo::picture() {
    QPixmap pix(kWidth, kHeight);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(18, 46, 84));
    sky.setColorAt(1, QColor(8, 20, 40));
    p.fillRect(pix.rect(), sky);

    // A pulse and its echoes along a cable: what the instrument draws.
    QPainterPath trace;
    const double base = kHeight * 0.72;
    trace.moveTo(8, base);
    trace.lineTo(20, base);
    trace.lineTo(24, base - 40);
    trace.lineTo(30, base);
    trace.cubicTo(60, base + 4, 90, base - 2, 120, base);
    trace.lineTo(126, base - 14);
    trace.lineTo(132, base + 8);
    trace.lineTo(138, base);
    trace.cubicTo(180, base + 2, 220, base - 2, 250, base);
    trace.lineTo(256, base + 22);
    trace.lineTo(262, base);
    trace.lineTo(kWidth - 8, base);
    p.setPen(QPen(QColor(90, 230, 140), 2));
    p.drawPath(trace);

    QFont title(QStringLiteral("Sans Serif"), 26, QFont::Bold);
    title.setPixelSize(34);
    p.setFont(title);
    p.setPen(QColor(235, 240, 250));
    p.drawText(QRect(14, 4, kWidth - 28, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Echolon"));
    QFont sub = title;
    sub.setPixelSize(13);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(170, 190, 215));
    p.drawText(QRect(14, 4, kWidth - 28, 44), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("4.1"));
    p.end();
    return pix;
}

} // namespace tools
