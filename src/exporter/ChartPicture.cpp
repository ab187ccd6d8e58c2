#include "exporter/ChartPicture.h"

#include "trace/QtChart.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

namespace exporter {

namespace {

// Lays the chart out at `target`'s size, draws it there and lays it out at
// its own size again, so the window never sees the borrowed size.
void paintChart(trace::QtChart& chart, QPainter& painter, const QRectF& target) {
    QChart* c = chart.view()->chart();
    const QSizeF own = c->size();
    auto layOut = [&](const QSizeF& size) {
        c->resize(size);
        if (c->layout()) c->layout()->activate();
        chart.flush();
    };
    layOut(target.size());
    c->scene()->render(&painter, target, QRectF(c->scenePos(), target.size()), Qt::IgnoreAspectRatio);
    layOut(own);
}

} // namespace

ChartPicture::ChartPicture(trace::QtChart* upper, trace::QtChart& lower) : upper_(upper), lower_(lower) {
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

void ChartPicture::paint(QPainter& painter, QSize size) const {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    int upperHeight = 0;
    if (upper_) {
        const double up = upper_->view()->height(), down = lower_.view()->height();
        upperHeight = up + down > 0 ? int(std::lround(size.height() * up / (up + down))) : size.height() / 2;
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
