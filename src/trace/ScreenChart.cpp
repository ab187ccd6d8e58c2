#include "trace/ScreenChart.h"

#include "store/Units.h"
#include "trace/ChartPainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <cmath>

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
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        ChartPainter::draw(painter, chart_, chart_.layout(), chart_.styleFor(this));
    }

private:
    const ScreenChart& chart_;
};

} // namespace

ScreenChart::ScreenChart(int seriesCount) : Chart(seriesCount), view_(new ChartWidget(*this)) {
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

void ScreenChart::changed() {
    layout_.reset();
    if (view_) view_->update();
}

void ScreenChart::pointsChanged(int) { changed(); }
void ScreenChart::styleChanged(int) { changed(); }
void ScreenChart::activeChanged(int) { changed(); }
void ScreenChart::axisChanged(Axis, AxisPart) { changed(); }
void ScreenChart::marksChanged() { changed(); }

void ScreenChart::nameChanged() {
    if (!view_) return;
    view_->setObjectName(name());
    view_->setAccessibleName(description());
}

} // namespace trace
