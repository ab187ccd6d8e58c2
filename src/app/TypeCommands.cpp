#include "app/TypeCommands.h"

#include "app/WindowState.h"

#include <QCoreApplication>

namespace app {

void showTypeCommands(WindowState& state, int typeIndex) {
    const bool plan = typeIndex != 1;
    const WindowState::Batch batch(state);
    state.setConnectCaption(plan ? QCoreApplication::translate("TypeCommands", "Connect")
                                 : QCoreApplication::translate("TypeCommands", "Open waveform"));
    state.setMnConnectCaption(plan ? QCoreApplication::translate("TypeCommands", "Connect...")
                                   : QCoreApplication::translate("TypeCommands", "Open waveporm..."));
    state.setImportEnabled(plan);
    state.setOptionsEnabled(plan);
    state.setZoomControlsEnabled(!plan);
}

} // namespace app
