#include "trace/TypePresets.h"

#include "store/ViewState.h"
#include "trace/ChartSet.h"

namespace trace {

void TypePresets::SetPlanTypeMode(store::ViewState& state, const ChartSet& charts) {
    state.setMaxScale(250);
    charts.setInvertedStairsOnTraces(false);
}

void TypePresets::SetWindowTypeMode(store::ViewState& state, const ChartSet& charts) {
    const store::ViewState::Batch batch(state);
    state.setZoomCaption({1, 0});
    state.setMaxScale(62.5);
    charts.setInvertedStairsOnTraces(true);
}

} // namespace trace
