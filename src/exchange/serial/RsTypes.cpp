#include "exchange/serial/RsTypes.h"

namespace serial {

int BaudrateValue(TRsBaudrate baudrate) {
    static constexpr int speeds[] = {0,     110,   300,   600,   1200,  2400,   4800,   9600,
                                     14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
    const auto index = static_cast<unsigned>(baudrate);
    return index < sizeof speeds / sizeof speeds[0] ? speeds[index] : 0;
}

std::uint32_t EventFlag(TRsCommEvent event) {
    switch (event) {
    case ceBreak: return EV_BREAK;
    case ceCts: return EV_CTS;
    case ceDsr: return EV_DSR;
    case ceError: return EV_ERR;
    case ceRing: return EV_RING;
    case ceRlsd: return EV_RLSD;
    case ceRxChar: return EV_RXCHAR;
    case ceTxEmpty: return EV_TXEMPTY;
    case ceRxFlag: return EV_RXFLAG;
    case cePErr: return EV_PERR;
    case ceRx80Full: return EV_RX80FULL;
    case ceEvent1: return EV_EVENT1;
    case ceEvent2: return EV_EVENT2;
    }
    return 0;
}

} // namespace serial
