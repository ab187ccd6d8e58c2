#include "trace/CursorScale.h"

#include "store/ViewState.h"
#include "trace/RenderScale.h"
#include "trace/TraceNumbers.h"

#include <algorithm>
#include <cmath>

namespace trace {

CursorScale CursorScale::of(const store::ViewState& state, const RenderScale& drawn) {
    CursorScale s;
    if (state.typeIndex() == 0 && drawn.planStep > 0) {
        s.pr = TraceNumbers::readPR(state.editKu());
        s.step = drawn.planStep / s.pr * 1.5 * 0.01;
        s.start = drawn.planStart / s.pr * 1.5 * 0.01;
        s.points = 250;
        s.lowest = s.start;
        s.highest = s.distance(s.points);
    } else if (state.typeIndex() == 1 && drawn.windowStep > 0) {
        s.pr = TraceNumbers::readPR(state.editKu());
        s.step = drawn.windowStep / s.pr * 1.5;
        s.start = drawn.windowStart / s.pr * 1.5;
        s.points = 500;
        s.lowest = 0;
        s.highest = state.maxScale() / s.pr * 1.5;
    }
    return s;
}

int CursorScale::nearest(double distance) const {
    return TraceNumbers::truncInt(std::round((distance - start) / step));
}

double CursorScale::limit(double distance) const { return std::clamp(distance, lowest, highest); }

double CursorScale::visible(double distance) const {
    const double from = std::max(start, lowest);
    const double to = std::max(from, std::min(CursorScale::distance(points), highest));
    return std::clamp(distance, from, to);
}

} // namespace trace
