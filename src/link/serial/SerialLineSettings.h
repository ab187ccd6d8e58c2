#pragma once
#include "link/serial/RsTypes.h"

#include <cstdint>

// Everything the port writes into the device's line settings, gathered from
// its properties and groups (the record that SetDCB fills).
struct SerialLineSettings {
    int baudrate = 1200;
    TRsParity parity = paNone;
    TRsDatabits databits = db8;
    TRsStopbits stopbits = sb1;
    bool outCtsFlow = false;
    bool outDsrFlow = false;
    TRsControlDtr controlDtr = dtrDisabled;
    TRsControlRts controlRts = rtsDisabled;
    bool xonXoffOut = false;
    bool xonXoffIn = false;
    bool dsrSensitivity = false;
    bool txContinueOnXoff = false;
    std::uint8_t xonChar = 17;
    std::uint8_t xoffChar = 19;
    bool parityCheck = false;
};
