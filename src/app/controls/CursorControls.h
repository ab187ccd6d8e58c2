#pragma once
#include "app/controls/ControlsContext.h"
#include "app/controls/RepeatAcceleration.h"
#include "app/controls/RepeatTimer.h"

#include <QString>

namespace app::controls {

// The K1 and K2 cursors: the choice of the active one and the four step
// buttons. A press moves the cursor by RepeatStep at once; held, it moves
// again after 500 ms and then every 100 ms, while cngTimeout makes the step
// grow. Every move ends in the trace view's StepCursor.
class CursorControls {
public:
    static constexpr int kFirstInterval = 500;
    static constexpr int kRepeatInterval = 100;

    CursorControls(const ControlsContext& ctx, RepeatAcceleration& acceleration);

    // Make K1 (K2) the active cursor; labels are disabled while zoomed.
    void Label_k1Click();
    void Label_k2Click();

    // cursor: 1 = K1, 2 = K2; direction: +1 the _inc button, -1 the _dec button.
    void mouseDown(int cursor, int direction);
    void mouseUp(int cursor, int direction);
    // Left/Right on the chart: the active cursor makes one step of its buttons.
    void keyStep(int direction);
    // Enter in a cursor's box: the typed distance (',' or '.') places it, held
    // to the shown range. Text that is no number is refused with a message and
    // the box shows the cursor's distance again.
    void typeDistance(int cursor, const QString& text);

    RepeatTimer Timer_k1_inc, Timer_k1_dec, Timer_k2_inc, Timer_k2_dec;

    void stopAll();

private:
    RepeatTimer& timerOf(int cursor, int direction);
    std::function<void()> ticker(int cursor, int direction);
    void activate(int cursor);
    void step(int cursor, int direction);
    void tick(int cursor, int direction);

    ControlsContext ctx_;
    RepeatAcceleration& acceleration_;
};

} // namespace app::controls
