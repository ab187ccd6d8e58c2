#include "trace/TypePresets.h"

#include "store/MainState.h"
#include "trace/ChartSet.h"

namespace trace {

void TypePresets::SetPlanTypeMode(store::MainState& state, const ChartSet& charts) {
    state.connectCaption = QStringLiteral("Connect");
    state.mnConnectCaption = QStringLiteral("Connect...");
    state.importEnabled = true;
    state.optionsEnabled = true;
    state.zoomControlsEnabled = false;
    state.maxScale = 250;
    charts.setInvertedStairsOnTraces(false);
    state.notify();
}

void TypePresets::SetWindowTypeMode(store::MainState& state, const ChartSet& charts) {
    state.connectCaption = QStringLiteral("Open waveform");
    state.mnConnectCaption = QStringLiteral("Open waveporm...");
    state.importEnabled = false;
    state.optionsEnabled = false;
    state.zoomControlsEnabled = true;
    state.zoomCaption = QStringLiteral("1");
    state.maxScale = 62.5;
    charts.setInvertedStairsOnTraces(true);
    state.notify();
}

} // namespace trace
