#pragma once
#include <QColor>
#include <QString>

namespace trace {

class Chart;

// Slot numbers, titles and colours of the two charts of the trace view. The
// report copies use the same layout.
struct SlotLayout {
    // Upper chart DBChart1 (and QRChart1): overview over the top axis.
    static constexpr int kUpperCount = 11;
    static constexpr int kUpperCurrent = 0;
    static constexpr int kUpperCompare1 = 1; // compare records 1..3 in slots 1..3
    static constexpr int kUpperCompare4 = 4; // never drawn
    static constexpr int kFrameRight = 5;
    static constexpr int kFrameLeft = 6;
    static constexpr int kFrameBottom = 7;
    static constexpr int kFrameTop = 8;
    static constexpr int kUpperTop = 9;
    static constexpr int kUpperBottom = 10;

    // Lower chart TDBChart1 (and QRChart2): detail over the bottom axis.
    static constexpr int kLowerCount = 10;
    static constexpr int kCursorK1 = 0;
    static constexpr int kCursorK2 = 1;
    static constexpr int kLowerCurrent = 2;
    static constexpr int kLowerCompare1 = 3; // compare records 1..3 in slots 3..5
    static constexpr int kLowerCompare4 = 6;
    static constexpr int kLowerTop = 7;
    static constexpr int kLowerBottom = 8;
    // The current waveform minus a compare waveform, shown on demand.
    static constexpr int kLowerDifference = 9;

    static constexpr int kCompareRecords = 3;
    static constexpr double kAmplitudeMin = -130;
    static constexpr double kAmplitudeMax = 130;

    static QColor currentColor() { return QColor(0, 255, 0); }
    // Colour of compare record j (0..3); the first three match the compare grid.
    static QColor compareColor(int j);
    static QColor cursorColor(int cursor); // 0 = K1, 1 = K2
    static QColor differenceColor() { return QColor(255, 80, 80); }

    // Give a chart its slot titles, colours, axes and initial activation;
    // throws std::invalid_argument when its slot count does not fit.
    static void setupUpper(Chart& chart);
    static void setupLower(Chart& chart);

    // The distance axis's title in the shown unit; showDistanceUnit gives a
    // chart that title again after the unit changed.
    static QString distanceTitle();
    static void showDistanceUnit(Chart& chart);
};

} // namespace trace
