#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

namespace trace {
class QtChart;
}

namespace exporter {

// The two charts as the window shows them, the overview stacked above the
// detail, drawn into a picture of any size: each chart is laid out at its
// share of the picture (the shares of the window) and drawn as vectors, then
// given back its own size. Without an overview (hidden) the detail fills it.
class ChartPicture {
    Q_DECLARE_TR_FUNCTIONS(ChartPicture)
public:
    static constexpr int kMinSide = 100;
    static constexpr int kMaxSide = 8000;

    ChartPicture(trace::QtChart* upper, trace::QtChart& lower);

    // The charts' size in the window: the detail's width, both heights.
    QSize shownSize() const;
    static bool acceptable(QSize size);
    // Why `size` is refused; empty when acceptable().
    static QString refusal(QSize size);

    // Empty (a null image, no bytes) for a size that is not acceptable().
    QImage image(QSize size) const;
    QByteArray png(QSize size) const;
    QByteArray svg(QSize size, const QString& title) const;

private:
    void paint(QPainter& painter, QSize size) const;
    int dpi() const;

    trace::QtChart* upper_;
    trace::QtChart& lower_;
};

} // namespace exporter
