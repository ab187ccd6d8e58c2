#include "report/ReportChart.h"
#include "report/Tform_print.h"
#include "trace/ChartPainter.h"
#include "trace/RecordingChart.h"
#include "trace/SlotLayout.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using trace::Axis;
using trace::SlotLayout;

namespace {

void fill(trace::Chart& chart) {
    SlotLayout::setupLower(chart);
    chart.setAxisRange(Axis::Bottom, 0, 1000);
    chart.setAxisRange(Axis::Left, -130, 130);
    QList<QPointF> wave;
    for (int i = 0; i <= 2000; ++i) wave.append({i * 0.5, 100 * std::sin(i * 0.5 / 160)});
    chart.addPoints(SlotLayout::kLowerCurrent, wave);
    chart.setActive(SlotLayout::kLowerCurrent, true);
    chart.addPoints(SlotLayout::kCursorK1, {{250, -130}, {250, 130}});
    chart.addPoints(SlotLayout::kCursorK2, {{700, -130}, {700, 130}});
    chart.setActive(SlotLayout::kCursorK1, true);
    chart.setActive(SlotLayout::kCursorK2, true);
}

// How much a pixel is of colour `c` laid on the white page: 1 for the colour
// itself, 0 for white and for whatever is no blend of the two (black lines,
// grey grid), what smoothing blends in between.
double share(QColor pixel, QColor c) {
    const int p[] = {pixel.red(), pixel.green(), pixel.blue()}, k[] = {c.red(), c.green(), c.blue()};
    double alpha = 0;
    int channels = 0;
    for (int i = 0; i < 3; ++i)
        if (k[i] < 200) alpha += double(255 - p[i]) / (255 - k[i]), ++channels;
    if (channels == 0) return 0;
    alpha = std::clamp(alpha / channels, 0.0, 1.0);
    double off = 0;
    for (int i = 0; i < 3; ++i) off += std::abs(p[i] - (255 - alpha * (255 - k[i])));
    return off < 60 ? alpha : 0;
}

// The mean place, weighted by share, of the pixels that are mostly of colour
// `c` along row y (or column x); -1 when none.
double columnOf(const QImage& image, int y, QColor c, int from, int to) {
    double sum = 0, weight = 0;
    for (int x = from; x < to; ++x)
        if (const double w = share(image.pixelColor(x, y), c); w > 0.3) sum += x * w, weight += w;
    return weight > 0 ? sum / weight : -1;
}

double rowOf(const QImage& image, int x, QColor c) {
    double sum = 0, weight = 0;
    for (int y = 0; y < image.height(); ++y)
        if (const double w = share(image.pixelColor(x, y), c); w > 0.3) sum += y * w, weight += w;
    return weight > 0 ? sum / weight : -1;
}

} // namespace

// The report's chart printed at twice the design resolution and the same
// chart drawn as a picture at the design size, brought to one size, put the
// cursors and the trace at the same pixels.
TEST(ChartAgreementTest, pageAndPicture_putCursorsAndTraceAtTheSamePlace) {
    report::Tform_print form;
    trace::RecordingChart same(SlotLayout::kLowerCount);
    fill(*form.QRChart2);
    fill(same);
    const QRectF rect = form.QRChart2->rect;
    const QSize size = rect.size().toSize();

    QImage page(size * 2, QImage::Format_RGB32);
    page.setDotsPerMeterX(7559); // 192 dpi
    page.setDotsPerMeterY(7559);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        p.scale(2, 2);
        form.QRChart2->paint(p, -rect.topLeft());
    }
    const QImage paper = page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        trace::ChartStyle style = trace::ChartStyle::standard(&picture);
        style.labelledLines = {SlotLayout::kCursorK1, SlotLayout::kCursorK2};
        trace::ChartPainter::paint(p, same, QRectF(QPointF(0, 0), rect.size()), style);
    }
    ASSERT_EQ(picture.size(), size);

    const int row = size.height() * 3 / 4; // below the cursors' labels
    for (int k : {0, 1}) {
        const QColor c = SlotLayout::cursorColor(k);
        const int from = k == 0 ? 0 : size.width() / 2, to = k == 0 ? size.width() / 2 : size.width();
        const double onPaper = columnOf(paper, row, c, from, to),
                     inPicture = columnOf(picture, row, c, from, to);
        ASSERT_GE(onPaper, 0) << "cursor " << k;
        EXPECT_NEAR(onPaper, inPicture, 1.0) << "cursor " << k;
    }
    for (int x : {size.width() / 5, size.width() / 3, size.width() * 5 / 6}) {
        const double onPaper = rowOf(paper, x, SlotLayout::currentColor());
        ASSERT_GE(onPaper, 0) << "column " << x;
        EXPECT_NEAR(onPaper, rowOf(picture, x, SlotLayout::currentColor()), 1.0) << "column " << x;
    }
}
