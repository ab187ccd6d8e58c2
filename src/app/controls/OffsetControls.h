#pragma once
#include "app/controls/ControlsContext.h"
#include "app/controls/RepeatTimer.h"

namespace app::controls {

// The vertical offset of the waveform in view: the buttons store SDVIG ± 1 in
// its record, every 10 ms while held, within the lower chart's amplitude axis.
class OffsetControls {
public:
    static constexpr int kInterval = 10;

    explicit OffsetControls(const ControlsContext& ctx);

    // direction: +1 SpeedButton_sdvig_inc (TimerSdvigUp), -1 SpeedButton_sdvig_dec (TimerSdvigDown).
    void mouseDown(int direction);
    void mouseUp(int direction);

    // Stores `value` as SDVIG of the record in view (by WaveSource) unless it
    // lies outside lower..upper; shows it and redraws with the cursors keeping
    // their distances. Throws on a store error.
    void SetVerticalShift(double value, double upper, double lower);

    RepeatTimer TimerSdvigUp, TimerSdvigDown;

    void stopAll();

private:
    void step(int direction);

    ControlsContext ctx_;
};

} // namespace app::controls
