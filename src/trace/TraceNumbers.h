#pragma once
#include "store/ShownNumber.h"

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

    // PR from the PR box when it is above zero; throws
    // store::NumberFormatError with a readable message otherwise.
    static double readPR(const store::ShownNumber& box);

    // A distance for a box: 2 decimals, rounded as the box shows it.
    static store::ShownNumber metres(double value);
};

} // namespace trace
