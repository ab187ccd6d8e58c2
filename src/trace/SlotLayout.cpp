#include "trace/SlotLayout.h"

#include "store/Units.h"
#include "trace/Chart.h"

#include <QCoreApplication>
#include <stdexcept>

namespace trace {

namespace {

void requireCount(const Chart& chart, int count) {
    if (chart.seriesCount() != count)
        throw std::invalid_argument(QStringLiteral("chart %1 has %2 series, the trace view needs %3")
                                        .arg(chart.name())
                                        .arg(chart.seriesCount())
                                        .arg(count)
                                        .toStdString());
}

void setupAmplitude(Chart& chart) {
    chart.setAxisTitle(Axis::Left, QCoreApplication::translate("trace::SlotLayout", "amplitude"));
    chart.setAxisRange(Axis::Left, SlotLayout::kAmplitudeMin, SlotLayout::kAmplitudeMax);
}

void setupTraces(Chart& chart, int current, int compare1, const QString& currentTitle) {
    chart.setTitle(current, currentTitle);
    chart.setColor(current, SlotLayout::currentColor());
    for (int j = 0; j < 4; ++j) {
        chart.setTitle(compare1 + j, QCoreApplication::translate("trace::SlotLayout", " № %1").arg(j + 1));
        chart.setColor(compare1 + j, SlotLayout::compareColor(j));
    }
}

} // namespace

QColor SlotLayout::compareColor(int j) {
    switch (j) {
    case 0: return QColor(0, 255, 255);
    case 1: return QColor(255, 0, 255);
    case 2: return QColor(255, 128, 0);
    default: return QColor(192, 192, 192);
    }
}

// K2 a light blue: pure blue is hardly seen on the black plot area.
QColor SlotLayout::cursorColor(int cursor) {
    return cursor == 0 ? QColor(255, 255, 0) : QColor(80, 160, 255);
}

QString SlotLayout::distanceTitle() {
    return store::Units::current() == store::LengthUnit::Feet
               ? QCoreApplication::translate("trace::SlotLayout", "scale, (ft)")
               : QCoreApplication::translate("trace::SlotLayout", "scale, (m)");
}

void SlotLayout::showDistanceUnit(Chart& chart) { chart.setAxisTitle(chart.distanceAxis(), distanceTitle()); }

void SlotLayout::setupUpper(Chart& chart) {
    requireCount(chart, kUpperCount);
    chart.setDistanceAxis(Axis::Top);
    // The overview's distances read as the detail's do.
    chart.setAxisTitle(Axis::Top, distanceTitle());
    setupAmplitude(chart);
    setupTraces(chart, kUpperCurrent, kUpperCompare1,
                QCoreApplication::translate("trace::SlotLayout", " ниж."));
    for (int s = kFrameRight; s <= kFrameTop; ++s) {
        chart.setColor(s, QColor(160, 160, 160));
        chart.setDashed(s, true);
        chart.setActive(s, true);
    }
    chart.setTitle(kUpperTop, QCoreApplication::translate("trace::SlotLayout", "Top"));
    chart.setTitle(kUpperBottom, QCoreApplication::translate("trace::SlotLayout", "Bottom"));
    chart.setColor(kUpperTop, QColor(128, 128, 128));
    chart.setColor(kUpperBottom, QColor(128, 128, 128));
}

void SlotLayout::setupLower(Chart& chart) {
    requireCount(chart, kLowerCount);
    chart.setDistanceAxis(Axis::Bottom);
    chart.setAxisTitle(Axis::Bottom, distanceTitle());
    setupAmplitude(chart);
    chart.setTitle(kCursorK1, QCoreApplication::translate("trace::SlotLayout", "K1"));
    chart.setTitle(kCursorK2, QCoreApplication::translate("trace::SlotLayout", "K2"));
    chart.setColor(kCursorK1, cursorColor(0));
    chart.setColor(kCursorK2, cursorColor(1));
    chart.setActive(kCursorK1, true);
    chart.setActive(kCursorK2, true);
    setupTraces(chart, kLowerCurrent, kLowerCompare1,
                QCoreApplication::translate("trace::SlotLayout", "  ниж."));
    chart.setTitle(kLowerTop, QCoreApplication::translate("trace::SlotLayout", "Top"));
    chart.setTitle(kLowerBottom, QCoreApplication::translate("trace::SlotLayout", "Bottom"));
    chart.setColor(kLowerTop, QColor(128, 128, 128));
    chart.setColor(kLowerBottom, QColor(128, 128, 128));
    chart.setTitle(kLowerDifference, QCoreApplication::translate("trace::SlotLayout", "difference"));
    chart.setColor(kLowerDifference, differenceColor());
}

} // namespace trace
