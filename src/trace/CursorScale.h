#pragma once

namespace store {
class ViewState;
}

namespace trace {

struct RenderScale;

// Where cursor positions stand on the view of the last redraw, in displayed
// metres: position p at start + p × step. The "KMX-417" plan has 250 samples
// and a cursor stays on the plan; the "KMX-419" window has 500 points and a
// cursor stays within the whole range, inside the zoomed window or not.
struct CursorScale {
    double start = 0;
    double step = 0; // 0: nothing is drawn, the cursors stay as they are
    double pr = 0;
    int points = 0;
    double lowest = 0;
    double highest = 0;

    // From where the last redraw put the samples and the PR box; throws
    // store::NumberFormatError on a PR box not above zero.
    static CursorScale of(const store::ViewState& state, const RenderScale& drawn);

    bool valid() const { return step > 0; }
    double distance(double position) const { return start + position * step; }
    // The nearest position; far outside the view it is held to the int range.
    int nearest(double distance) const;
    // The distance held to where a cursor may stand: the plan, or the whole range.
    double limit(double distance) const;
    // The distance held to what the chart shows: the plan, or the zoomed window
    // within the whole range. A cursor put by hand lands where it can be seen.
    double visible(double distance) const;
};

} // namespace trace
