#include "trace/ChartLayout.h"

#include "store/Units.h"
#include "trace/Chart.h"
#include "trace/ChartStyle.h"
#include "trace/RoundTicks.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace trace {

namespace {

constexpr double kTickLength = 3;
constexpr double kGap = 2;
// Labels along the distance axis keep at least this much space between them.
constexpr double kLabelSpacing = 8;
constexpr double kLegendLine = 16;

bool finiteRange(double min, double max) { return std::isfinite(min) && std::isfinite(max) && max > min; }

QString tickText(double value, int decimals) {
    // Tick labels are short; group separators would only crowd them.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(std::abs(value) < 1e-12 ? 0.0 : value, 'f', decimals);
}

// The ticks inside min..max at the step RoundTicks gives for `intervals`.
QList<AxisTick> ticksOf(double min, double max, int intervals) {
    QList<AxisTick> out;
    if (!finiteRange(min, max)) return out;
    const RoundTicks round = RoundTicks::forSpan(max - min, intervals);
    if (round.step <= 0) return out;
    const double first = std::ceil(min / round.step - 1e-9);
    for (int i = 0; i <= intervals + 1; ++i) {
        const double v = (first + i) * round.step;
        if (v > max + round.step * 1e-9) break;
        out.append({v, 0, tickText(v, round.decimals)});
    }
    return out;
}

// Tick label widths, each label measured once: the search for the ticks that
// fit tries a dozen spacings, whose labels are mostly the same.
class LabelWidths {
public:
    explicit LabelWidths(const QFontMetricsF& metrics) : metrics_(metrics) {}

    double widest(const QList<AxisTick>& ticks) {
        double w = 0;
        for (const AxisTick& t : ticks) {
            auto it = widths_.constFind(t.label);
            if (it == widths_.constEnd()) it = widths_.insert(t.label, metrics_.horizontalAdvance(t.label));
            w = std::max(w, *it);
        }
        return w;
    }

private:
    const QFontMetricsF& metrics_;
    QHash<QString, double> widths_;
};

// The most ticks whose labels keep apart over `length`, each `room(ticks)` wide.
template <typename Room>
QList<AxisTick> fittingTicks(double min, double max, double length, Room room) {
    for (int n = ChartLayout::kMaxIntervals; n >= 1; --n) {
        QList<AxisTick> ticks = ticksOf(min, max, n);
        if (ticks.size() < 2) {
            if (!ticks.isEmpty() && room(ticks) <= length) return ticks;
            continue;
        }
        const double step = ticks[1].value - ticks[0].value;
        if (length * step / (max - min) >= room(ticks)) return ticks;
    }
    return {};
}

// Beside each labelled line that the plot shows, on the side with room; a
// label that would cover one placed before goes below it. The span label
// goes between the first two lines, below their labels.
void placeLineLabels(ChartLayout& l, const Chart& chart, const ChartStyle& style,
                     const QPaintDevice* device) {
    const QFontMetricsF m(style.boldFont, device);
    QList<QRectF> taken;
    QList<double> lines;
    const auto place = [&](QRectF box) {
        for (bool moved = true; moved;) {
            moved = false;
            for (const QRectF& other : taken)
                if (box.intersects(other)) {
                    box.moveTop(other.bottom());
                    moved = true;
                }
        }
        taken.append(box);
        return box;
    };
    for (int slot : style.labelledLines) {
        if (slot < 0 || slot >= chart.seriesCount() || !chart.isActive(slot)) continue;
        const QList<QPointF>& points = chart.points(slot);
        const QString text =
            chart.lineLabel(slot).isEmpty() ? chart.title(slot).trimmed() : chart.lineLabel(slot);
        if (points.isEmpty() || text.isEmpty() || !std::isfinite(points.first().x())) continue;
        const double x = l.mapX(points.first().x());
        if (!(x >= l.plot.left() - 0.5 && x <= l.plot.right() + 0.5)) continue;
        const double w = m.horizontalAdvance(text);
        const double left = x + kGap + w <= l.plot.right() ? x + kGap : x - kGap - w;
        l.lineLabels.append({slot, text, place(QRectF(left, l.plot.top() + kGap, w, m.height()))});
        lines.append(x);
    }
    if (lines.size() < 2 || chart.spanLabel().isEmpty()) return;
    const double w = m.horizontalAdvance(chart.spanLabel());
    const double middle = (lines[0] + lines[1]) / 2 - w / 2;
    const double left = std::clamp(middle, l.plot.left(), std::max(l.plot.left(), l.plot.right() - w));
    const double below = std::max(l.lineLabels[0].box.bottom(), l.lineLabels[1].box.bottom());
    l.lineLabels.append({-1, chart.spanLabel(), place(QRectF(left, below, w, m.height()))});
}

void placeEvents(ChartLayout& l, const Chart& chart) {
    for (const EventMark& e : chart.eventMarks()) {
        if (!std::isfinite(e.metres)) continue;
        const double x = l.mapX(e.metres);
        if (!(x >= l.plot.left() - 0.5 && x <= l.plot.right() + 0.5)) continue;
        l.events.append({x, e.label, e.polarity < 0 ? -1 : e.polarity > 0 ? 1 : 0});
    }
}

} // namespace

ChartLayout ChartLayout::of(const Chart& chart, const QRectF& frame, const ChartStyle& style,
                            const QPaintDevice* device) {
    const QFont& font = style.font;
    ChartLayout l;
    l.frame = frame;
    const Axis distance = chart.distanceAxis();
    const bool top = distance == Axis::Top;
    l.xMin = chart.axisMin(distance);
    l.xMax = chart.axisMax(distance);
    l.yMin = chart.axisMin(Axis::Left);
    l.yMax = chart.axisMax(Axis::Left);
    const QFontMetricsF m(font, device);
    LabelWidths labels(m);
    const double lineHeight = m.height();
    const bool xTitle = !chart.axisTitle(distance).isEmpty();
    const bool yTitle = !chart.axisTitle(Axis::Left).isEmpty();

    // The amplitude labels take the room of the widest one; the distance
    // labels half of one beyond either end of the plot.
    const double shownMin = store::Units::toShown(l.xMin), shownMax = store::Units::toShown(l.xMax);
    const double labelSide = kTickLength + kGap + lineHeight + (xTitle ? lineHeight : 0);
    const double farSide = std::max(8.0, lineHeight / 2 + kGap);
    const double topRoom = top ? labelSide : farSide;
    const double bottomRoom = top ? farSide : labelSide;
    const double plotHeight = frame.height() - topRoom - bottomRoom;
    l.yTicks =
        fittingTicks(l.yMin, l.yMax, plotHeight, [&](const QList<AxisTick>&) { return lineHeight + kGap; });
    double leftRoom =
        kTickLength + 2 * kGap + labels.widest(l.yTicks) + (yTitle ? lineHeight + kGap : 0) + kGap;
    double rightRoom = 12;
    for (int pass = 0; pass < 2; ++pass) {
        const double plotWidth = frame.width() - leftRoom - rightRoom;
        l.xTicks = fittingTicks(shownMin, shownMax, plotWidth,
                                [&](const QList<AxisTick>& t) { return labels.widest(t) + kLabelSpacing; });
        // The last label may reach half its width beyond the plot, the first
        // into the amplitude labels' room.
        const double half = labels.widest(l.xTicks) / 2 + kGap;
        if (half <= rightRoom && half <= leftRoom) break;
        rightRoom = std::max(rightRoom, half);
        leftRoom = std::max(leftRoom, half);
    }
    l.plot = frame.adjusted(leftRoom, topRoom, -rightRoom, -bottomRoom);
    if (l.plot.width() < 1 || l.plot.height() < 1) {
        l.plot = QRectF(frame.topLeft(), QSizeF(1, 1));
        l.xTicks.clear();
        l.yTicks.clear();
    }
    if (!finiteRange(l.xMin, l.xMax)) l.xMin = l.xMax = 0;
    if (!finiteRange(l.yMin, l.yMax)) l.yMin = l.yMax = 0;
    for (AxisTick& t : l.xTicks) t.position = l.mapX(store::Units::fromShown(t.value));
    for (AxisTick& t : l.yTicks) t.position = l.mapY(t.value);

    // Only the traces shown, each by its waveform's name, as many as the
    // plot's top right corner holds.
    double nameWidth = 0;
    for (int s = 0; s < chart.seriesCount(); ++s) {
        if (!chart.isActive(s) || chart.dashed(s) || chart.legendName(s).isEmpty()) continue;
        const double w = std::max(nameWidth, m.horizontalAdvance(chart.legendName(s)));
        const QSizeF size(w + kLegendLine + 4 * kGap, (l.legendSlots.size() + 1) * lineHeight + 2 * kGap);
        if (size.width() > l.plot.width() - 2 * kGap || size.height() > l.plot.height() - 2 * kGap) break;
        nameWidth = w;
        l.legendSlots.append(s);
        l.legend =
            QRectF(l.plot.right() - kGap - size.width(), l.plot.top() + kGap, size.width(), size.height());
    }
    if (l.valid()) {
        placeLineLabels(l, chart, style, device);
        placeEvents(l, chart);
    }
    return l;
}

} // namespace trace
