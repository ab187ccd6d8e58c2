// Line events, run on the main thread for the event and write threads.
#include "exchange/serial/TRsCustomComm.h"

#include "exchange/serial/CommErrorDisplay.h"

namespace serial {

void TRsCustomComm::DoEvent(std::uint32_t events) {
    try {
        if (events & EV_RXCHAR) {
            HandleDataEvent();
            events &= ~std::uint32_t(EV_RXCHAR);
            // A handler that closed the port ends the events of this arrival.
            if (!Active()) return;
        }
        if (events) HandleLineEvent(events);
    } catch (...) {
        showCurrentException();
    }
}

void TRsCustomComm::HandleDataEvent() {
    const int count = ReadBufUsed();
    // Handlers are called through copies: a handler may assign a new handler.
    if (count <= 0 || !OnRxChar) return;
    const TRsCommRxCharEvent handler = OnRxChar;
    handler(Sender(), count);
}

void TRsCustomComm::HandleLineEvent(std::uint32_t events) {
    if (events & EV_ERR) ClearLineErrors();
    const std::pair<std::uint32_t, TRsNotifyEvent*> handlers[] = {
        {EV_RXFLAG, &OnRxFlag},     {EV_CTS, &OnCts},         {EV_DSR, &OnDsr},       {EV_RING, &OnRing},
        {EV_RLSD, &OnRlsd},         {EV_TXEMPTY, &OnTxEmpty}, {EV_BREAK, &OnBreak},   {EV_PERR, &OnPErr},
        {EV_RX80FULL, &OnRx80Full}, {EV_EVENT1, &OnEvent1},   {EV_EVENT2, &OnEvent2},
    };
    for (const auto& [flag, slot] : handlers) {
        if (!(events & flag) || !*slot) continue;
        const TRsNotifyEvent handler = *slot;
        handler(Sender());
    }
}

void TRsCustomComm::ClearLineErrors() {
    const int errors = GetCommStatus().errors;
    if (errors == 0 || !OnError) return;
    try {
        const TRsCommErrorEvent handler = OnError;
        handler(Sender(), errors);
    } catch (...) {
        showCurrentException();
    }
}

} // namespace serial
