#include "app/controls/CursorPointer.h"

#include "app/WindowState.h"
#include "trace/TraceView.h"

#include <cmath>

namespace app::controls {

int CursorPointer::lineAt(double metres, double grab) const {
    trace::Cursors& cursors = ctx_.view.cursors();
    int nearest = 0;
    double best = grab;
    for (int cursor : {1, 2}) {
        // A box that is no number (a foreign settings file) has no line to take.
        double at = 0;
        if (!ctx_.guard.run([&] { at = cursors.distanceOf(cursor); })) return -1;
        const double away = std::fabs(at - metres);
        if (away <= best) {
            best = away;
            nearest = cursor;
        }
    }
    return nearest;
}

void CursorPointer::place(double metres) {
    ctx_.guard.run([&] { ctx_.view.PlaceCursor(held_, metres); });
}

void CursorPointer::press(Button button, bool shift, double metres, double grab) {
    const int line = lineAt(metres, grab);
    held_ = 0;
    if (line < 0) return;
    const int active = ctx_.windowState.activeCursor() == 2 ? 2 : 1;
    held_ = line != 0 ? line : button == Button::Right || shift ? 3 - active : active;
    if (line != 0 && ctx_.windowState.cursorLabelsEnabled()) ctx_.windowState.setActiveCursor(held_);
    place(metres);
}

void CursorPointer::move(double metres) {
    if (held_ != 0) place(metres);
}

} // namespace app::controls
