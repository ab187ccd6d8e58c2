#pragma once
#include <QString>

namespace store {
class MainState;
}

namespace trace {

class ChartSet;

// The K1 and K2 cursors of the lower chart: a cursor is a position in points
// (PosK1, PosK2), its distance stands in its box (Edit_k1, Edit_k2) and the
// distance between them in Edit_l. These operations convert in both
// directions and draw the cursor lines on the lower chart and its report copy.
// Boxes that do not hold a number raise store::NumberFormatError before any
// box is rewritten.
class Cursors {
public:
    Cursors(store::MainState& state, ChartSet& charts) : state_(state), charts_(charts) {}

    // Redraws one cursor line (lower slot 0 or 1, both charts) at x metres and
    // writes x into the box.
    void DrawCursor(double x, int slot, QString& box);

    // Clamps the position to the view's range (0..250 plan, 0..500 window),
    // writes it back and places the cursor.
    void StepCursor(double maxScale, const QString& zoomCaption, int& position, int slot, int typeIndex,
                    QString& box);

    // Plan view: the step comes from MaxScale and the zoom factor; the cursor is
    // placed relative to the lower chart's left end. A MaxScale outside the plan
    // ranges or a zoom caption that is no factor leaves the cursor where it is.
    void PlaceCursorPlan(double maxScale, const QString& zoomCaption, int position, int slot, QString& box);
    void PlaceCursorWindow(int position, int slot, QString& box);

    // Cursors keep their sample (Redraw modes 2 and 3).
    void CursorsToMetresPlan(int planStep, int planStart, double planStepPR);
    void CursorsToMetresWindow();
    // Cursors keep their distance (Redraw modes 1 and 3).
    void CursorsFromMetresPlan(int planStart, double planStepPR);
    void CursorsFromMetresWindow();

    // A cursor distance beyond the lower chart's right end is set to that end.
    void LimitBoxesToLowerChart();

private:
    // Edit_l as the plan view writes it: the difference truncated to whole centimetres.
    void distanceTruncated();
    // Edit_l as the window view writes it: the difference rounded by the formatting.
    void distanceRounded();

    store::MainState& state_;
    ChartSet& charts_;
};

} // namespace trace
