#pragma once
#include "trace/TraceContext.h"

namespace trace {

// The distance range in view: MaxScale, the largest SCALE of the compare
// library and the current library record, and ZoomMax that follows it.
class ScaleRange {
public:
    explicit ScaleRange(const TraceContext& ctx) : ctx_(ctx) {}

    // Walks the compare library in the scan tag (so the data module's
    // after-scroll handler only looks at SCALE) and returns to its bookmark.
    // Only ranges of the type's table count: a record with another SCALE is
    // not drawn, so it must not stretch the view either.
    void ComputeMaxScale();
    // ComputeMaxScale, then for "KMX-419" the largest zoom factor.
    void UpdateRange();

private:
    void consider(store::Dataset& ds, double& maxScale) const;
    TraceContext ctx_;
};

} // namespace trace
