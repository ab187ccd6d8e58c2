#pragma once
#include <QString>
#include <QtGlobal>

namespace trace {

// Number helpers of the trace view. Truncation toward zero as the distance
// arithmetic needs it, but never undefined: NaN gives 0 and values beyond the
// integer range are clamped to it.
class TraceNumbers {
public:
    static qint64 trunc64(double value);
    static int truncInt(double value);

    // PR from the PR box: a number (',' or '.') above zero; throws
    // store::NumberFormatError with a readable message otherwise.
    static double readPR(const QString& box);

    // A distance for a box: fixed, 2 decimals, the locale's separator.
    static QString metres(double value);
};

} // namespace trace
