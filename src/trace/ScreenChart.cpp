#include "trace/ScreenChart.h"

#include "store/Units.h"
#include "trace/ChartPainter.h"
#include "trace/PixelStamp.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <deque>
#include <limits>
#include <utility>

namespace trace {

namespace {

class ChartWidget : public QWidget {
public:
    explicit ChartWidget(const ScreenChart& chart) : chart_(chart) {
        // The painter covers every pixel: nothing to clear first.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

    QSize sizeHint() const override { return {400, 200}; }
    QSize minimumSizeHint() const override { return {120, 80}; }

protected:
    void paintEvent(QPaintEvent* event) override {
        chart_.painting();
        const ChartLayout& l = chart_.layout();
        const ChartStyle style = chart_.styleFor(this);
        QPainter painter(this);
        // Only what Qt asks for: after a trace moved, the plot.
        const QRect exposed = event->rect();
        const qreal ratio = devicePixelRatioF();
        const Background& b = background(l, style);
        painter.drawImage(exposed, b.image,
                          QRectF(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio));
        ChartPainter::drawPlot(painter, chart_, l, style);
        const std::optional<PixelStamp>& legend = legendStamp(l, style);
        if (!legend || !legend->put(painter)) ChartPainter::drawLegend(painter, chart_, l, style);
        const std::optional<PixelStamp>& frame = frameStamp(l, style);
        if (!frame || !frame->put(painter)) ChartPainter::drawFrame(painter, l, style);
    }

private:
    // What a background shows besides the layout's axes.
    struct Titles {
        Axis distanceAxis = Axis::Bottom;
        QString distance, amplitude;
        qreal ratio = 1;
        bool operator==(const Titles&) const = default;
    };

    // The fills, the grid and the axes change only with the axes and the
    // size, not while traces move (an offset held down, a cursor dragged):
    // they are drawn once into an image that every paint copies. The last two
    // are kept, as a type switch goes back and forth between two sets of axes.
    struct Background {
        std::optional<ChartLayout> axes;
        Titles titles;
        QImage image;
    };

    // What the legend shows; its text costs more to draw than to copy.
    struct Legend {
        QRectF box;
        QList<int> entries;
        QStringList names;
        QList<QRgb> colours;
        bool operator==(const Legend&) const = default;
    };

    // The stamps are taken at one pixel a unit, where they are put back as taken.
    static QRect around(const QRectF& r) { return r.toAlignedRect().adjusted(-4, -4, 4, 4); }

    // The legend's stamp, taken when the same legend is painted a second
    // time: taking costs three drawings, so a legend drawn once (that of a
    // row just selected) is drawn, and one painted again and again (while an
    // offset is held down) is stamped.
    struct KeptLegend {
        std::optional<Legend> shown;
        bool taken = false;
        std::optional<PixelStamp> stamp;

        template <typename Take>
        const std::optional<PixelStamp>& of(const Legend& now, Take take) {
            if (shown != now) {
                shown = now;
                taken = false;
                stamp.reset();
            } else if (!std::exchange(taken, true)) {
                stamp = take();
            }
            return stamp;
        }
    };

    const std::optional<PixelStamp>& legendStamp(const ChartLayout& l, const ChartStyle& style) {
        Legend shown{l.legend, l.legendSlots, {}, {}};
        for (int s : l.legendSlots) {
            shown.names << chart_.legendName(s);
            shown.colours << chart_.color(s).rgba();
        }
        return legend_.of(shown, [&]() -> std::optional<PixelStamp> {
            if (devicePixelRatioF() != 1 || l.legendSlots.isEmpty()) return std::nullopt;
            return PixelStamp::take({around(l.legend) & rect()}, *this,
                                    [&](QPainter& p) { ChartPainter::drawLegend(p, chart_, l, style); });
        });
    }

    // The plot's frame, drawn over the traces with a fractional pen, which
    // costs the painter more than the stamp. Its stamp covers the whole plot
    // and takes time to make: the last few are kept, as moving from one row
    // to the next goes back and forth between a few plots.
    const std::optional<PixelStamp>& frameStamp(const ChartLayout& l, const ChartStyle& style) {
        const std::pair key(l.plot, size());
        const auto kept =
            std::find_if(frames_.begin(), frames_.end(), [&](const auto& f) { return f.first == key; });
        if (kept != frames_.end()) {
            std::rotate(frames_.begin(), kept, kept + 1);
            return frames_.front().second;
        }
        if (frames_.size() == kKeptFrames) frames_.pop_back();
        std::optional<PixelStamp> stamp;
        if (devicePixelRatioF() == 1)
            stamp = PixelStamp::take({around(l.plot) & rect()}, *this,
                                     [&](QPainter& p) { ChartPainter::drawFrame(p, l, style); });
        frames_.emplace_front(key, std::move(stamp));
        return frames_.front().second;
    }

    const Background& background(const ChartLayout& l, const ChartStyle& style) {
        const Titles titles{chart_.distanceAxis(), chart_.axisTitle(chart_.distanceAxis()),
                            chart_.axisTitle(Axis::Left), devicePixelRatioF()};
        const QSize pixels = (QSizeF(size()) * titles.ratio).toSize();
        const auto fits = [&](const Background& b) {
            return b.axes && b.axes->sameAxes(l) && b.titles == titles && b.image.size() == pixels;
        };
        if (!fits(backgrounds_[0]) && fits(backgrounds_[1])) std::swap(backgrounds_[0], backgrounds_[1]);
        if (fits(backgrounds_[0])) return backgrounds_[0];
        // The older one's pixels are drawn over while the size stays: a new
        // image of a screen's size costs its memory's first touch.
        std::swap(backgrounds_[0], backgrounds_[1]);
        Background& b = backgrounds_[0];
        if (b.image.size() != pixels || !b.image.isDetached()) b.image = QImage(pixels, QImage::Format_RGB32);
        b.image.setDevicePixelRatio(titles.ratio);
        // Laid out with this widget's font metrics: drawn at its resolution.
        b.image.setDotsPerMeterX(int(std::lround(logicalDpiX() / 0.0254)));
        b.image.setDotsPerMeterY(int(std::lround(logicalDpiY() / 0.0254)));
        b.image.fill(style.background);
        QPainter painter(&b.image);
        ChartPainter::drawBackground(painter, chart_, l, style);
        b.axes = l;
        b.titles = titles;
        return b;
    }

    const ScreenChart& chart_;
    std::array<Background, 2> backgrounds_; // the one painted last first
    KeptLegend legend_;
    static constexpr size_t kKeptFrames = 8;
    std::deque<std::pair<std::pair<QRectF, QSize>, std::optional<PixelStamp>>> frames_; // the last used first
};

} // namespace

ScreenChart::ScreenChart(int seriesCount)
    : Chart(seriesCount), view_(new ChartWidget(*this)), shown_(size_t(seriesCount)) {
    QObject::connect(&store::Units::notifier(), &store::UnitsNotifier::changed, view_, [this] { changed(); });
}

ScreenChart::~ScreenChart() { delete view_.data(); }

QWidget* ScreenChart::view() const { return view_; }

void ScreenChart::setLabelledLines(const QList<int>& lines) {
    labelledLines_ = lines;
    changed();
}

ChartStyle ScreenChart::styleFor(const QPaintDevice* device) const {
    ChartStyle style = ChartStyle::screen(device);
    style.labelledLines = labelledLines_;
    return style;
}

const ChartLayout& ScreenChart::layout() const {
    const QSize size = view_ ? view_->size() : QSize();
    if (!layout_ || size != layoutSize_) {
        layout_ =
            ChartLayout::of(*this, QRectF(QPointF(0, 0), QSizeF(size)), styleFor(view_.data()), view_.data());
        layoutSize_ = size;
    }
    return *layout_;
}

std::optional<double> ScreenChart::distanceAt(const QPointF& at, bool anywhere) const {
    if (!view_) return std::nullopt;
    const ChartLayout& l = layout();
    if (!(l.xMax > l.xMin) || l.plot.width() < 1) return std::nullopt;
    if (!anywhere && !l.plot.contains(at)) return std::nullopt;
    const double metres = l.xMin + (at.x() - l.plot.left()) / l.plot.width() * (l.xMax - l.xMin);
    if (!std::isfinite(metres)) return std::nullopt;
    return metres;
}

std::optional<double> ScreenChart::xOf(double metres) const {
    if (!view_) return std::nullopt;
    const ChartLayout& l = layout();
    if (!(l.xMax > l.xMin) || !std::isfinite(metres)) return std::nullopt;
    return l.mapX(metres);
}

void ScreenChart::changed() const {
    layout_.reset();
    if (view_) view_->update();
}

void ScreenChart::plotChanged(bool relayout) const {
    // The plot rectangle depends on the axes and the size only, and all but
    // the axes is drawn inside it: only the plot is repainted.
    const std::optional<QRect> plot =
        layout_ ? std::optional(layout_->plot.toAlignedRect().adjusted(-1, -1, 1, 1)) : std::nullopt;
    if (relayout) layout_.reset();
    if (!view_) return;
    if (plot) view_->update(*plot);
    else view_->update();
}

void ScreenChart::pointsChanged(int slot) {
    if (!batched()) {
        // Only the labelled lines' points move something of the layout (their labels).
        shown_[size_t(slot)] = {points(slot), std::nullopt};
        plotChanged(labelledLines_.contains(slot));
        return;
    }
    if (std::find(touched_.begin(), touched_.end(), slot) == touched_.end()) touched_.push_back(slot);
}

void ScreenChart::batchEnded() { settle(); }

void ScreenChart::painting() const { settle(); }

namespace {

// Equal to the bit, not within the points' fuzzy equality: any change may move a dot.
bool sameBits(const QList<QPointF>& a, const QList<QPointF>& b) {
    return a.size() == b.size() &&
           (a.isEmpty() || a.constData() == b.constData() ||
            std::memcmp(a.constData(), b.constData(), size_t(a.size()) * sizeof(QPointF)) == 0);
}

} // namespace

QRectF ScreenChart::extentOf(Shown& shown) const {
    if (!shown.extent) {
        constexpr double inf = std::numeric_limits<double>::infinity();
        double left = inf, right = -inf, low = inf, high = -inf;
        for (const QPointF& p : std::as_const(shown.points)) {
            const double x = p.x(), y = p.y();
            if (!(std::isfinite(x) && std::isfinite(y))) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            low = std::min(low, y);
            high = std::max(high, y);
        }
        shown.extent = left <= right ? QRectF(QPointF(left, low), QPointF(right, high)) : QRectF();
    }
    return *shown.extent;
}

void ScreenChart::settle() const {
    std::vector<int> touched;
    std::swap(touched, touched_);
    if (std::exchange(limitsTouched_, false) &&
        !(laidOutLimits(Axis::Left) && laidOutLimits(Axis::Top) && laidOutLimits(Axis::Bottom))) {
        // Everything is drawn again, as it now is.
        for (const int slot : touched) shown_[size_t(slot)] = {points(slot), std::nullopt};
        changed();
        return;
    }
    if (touched.empty() || !view_) return;
    QRect dirty;
    bool relayout = false;
    for (const int slot : touched) {
        Shown& before = shown_[size_t(slot)];
        const QList<QPointF>& now = points(slot);
        if (sameBits(before.points, now)) {
            before.points = now;
            continue;
        }
        if (labelledLines_.contains(slot)) relayout = true;
        Shown after{now, std::nullopt};
        // Where the old and the new points lie on the laid-out plot, a
        // column (a thinned trace's stroke) and a pen's width around.
        if (layout_ && layout_->valid() && !relayout) {
            // A trace many times longer than the plot is wide takes longer
            // to measure than the whole plot takes to paint again.
            const qsizetype measured = 16 * qsizetype(std::max(1.0, layout_->plot.width()));
            for (Shown* s : {&before, &after}) {
                if (s->points.size() > measured) {
                    dirty |= layout_->plot.toAlignedRect();
                    continue;
                }
                const QRectF e = extentOf(*s);
                if (e.isNull() && s->points.isEmpty()) continue;
                const auto place = [this](double v, bool x) {
                    return std::clamp(x ? layout_->mapX(v) : layout_->mapY(v), -1e6, 1e6);
                };
                const QRectF on = QRectF(QPointF(place(e.left(), true), place(e.bottom(), false)),
                                         QPointF(place(e.right(), true), place(e.top(), false)))
                                      .normalized();
                dirty |= on.toAlignedRect().adjusted(-2, -2, 2, 2);
            }
        } else {
            relayout = relayout || !layout_;
        }
        before = std::move(after);
    }
    if (relayout) {
        plotChanged(true);
        return;
    }
    if (!dirty.isEmpty()) view_->update(dirty & layout_->plot.toAlignedRect().adjusted(-1, -1, 1, 1));
}

// Among the styles is the distance axis, which moves the plot.
void ScreenChart::styleChanged(int) { changed(); }
void ScreenChart::activeChanged(int) { plotChanged(true); }
void ScreenChart::marksChanged() { plotChanged(true); }

bool ScreenChart::laidOutLimits(Axis axis) const {
    if (!layout_) return false;
    if (axis == Axis::Left) return layout_->yMin == axisMin(axis) && layout_->yMax == axisMax(axis);
    return axis != distanceAxis() || (layout_->xMin == axisMin(axis) && layout_->xMax == axisMax(axis));
}

void ScreenChart::axisChanged(Axis axis, AxisPart part) {
    if (part == AxisPart::Title) {
        changed();
        return;
    }
    // A redraw sets every limit again, some through a range of its own
    // first: only limits that differ from the laid-out ones at its end move
    // anything.
    if (batched()) {
        limitsTouched_ = true;
        return;
    }
    if (!laidOutLimits(axis)) changed();
}

void ScreenChart::nameChanged() {
    if (!view_) return;
    view_->setObjectName(name());
    view_->setAccessibleName(description());
}

} // namespace trace
