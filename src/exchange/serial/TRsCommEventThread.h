#pragma once
#include "exchange/serial/SerialDevice.h"
#include "exchange/serial/TRsCommInput.h"
#include "exchange/serial/TRsCommThread.h"

#include <cstdint>
#include <functional>

namespace serial {

// Watches an open device for the events of the port's mask: moves arriving
// bytes into the input queue and hands each set of events to the main thread
// (DoEvent), waiting until it has run before it watches again.
class TRsCommEventThread final : public TRsCommThread {
public:
    using Dispatch = std::function<void(std::uint32_t events)>;

    TRsCommEventThread(const SerialDevice& device, TRsCommInput& input, std::uint32_t mask, Dispatch doEvent,
                       TRsThreadPriority priority);
    ~TRsCommEventThread() override;

protected:
    void Execute() override;

private:
    // Line events from the device's error counters and modem lines.
    std::uint32_t WatchLine();

    const SerialDevice& device_;
    TRsCommInput& input_;
    const std::uint32_t mask_;
    const Dispatch doEvent_;
    SerialCounters counters_;
    int modemLines_ = 0;
    bool hasCounters_ = false;
    bool hasModemLines_ = false;
};

} // namespace serial
