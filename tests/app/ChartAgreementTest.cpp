#include "exporter/ChartPicture.h"
#include "report/ReportChart.h"
#include "report/Tform_print.h"
#include "trace/ScreenChart.h"
#include "trace/SlotLayout.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
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

// How much a pixel is of colour `c` laid over the background `bg`: 1 for the
// colour itself, 0 for the background and for whatever is no blend of the two
// (axis lines, grid, text), what smoothing blends in between.
double share(QColor pixel, QColor c, QColor bg) {
    const int p[] = {pixel.red(), pixel.green(), pixel.blue()}, k[] = {c.red(), c.green(), c.blue()},
              b[] = {bg.red(), bg.green(), bg.blue()};
    double alpha = 0;
    int channels = 0;
    for (int i = 0; i < 3; ++i)
        if (std::abs(k[i] - b[i]) > 55) alpha += double(p[i] - b[i]) / (k[i] - b[i]), ++channels;
    if (channels == 0) return 0;
    alpha = std::clamp(alpha / channels, 0.0, 1.0);
    double off = 0;
    for (int i = 0; i < 3; ++i) off += std::abs(p[i] - (b[i] + alpha * (k[i] - b[i])));
    return off < 60 ? alpha : 0;
}

// One target's picture of the chart, brought to the common size, with the
// background its plot is drawn on.
struct Target {
    const char* name;
    QImage image;
    QColor background;
};

// The mean place, weighted by share, of the pixels that are mostly of colour
// `c` along row y between two columns; -1 when none.
double columnOf(const Target& t, int y, QColor c, int from, int to) {
    double sum = 0, weight = 0;
    for (int x = from; x < to; ++x)
        if (const double w = share(t.image.pixelColor(x, y), c, t.background); w > 0.3)
            sum += x * w, weight += w;
    return weight > 0 ? sum / weight : -1;
}

double rowOf(const Target& t, int x, QColor c) {
    double sum = 0, weight = 0;
    for (int y = 0; y < t.image.height(); ++y)
        if (const double w = share(t.image.pixelColor(x, y), c, t.background); w > 0.3)
            sum += y * w, weight += w;
    return weight > 0 ? sum / weight : -1;
}

} // namespace

// One chart as the window shows it, as the report prints it at twice the
// design resolution and as the picture export draws it at twice the window's
// size, the two brought to the window's size, puts the cursors and the trace
// at the same pixels.
TEST(ChartAgreementTest, screenPaperAndPicture_putCursorsAndTraceAtTheSamePlace) {
    report::Tform_print form;
    trace::ScreenChart screen(SlotLayout::kLowerCount);
    screen.setLabelledLines({SlotLayout::kCursorK1, SlotLayout::kCursorK2});
    fill(*form.QRChart2);
    fill(screen);
    const QRectF rect = form.QRChart2->rect;
    const QSize size = rect.size().toSize();
    screen.view()->resize(size);

    QImage page(size * 2, QImage::Format_RGB32);
    page.setDotsPerMeterX(7559); // 192 dpi
    page.setDotsPerMeterY(7559);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        p.scale(2, 2);
        form.QRChart2->paint(p, -rect.topLeft());
    }
    const exporter::ChartPicture export_(nullptr, screen);
    ASSERT_EQ(export_.shownSize(), size);
    const QList<Target> targets = {
        {"screen", screen.view()->grab().toImage(), Qt::black},
        {"paper", page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), Qt::white},
        {"picture", export_.image(size * 2).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
         Qt::black}};
    ASSERT_EQ(targets[0].image.size(), size);

    const int row = size.height() * 3 / 4; // below the cursors' labels
    for (int k : {0, 1}) {
        const QColor c = SlotLayout::cursorColor(k);
        const int from = k == 0 ? 0 : size.width() / 2, to = k == 0 ? size.width() / 2 : size.width();
        const double onScreen = columnOf(targets[0], row, c, from, to);
        ASSERT_GE(onScreen, 0) << "cursor " << k;
        for (const Target& t : targets)
            EXPECT_NEAR(columnOf(t, row, c, from, to), onScreen, 1.0) << t.name << " cursor " << k;
    }
    for (int x : {size.width() / 5, size.width() / 3, size.width() * 5 / 6}) {
        const double onScreen = rowOf(targets[0], x, SlotLayout::currentColor());
        ASSERT_GE(onScreen, 0) << "column " << x;
        for (const Target& t : targets)
            EXPECT_NEAR(rowOf(t, x, SlotLayout::currentColor()), onScreen, 1.0) << t.name << " column " << x;
    }
}
