#include "trace/TypePresets.h"

#include "store/ViewState.h"
#include "trace/ChartSet.h"

namespace trace {

void TypePresets::SetPlanTypeMode(store::ViewState& state, const ChartSet& charts) {
    state.maxScale = 250;
    charts.setInvertedStairsOnTraces(false);
    state.notify();
}

void TypePresets::SetWindowTypeMode(store::ViewState& state, const ChartSet& charts) {
    state.zoomCaption = QStringLiteral("1");
    state.maxScale = 62.5;
    charts.setInvertedStairsOnTraces(true);
    state.notify();
}

} // namespace trace
