#include "report/AxisTicks.h"

#include <QLocale>
#include <cmath>

namespace report {

double AxisTicks::step(double min, double max, int maxCount) {
    const double range = max - min;
    if (!std::isfinite(range) || range <= 0 || maxCount <= 0) return 0;
    const double raw = range / maxCount;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * magnitude >= raw * (1 - 1e-9)) return m * magnitude;
    return 10 * magnitude;
}

QList<double> AxisTicks::ticks(double min, double max, int maxCount) {
    QList<double> out;
    const double s = step(min, max, maxCount);
    if (s <= 0 || !std::isfinite(s)) return out;
    const double first = std::ceil(min / s - 1e-9);
    // The step bounds the count; the extra margin only absorbs rounding.
    for (int i = 0; i <= maxCount + 1; ++i) {
        const double v = (first + i) * s;
        if (v > max + s * 1e-9) break;
        out.append(std::abs(v) < s * 1e-9 ? 0.0 : v);
    }
    return out;
}

QString AxisTicks::label(double value, double step) {
    int decimals = 0;
    if (step > 0 && std::isfinite(step) && step < 1)
        decimals = std::min(6, int(std::ceil(-std::log10(step) - 1e-9)));
    // Tick labels are short; group separators would only crowd them.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value + 0.0, 'f', decimals);
}

} // namespace report
