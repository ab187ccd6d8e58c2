#include "trace/QtChart.h"

#include "store/Units.h"
#include "trace/RoundTicks.h"
#include "trace/SeriesShaper.h"
#include "trace/TraceLayer.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

namespace trace {

namespace {

Qt::Alignment alignmentOf(Axis axis) {
    switch (axis) {
    case Axis::Bottom: return Qt::AlignBottom;
    case Axis::Top: return Qt::AlignTop;
    case Axis::Left: break;
    }
    return Qt::AlignLeft;
}

// The stacking level Qt Charts gives its line series: above the plot area,
// grid and axes, below the legend.
constexpr double kTraceZ = 4;
// Room a tick label needs along its axis, in pixels: "12500" or "-100" with space around.
constexpr double kTickRoomAcross = 64;
constexpr double kTickRoomUp = 28;
// Even a low overview shows the zero line and a value on either side; even a
// 4K screen gets no more labels than a reader takes in.
constexpr int kMinTickIntervals = 3;
constexpr int kMaxTickIntervals = 12;
// Below this height, in pixels, a chart shows no axis titles and moves its
// legend beside the plot.
constexpr int kCompactHeight = 200;

} // namespace

QtChart::QtChart(int seriesCount)
    : Chart(seriesCount), view_(new QChartView), chart_(new QChart),
      dirty_(std::size_t(this->seriesCount()), false) {
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setBackgroundRoundness(0);
    // The theme's gradient background cost as much to paint as everything
    // else together on each repaint of the plot area.
    chart_->setBackgroundBrush(Qt::white);
    chart_->setPlotAreaBackgroundBrush(Qt::black);
    chart_->setPlotAreaBackgroundVisible(true);
    // setChart releases the view's own default chart without deleting it.
    QChart* defaultChart = view_->chart();
    view_->setChart(chart_);
    delete defaultChart;
    view_->setRenderHint(QPainter::Antialiasing, false);
    // The chart's background covers the whole viewport: no need to clear it
    // first. Without the layout's margins the background reaches the edges
    // (else they stay black on X11), and the view's own white paints whatever a
    // resize uncovers before the chart follows.
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    view_->setBackgroundBrush(Qt::white);
    view_->setFrameShape(QFrame::NoFrame);
    view_->viewport()->setAutoFillBackground(false);
    view_->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    for (Axis a : {Axis::Bottom, Axis::Top, Axis::Left}) {
        auto* axis = new QValueAxis;
        axis->setRange(0, 0);
        chart_->addAxis(axis, alignmentOf(a));
        axes_[int(a)] = axis;
    }
    axes_[int(Axis::Top)]->setVisible(false);
    series_.reserve(std::size_t(this->seriesCount()));
    for (int s = 0; s < this->seriesCount(); ++s) {
        auto* line = new QLineSeries;
        chart_->addSeries(line);
        line->setVisible(false);
        series_.push_back(line);
        attachSeries(s);
    }
    layer_ = new TraceLayer(this->seriesCount(), chart_);
    layer_->setZValue(kTraceZ);
    QObject::connect(chart_, &QChart::plotAreaChanged, view_, [this] { markAllDirty(); });
    QObject::connect(&store::Units::notifier(), &store::UnitsNotifier::changed, view_, [this] {
        axisDirty_[int(Axis::Bottom)] = axisDirty_[int(Axis::Top)] = true;
        markAllDirty();
    });
}

double QtChart::shown(Axis axis, double value) {
    return axis == Axis::Left ? value : store::Units::toShown(value);
}

QtChart::~QtChart() { delete view_.data(); }

QLineSeries* QtChart::series(int slot) const { return view_ && validSlot(slot) ? series_[slot] : nullptr; }

QValueAxis* QtChart::axis(Axis axis) const { return view_ ? axes_[int(axis)] : nullptr; }

void QtChart::attachSeries(int slot) {
    QLineSeries* line = series_[slot];
    for (QAbstractAxis* a : line->attachedAxes()) line->detachAxis(a);
    line->attachAxis(axes_[int(distanceAxis())]);
    line->attachAxis(axes_[int(Axis::Left)]);
}

// Out of line: QPointer needs the whole QChartView, which users of this
// header need not include.
QChartView* QtChart::view() const { return view_; }

void QtChart::pointsChanged(int slot) { markDirty(slot); }

void QtChart::styleChanged(int slot) {
    if (!view_) return;
    QLineSeries* line = series_[slot];
    if (!line->attachedAxes().contains(axes_[int(distanceAxis())])) {
        attachSeries(slot);
        const Axis other = distanceAxis() == Axis::Top ? Axis::Bottom : Axis::Top;
        axes_[int(distanceAxis())]->setVisible(true);
        axes_[int(other)]->setVisible(false);
    }
    QPen pen(color(slot));
    pen.setWidth(1);
    pen.setStyle(dashed(slot) ? Qt::DashLine : Qt::SolidLine);
    line->setPen(pen);
    layer_->setPen(slot, pen);
    // The legend shows the series' name: the waveform's, while the slot has one.
    line->setName(legendName(slot).isEmpty() ? title(slot) : legendName(slot));
    legendDirty_ = true;
    markDirty(slot);
}

void QtChart::activeChanged(int slot) {
    if (!view_) return;
    series_[slot]->setVisible(isActive(slot));
    layer_->setTraceVisible(slot, isActive(slot));
    legendDirty_ = true;
    scheduleFlush();
}

void QtChart::updateLegend() {
    // Only the traces shown, each by its waveform's name.
    QStringList shown;
    for (int s = 0; s < seriesCount(); ++s)
        shown.append(isActive(s) && !dashed(s) ? legendName(s) : QString());
    if (shown == legendShown_) return;
    legendShown_ = shown;
    QLegend* legend = chart_->legend();
    for (int s = 0; s < seriesCount(); ++s) {
        for (QLegendMarker* m : legend->markers(series_[s])) m->setVisible(!shown[s].isEmpty());
    }
    // The legend lays its markers out again only when it is shown anew;
    // otherwise a marker that came back is drawn over one that stayed.
    legend->setVisible(false);
    legend->setAlignment(compact_ ? Qt::AlignRight : Qt::AlignTop);
    legend->setVisible(
        std::any_of(shown.begin(), shown.end(), [](const QString& n) { return !n.isEmpty(); }));
}

void QtChart::updateCompactness() {
    // A low chart (both at 1024 × 768) gives the room of its axis titles and
    // of a legend above the plot to the tick labels, which Qt Charts would
    // otherwise cut to "…": the legend moves to the right, where a wide chart
    // has room, and the distance labels carry the unit instead of the title.
    const bool compact = view_->height() < kCompactHeight;
    if (compact == compact_) return;
    compact_ = compact;
    for (QValueAxis* axis : axes_) axis->setTitleVisible(!compact);
    legendShown_.clear();
    legendDirty_ = true;
}

// Qt Charts lays an axis out again at each change of its range or of its tick
// interval, with one item per tick that the two give together. Set in the
// wrong order, the two disagree in between: 50 km at the interval of a 10 m
// zoom is 100,000 ticks, which take it minutes to lay out. So a wider interval
// goes in before the wider range, a narrower one after the narrower range, and
// the axis never holds more ticks than the old or the new setting gives.
void QtChart::showAxis(Axis a) {
    QValueAxis* axis = axes_[int(a)];
    double min = axis->min(), max = axis->max();
    if (std::exchange(axisDirty_[int(a)], false)) {
        const double wantMin = shown(a, axisMin(a)), wantMax = shown(a, axisMax(a));
        if (std::isfinite(wantMin) && std::isfinite(wantMax) && wantMin <= wantMax) {
            min = wantMin;
            max = wantMax;
        }
    }
    const QRectF plot = chart_->plotArea();
    const double length = a == Axis::Left ? plot.height() : plot.width();
    const double room = a == Axis::Left ? kTickRoomUp : kTickRoomAcross;
    const int intervals =
        std::isfinite(length) ? int(std::clamp(length / room, 0.0, double(kMaxTickIntervals))) : 0;
    const RoundTicks ticks = RoundTicks::forSpan(max - min, std::max(kMinTickIntervals, intervals));
    const bool rangeChanges = axis->min() != min || axis->max() != max;
    if (ticks.step <= 0) {
        axis->setTickType(QValueAxis::TicksFixed);
        if (rangeChanges) axis->setRange(min, max);
        return;
    }
    const bool dynamic = axis->tickType() == QValueAxis::TicksDynamic;
    const bool widerFirst = !dynamic || ticks.step >= axis->tickInterval();
    if (widerFirst && axis->tickInterval() != ticks.step) axis->setTickInterval(ticks.step);
    if (rangeChanges) axis->setRange(min, max);
    if (axis->tickInterval() != ticks.step) axis->setTickInterval(ticks.step);
    if (axis->tickAnchor() != 0) axis->setTickAnchor(0);
    QString format = QStringLiteral("%.%1f").arg(ticks.decimals);
    if (compact_ && a == distanceAxis()) format += store::Units::suffix();
    if (axis->labelFormat() != format) axis->setLabelFormat(format);
    if (!dynamic) axis->setTickType(QValueAxis::TicksDynamic);
}

void QtChart::axisChanged(Axis axis, AxisPart part) {
    if (!view_) return;
    QValueAxis* a = axes_[int(axis)];
    if (part == AxisPart::Title) {
        a->setTitleText(axisTitle(axis));
        return;
    }
    axisDirty_[int(axis)] = true;
    if (axis == distanceAxis()) markAllDirty();
    else scheduleFlush();
}

void QtChart::nameChanged() {
    if (!view_) return;
    view_->setObjectName(name());
    view_->setAccessibleName(description());
}

void QtChart::markDirty(int slot) {
    if (!validSlot(slot) || dirty_[slot]) return;
    dirty_[slot] = true;
    scheduleFlush();
}

void QtChart::markAllDirty() {
    std::fill(dirty_.begin(), dirty_.end(), true);
    scheduleFlush();
}

void QtChart::scheduleFlush() {
    if (flushPending_ || !view_) return;
    flushPending_ = true;
    QMetaObject::invokeMethod(
        view_, [this] { flush(); }, Qt::QueuedConnection);
}

int QtChart::pixelColumns() const {
    const double width = chart_->plotArea().width();
    if (width < 1) return 1000;
    return std::max(1, int(width * view_->devicePixelRatioF()));
}

void QtChart::flush() {
    flushPending_ = false;
    if (!view_) return;
    updateCompactness();
    if (std::exchange(legendDirty_, false)) updateLegend();
    for (Axis a : {Axis::Bottom, Axis::Top, Axis::Left}) showAxis(a);
    updateLayerGeometry();
    const int columns = pixelColumns();
    const double xMin = axisMin(distanceAxis()), xMax = axisMax(distanceAxis());
    for (int s = 0; s < seriesCount(); ++s) {
        if (!dirty_[s]) continue;
        dirty_[s] = false;
        QList<QPointF> shown = SeriesShaper::thin(points(s), xMin, xMax, columns);
        if (stairs(s)) shown = SeriesShaper::stairs(shown, invertedStairs(s));
        layer_->setPoints(s, std::move(shown));
    }
}

void QtChart::updateLayerGeometry() {
    // The limits the axes actually show, so the lines meet the axis labels;
    // the points are in metres.
    const QValueAxis* x = axes_[int(distanceAxis())];
    const QValueAxis* y = axes_[int(Axis::Left)];
    layer_->setPlotArea(chart_->plotArea());
    layer_->setLimits(store::Units::fromShown(x->min()), store::Units::fromShown(x->max()), y->min(),
                      y->max());
}

} // namespace trace
