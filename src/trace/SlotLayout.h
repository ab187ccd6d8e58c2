#pragma once
#include <QColor>

namespace trace {

class Chart;

// Slot numbers, titles and colours of the two charts of the trace view. The
// report copies use the same layout.
struct SlotLayout {
    // Upper chart DBChart1 (and QRChart1): overview over the top axis.
    static constexpr int UpperCount = 11;
    static constexpr int UpperCurrent = 0;
    static constexpr int UpperCompare1 = 1; // compare records 1..3 in slots 1..3
    static constexpr int UpperCompare4 = 4; // never drawn
    static constexpr int FrameRight = 5;
    static constexpr int FrameLeft = 6;
    static constexpr int FrameBottom = 7;
    static constexpr int FrameTop = 8;
    static constexpr int UpperTop = 9;
    static constexpr int UpperBottom = 10;

    // Lower chart TDBChart1 (and QRChart2): detail over the bottom axis.
    static constexpr int LowerCount = 9;
    static constexpr int CursorK1 = 0;
    static constexpr int CursorK2 = 1;
    static constexpr int LowerCurrent = 2;
    static constexpr int LowerCompare1 = 3; // compare records 1..3 in slots 3..5
    static constexpr int LowerCompare4 = 6;
    static constexpr int LowerTop = 7;
    static constexpr int LowerBottom = 8;

    static constexpr int CompareRecords = 3;
    static constexpr double AmplitudeMin = -130;
    static constexpr double AmplitudeMax = 130;

    static QColor currentColor() { return QColor(0, 255, 0); }
    // Colour of compare record j (0..3); the first three match the compare grid.
    static QColor compareColor(int j);
    static QColor cursorColor(int cursor); // 0 = K1, 1 = K2

    // Give a chart its slot titles, colours, axes and initial activation;
    // throws std::invalid_argument when its slot count does not fit.
    static void setupUpper(Chart& chart);
    static void setupLower(Chart& chart);
};

} // namespace trace
