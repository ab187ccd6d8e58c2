#pragma once
#include "store/ShownNumber.h"

#include <array>

namespace store {
class ViewState;
}

namespace trace {

class ChartSet;
struct CursorScale;
struct RenderScale;

// The K1 and K2 cursors of the lower chart. A cursor's distance stands in its
// box (Edit_k1, Edit_k2) and its line on the lower chart and the report copy
// stands at that distance; Edit_l is the distance between the two boxes. Its
// position (PosK1, PosK2) is the nearest sample of the "KMX-417" plan or point
// of the "KMX-419" window. Every operation writes box, line, position and
// Edit_l together, so they never disagree. cursor: 1 = K1, 2 = K2. A PR box
// not above zero raises store::NumberFormatError; the conversions read both
// boxes before they rewrite either.
class Cursors {
public:
    Cursors(store::ViewState& state, ChartSet& charts, const RenderScale& drawn)
        : state_(state), charts_(charts), drawn_(drawn) {}

    // A step button: the cursor moves `delta` positions and is placed there,
    // held within the plan (0..250) or the window (0..500); PlaceCursorPlan
    // and PlaceCursorWindow are this one mapping. A cursor outside the zoomed
    // window is brought in only by the button that points at the window: the
    // other one would move it backwards, so it leaves the cursor where it is.
    void StepCursor(int cursor, int delta);
    // A cursor put by hand (a click on the chart, a distance typed into its
    // box): it stands at `metres` held to the shown range, its position the
    // nearest sample. False when nothing is drawn to place it on.
    bool PlaceCursor(int cursor, double metres);
    // The distance a cursor shows, for finding its line under the pointer.
    double distanceOf(int cursor) const { return shown(cursor); }

    // Redraw modes 1 and 3, both views (CursorsFromMetresPlan and
    // CursorsFromMetresWindow in one): the cursors keep their distances,
    // except that a distance beyond the plan (plan view) or beyond the whole
    // range (window view) becomes that end. The end is where the cursor is
    // shown, not where the user put it: a later, longer waveform shows it at
    // its own distance again.
    void CursorsFromMetres();
    // Redraw modes 2 and 3, both views (CursorsToMetresPlan and
    // CursorsToMetresWindow in one): the cursors keep their place on the
    // waveform, so a new PR changes their distances in proportion.
    void CursorsToMetres();
    // Redraw mode 0: boxes and lines stay; the positions follow the new view.
    void PositionsFromMetres();

private:
    // What a box was last given: the exact distance and the PR it was shown
    // at, and the distance the user chose, which an end it was held to hides.
    struct Mark {
        store::ShownNumber text;
        double metres = 0;
        double pr = 0;
        double wanted = 0;
    };

    const store::ShownNumber& box(int cursor) const;
    int position(int cursor) const;
    void setPosition(int cursor, int position);
    // The box still holds what this class last wrote into it.
    bool written(int cursor) const;
    // The cursor's displayed distance: exactly where it was put, unless its
    // box has been written elsewhere since (then the box's number).
    double shown(int cursor) const;
    // Where the user put the cursor; its box's number once written elsewhere.
    double wanted(int cursor) const;
    // Draws the line at x metres, writes the box and the position; `chosen`
    // is the user's distance when x is an end it was held to.
    void DrawCursor(int cursor, double x, const CursorScale& scale);
    void DrawCursor(int cursor, double x, double chosen, const CursorScale& scale);
    // Draws both lines (x, chosen for each), then Edit_l.
    void placeBoth(std::array<double, 2> x, std::array<double, 2> chosen, const CursorScale& scale);
    // Edit_l from the boxes as they read, to the centimetre.
    void distanceBetween();

    store::ViewState& state_;
    ChartSet& charts_;
    const RenderScale& drawn_;
    std::array<Mark, 2> marks_;
};

} // namespace trace
