#pragma once
#include "app/controls/ControlsContext.h"
#include "app/controls/RepeatTimer.h"
#include "store/ShownNumber.h"

#include <QString>

namespace app::controls {

// The zoom of the "KMX-419" view: the buttons double or halve the factor in
// Button_zoom's caption within ZoomMin..ZoomMax, every 100 ms while held;
// "Clear zoom" goes back to 1. The anchor of a zoomed view is the active
// cursor's distance, taken when the view leaves factor 1; the cursor labels
// are disabled while zoomed.
class ZoomControls {
public:
    static constexpr int kInterval = 100;

    explicit ZoomControls(const ControlsContext& ctx);

    // direction: +1 SpeedButton_zoom_inc (doubles), -1 SpeedButton_zoom_dec (halves).
    void mouseDown(int direction);
    void mouseUp(int direction);
    void Button_zoomClick();

    // Applies the caption's factor: anchor, cursor labels, Redraw. Throws when
    // a box does not hold a number.
    void ApplyZoom();

    // The caption's factor, as a whole number.
    static int factorOf(const store::ShownNumber& caption);

    RepeatTimer Timer_zoom_inc, Timer_zoom_dec;

    void stopAll();

private:
    void step(int direction);

    ControlsContext ctx_;
};

} // namespace app::controls
