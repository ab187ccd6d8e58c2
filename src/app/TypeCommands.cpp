#include "app/TypeCommands.h"

#include "app/WindowState.h"

namespace app {

void showTypeCommands(WindowState& state, int typeIndex) {
    const bool plan = typeIndex != 1;
    state.connectCaption = plan ? QStringLiteral("Connect") : QStringLiteral("Open waveform");
    state.mnConnectCaption = plan ? QStringLiteral("Connect...") : QStringLiteral("Open waveporm...");
    state.importEnabled = plan;
    state.optionsEnabled = plan;
    state.zoomControlsEnabled = !plan;
    state.notify();
}

} // namespace app
