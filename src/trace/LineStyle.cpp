#include "trace/LineStyle.h"

#include "store/MainState.h"
#include "trace/ChartSet.h"

namespace trace {

void LineStyle::btAproksClick(store::MainState& state, const ChartSet& charts) {
    const bool wasOff = state.aproksTag != 0;
    state.aproksTag = wasOff ? 0 : 1;
    charts.setStairsEverywhere(!wasOff);
    state.notify();
}

bool LineStyle::aproksChecked(const store::MainState& state) { return state.aproksTag == 0; }

} // namespace trace
