#pragma once
#include <QList>
#include <QString>

namespace report {

// Tick marks of a printed chart axis: round steps of 1, 2 or 5 times a power
// of ten, no more than `maxCount` intervals over the range.
class AxisTicks {
public:
    static double step(double min, double max, int maxCount);
    // The ticks inside min..max; empty for an empty, reversed or non-finite range.
    static QList<double> ticks(double min, double max, int maxCount);
    // A tick's text with as many decimals as the step needs and the locale's separator.
    static QString label(double value, double step);
};

} // namespace report
