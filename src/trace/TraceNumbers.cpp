#include "trace/TraceNumbers.h"

#include "store/Numbers.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>

namespace trace {

qint64 TraceNumbers::trunc64(double value) {
    if (std::isnan(value)) return 0;
    // 2^63 is exactly representable; anything at or beyond it is clamped.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit) return std::numeric_limits<qint64>::max();
    if (value <= -limit) return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(value);
}

int TraceNumbers::truncInt(double value) {
    const qint64 v = trunc64(value);
    if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return int(v);
}

double TraceNumbers::readPR(const store::ShownNumber& box) {
    const double pr = box.value();
    if (!(pr > 0))
        throw store::NumberFormatError(
            QCoreApplication::translate("trace::TraceNumbers",
                                        "'%1' is not a valid propagation ratio (PR must be above zero)")
                .arg(box.text())
                .toStdString());
    return pr;
}

store::ShownNumber TraceNumbers::metres(double value) {
    // Adding 0.0 turns -0 into 0, so a cursor at the origin never reads "-0,00".
    return store::ShownNumber::rounded(value + 0.0, 2);
}

} // namespace trace
