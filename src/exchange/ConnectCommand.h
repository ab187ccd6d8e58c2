#pragma once
#include <functional>

namespace exchange {

class PortSettings;

// The main window's way to the instrument: Connect shows the exchange window,
// after the port-settings dialog when that dialog is set to appear first;
// "Device connect settings..." shows the port-settings dialog alone. The
// dialogs are shown through the functions given, so tests need no modal loop.
class ConnectCommand {
public:
    // showPortSettings: shows the port-settings dialog modally, true for OK.
    // showExchange: shows the exchange window modally.
    ConnectCommand(PortSettings& settings, std::function<bool()> showPortSettings,
                   std::function<void()> showExchange);

    // Connect for the type entries that talk to the instrument (all but the second).
    void bConnectClick();
    void mnOptionsClick();

private:
    PortSettings& settings_;
    std::function<bool()> showPortSettings_;
    std::function<void()> showExchange_;
};

} // namespace exchange
