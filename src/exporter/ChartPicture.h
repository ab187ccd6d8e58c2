#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

namespace trace {
class ScreenChart;
}

namespace exporter {

// The two charts as the window shows them, the overview stacked above the
// detail, drawn into a picture of any size: each chart is laid out by the
// chart painter at its share of the picture (the shares of the window) and
// drawn as vectors, in the screen's colours; a picture larger than the
// window is its layout enlarged. Without an overview (hidden) the detail
// fills it.
class ChartPicture {
    Q_DECLARE_TR_FUNCTIONS(ChartPicture)
public:
    static constexpr int kMinSide = 100;
    static constexpr int kMaxSide = 8000;

    ChartPicture(const trace::ScreenChart* upper, const trace::ScreenChart& lower);

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
    void paint(QPainter& painter, QSize picture) const;
    int dpi() const;

    const trace::ScreenChart* upper_;
    const trace::ScreenChart& lower_;
};

} // namespace exporter
