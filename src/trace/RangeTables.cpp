#include "trace/RangeTables.h"

#include <algorithm>
#include <cmath>

namespace trace {

namespace {

template <std::size_t N>
int indexIn(const std::array<double, N>& table, double value) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == value) return int(i);
    return -1;
}

} // namespace

int RangeTables::planIndex(double scale) { return indexIn(plan, scale); }

int RangeTables::windowIndex(double scale) { return indexIn(window, scale); }

int RangeTables::zoomIndex(double factor) {
    for (std::size_t i = 0; i < zoom.size(); ++i)
        if (factor == zoom[i]) return int(i);
    return -1;
}

double RangeTables::SampleSpacing(double scale, const QString& method) {
    static constexpr std::array<double, 12> pulse = {0.125, 0.125, 0.125, 0.125, 0.125, 0.25,
                                                     0.5,   1,     2,     4,     8,     16};
    static constexpr std::array<double, 12> other = {1, 1, 1, 1, 1, 1, 1, 1, 2, 4, 8, 16};
    const int i = windowIndex(scale);
    if (i < 0) return 0;
    return method == QLatin1String("pulse") ? pulse[i] : other[i];
}

int RangeTables::zoomMaxFor(double maxScale) {
    if (!std::isfinite(maxScale)) return 16;
    switch (static_cast<long long>(std::trunc(std::min(std::max(maxScale, -1e9), 1e9)))) {
    case 62: return 1;
    case 125: return 2;
    case 250: return 4;
    case 500: return 8;
    default: return 16;
    }
}

bool RangeTables::isRange(int typeIndex, double scale) {
    return typeIndex == 1 ? windowIndex(scale) >= 0 : planIndex(scale) >= 0;
}

} // namespace trace
