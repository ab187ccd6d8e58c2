#pragma once
#include "app/controls/ControlsContext.h"
#include "app/controls/RepeatAcceleration.h"
#include "app/controls/RepeatTimer.h"
#include "store/ShownValues.h"

#include <QString>

namespace app::controls {

// The propagation ratio: the step buttons change the PR box by RepeatStep
// thousandths while PR is inside 1..3 (tested before the step, which is not
// cut), repeating every 100 ms while held; "Set PR" takes the PR list's
// current entry. Each change redraws with the cursors keeping their samples.
class PrControls {
public:
    static constexpr int kInterval = 100;
    static constexpr double kLowest = store::ShownValues::kLowestPr;
    static constexpr double kHighest = store::ShownValues::kHighestPr;

    PrControls(const ControlsContext& ctx, RepeatAcceleration& acceleration);

    // direction: +1 SpeedButton_ku_inc, -1 SpeedButton_ku_dec.
    void mouseDown(int direction);
    void mouseUp(int direction);
    void SpeedButton3Click();
    // Enter in the PR box: a typed ratio (',' or '.') inside 1..3 is taken as
    // a step would take it; anything else is refused with the reason and the
    // box shows the old PR again.
    void typePr(const QString& text);

    RepeatTimer Timer_ku_inc, Timer_ku_dec;

    void stopAll();

private:
    void step(int direction);
    void refuse(const QString& why);

    ControlsContext ctx_;
    RepeatAcceleration& acceleration_;
};

} // namespace app::controls
