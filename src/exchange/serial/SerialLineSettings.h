#pragma once
#include "exchange/serial/RsTypes.h"

#include <cstdint>

namespace serial {

// What the port writes into the device's line settings, gathered from its
// properties and groups (the record that SetDCB fills). DSR flow, DSR
// sensitivity, transmit-continue-on-XOFF, the XON/XOFF limits and the error,
// end-of-file and event characters have no termios counterpart.
struct SerialLineSettings {
    int baudrate = 1200;
    TRsParity parity = paNone;
    TRsDatabits databits = db8;
    TRsStopbits stopbits = sb1;
    bool outCtsFlow = false;
    TRsControlDtr controlDtr = dtrDisabled;
    TRsControlRts controlRts = rtsDisabled;
    bool xonXoffOut = false;
    bool xonXoffIn = false;
    std::uint8_t xonChar = 17;
    std::uint8_t xoffChar = 19;
    bool parityCheck = false;
};

} // namespace serial
