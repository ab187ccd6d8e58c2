#include "exchange/ConnectCommand.h"

#include "exchange/PortSettings.h"

namespace exchange {

ConnectCommand::ConnectCommand(PortSettings& settings, std::function<bool()> showPortSettings,
                               std::function<void()> showExchange)
    : settings_(settings), showPortSettings_(std::move(showPortSettings)),
      showExchange_(std::move(showExchange)) {}

void ConnectCommand::bConnectClick() {
    settings_.prepareForConnect();
    if (settings_.view().show && !showPortSettings_()) return;
    showExchange_();
}

void ConnectCommand::mnOptionsClick() {
    settings_.prepareForSettings();
    showPortSettings_();
}

} // namespace exchange
