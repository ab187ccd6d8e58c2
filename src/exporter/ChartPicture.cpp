#include "exporter/ChartPicture.h"

#include "trace/ChartPainter.h"
#include "trace/ScreenChart.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>
#include <cmath>

namespace exporter {

namespace {

void paintChart(const trace::ScreenChart& chart, QPainter& painter, const QRectF& target) {
    trace::ChartPainter::paint(painter, chart, target, chart.styleFor(painter.device()));
}

} // namespace

ChartPicture::ChartPicture(const trace::ScreenChart* upper, const trace::ScreenChart& lower)
    : upper_(upper), lower_(lower) {
    if (upper_ && !upper_->view()) upper_ = nullptr;
}

QSize ChartPicture::shownSize() const {
    if (!lower_.view()) return {};
    QSize s = lower_.view()->size();
    if (upper_) s.rheight() += upper_->view()->height();
    return s;
}

bool ChartPicture::acceptable(QSize size) {
    return size.width() >= kMinSide && size.height() >= kMinSide && size.width() <= kMaxSide &&
           size.height() <= kMaxSide;
}

QString ChartPicture::refusal(QSize size) {
    if (acceptable(size)) return {};
    return tr("A picture of %1 x %2 pixels cannot be made: each side must be between %3 and %4 pixels.")
        .arg(size.width())
        .arg(size.height())
        .arg(kMinSide)
        .arg(kMaxSide);
}

int ChartPicture::dpi() const { return lower_.view() ? lower_.view()->logicalDpiX() : 96; }

void ChartPicture::paint(QPainter& painter, QSize picture) const {
    painter.fillRect(QRect(QPoint(0, 0), picture), Qt::white);
    // A picture larger than the window is the window's charts enlarged, text
    // and all, as the report enlarges them on paper; a smaller one is laid out
    // at its own size, so that its text stays legible.
    const QSize shown = shownSize();
    double factor = 1;
    if (!shown.isEmpty())
        factor = std::max(1.0, std::min(double(picture.width()) / shown.width(),
                                        double(picture.height()) / shown.height()));
    painter.scale(factor, factor);
    const QSizeF size = QSizeF(picture) / factor;
    double upperHeight = 0;
    if (upper_) {
        const double up = upper_->view()->height(), down = lower_.view()->height();
        upperHeight = std::round(up + down > 0 ? size.height() * up / (up + down) : size.height() / 2);
        paintChart(*upper_, painter, QRectF(0, 0, size.width(), upperHeight));
    }
    paintChart(lower_, painter, QRectF(0, upperHeight, size.width(), size.height() - upperHeight));
}

QImage ChartPicture::image(QSize size) const {
    if (!acceptable(size) || !lower_.view()) return {};
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    // Laid out in the window's font sizes: drawn at the window's resolution.
    const int dotsPerMetre = int(std::lround(dpi() / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&picture);
    paint(painter, size);
    return picture;
}

QByteArray ChartPicture::png(QSize size) const {
    const QImage picture = image(size);
    if (picture.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return picture.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray ChartPicture::svg(QSize size, const QString& title) const {
    if (!acceptable(size) || !lower_.view()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(dpi());
    generator.setTitle(title);
    QPainter painter(&generator);
    paint(painter, size);
    painter.end();
    return bytes;
}

} // namespace exporter
