#pragma once
#include <QString>
#include <array>

namespace trace {

// Range and zoom tables of the two instrument families, and the lookups that
// must never index outside them.
class RangeTables {
public:
    // "KMX-417" plan ranges, metres.
    static constexpr std::array<double, 8> plan = {250, 500, 1000, 2500, 5000, 12500, 25000, 50000};
    // "KMX-419" ranges, metres.
    static constexpr std::array<double, 12> window = {62.5, 125,  250,   500,   1000,  2000,
                                                      4000, 8000, 16000, 32000, 64000, 128000};
    // Zoom factors of the zoom button.
    static constexpr std::array<int, 5> zoom = {1, 2, 4, 8, 16};

    // Index of an exact table value, -1 when absent.
    static int planIndex(double scale);
    static int windowIndex(double scale);
    // Index of the zoom caption's factor (1, 2, ... 16), -1 for any other.
    static int zoomIndex(double factor);

    // Raw metres per stored sample of a "KMX-419" record; 0 when SCALE is not
    // a range of the table.
    static double SampleSpacing(double scale, const QString& method);

    // The largest zoom factor the view allows for a range.
    static int zoomMaxFor(double maxScale);

    // The smallest range of a type entry (0 "KMX-417", 1 "KMX-419").
    static double smallestRange(int typeIndex) { return typeIndex == 1 ? window[0] : plan[0]; }
    // Whether SCALE is a range of the type entry's table.
    static bool isRange(int typeIndex, double scale);
};

} // namespace trace
