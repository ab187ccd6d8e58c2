#include "app/TypeCommands.h"

#include "app/WindowState.h"

#include <QCoreApplication>

namespace app {

void showTypeCommands(WindowState& state, int typeIndex) {
    const bool plan = typeIndex != 1;
    state.connectCaption = plan ? QCoreApplication::translate("TypeCommands", "Connect")
                                : QCoreApplication::translate("TypeCommands", "Open waveform");
    state.mnConnectCaption = plan ? QCoreApplication::translate("TypeCommands", "Connect...")
                                  : QCoreApplication::translate("TypeCommands", "Open waveporm...");
    state.importEnabled = plan;
    state.optionsEnabled = plan;
    state.zoomControlsEnabled = !plan;
    state.notify();
}

} // namespace app
