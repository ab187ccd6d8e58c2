#pragma once
#include "app/controls/ControlsContext.h"

namespace app::controls {

// The cursors under the mouse on the lower chart. A press on or near a
// cursor's line takes that cursor and makes it the active one; elsewhere the
// left button takes the active cursor (the one its label shows bold) and the
// right button (or Shift with the left) the other one, which stays inactive.
// The taken cursor is put under the pointer and follows it until the button
// is released. Distances are the chart's metres under the pointer; the widget
// converts pixels.
class CursorPointer {
public:
    enum class Button { Left, Right };

    explicit CursorPointer(const ControlsContext& ctx) : ctx_(ctx) {}

    // grab: how far from a line, in metres, a press still takes that line.
    void press(Button button, bool shift, double metres, double grab);
    void move(double metres);
    void release() { held_ = 0; }
    // The cursor being dragged (1 = K1, 2 = K2), or 0.
    int held() const { return held_; }

private:
    // The cursor whose line is within `grab` of `metres`, 0 when none (-1: no distances to compare).
    int lineAt(double metres, double grab) const;
    void place(double metres);

    ControlsContext ctx_;
    int held_ = 0;
};

} // namespace app::controls
