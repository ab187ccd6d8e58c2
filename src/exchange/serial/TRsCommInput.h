#pragma once
#include "exchange/serial/SerialDevice.h"
#include "exchange/serial/TRsCommBuffer.h"
#include "exchange/serial/TRsEvent.h"

#include <cstdint>
#include <mutex>

namespace serial {

// The port's input queue of ReadSize bytes, standing in for the driver's
// queue: the event thread moves arriving bytes into it, so that an arrival is
// seen once (a later event is raised only by new bytes, not by bytes a
// handler left unread). ReadBuf takes from it first and then from the device,
// so reading works without an event thread too.
class TRsCommInput {
public:
    explicit TRsCommInput(int capacity);

    struct Arrival {
        int bytes = 0;          // bytes moved into the queue
        bool eventChar = false; // the event character was among them
        bool reached80 = false; // the queue has just become 80 % full
    };

    // Event thread: moves what the device holds into the queue, as much as fits.
    Arrival Fill(const SerialDevice& device);
    bool IsFull() const;

    // Takes up to count bytes; 0 or the device's error code in `error`.
    int Read(const SerialDevice& device, void* dest, int count, int& error);
    // Bytes in the queue plus those waiting in the device.
    int Count(const SerialDevice& device, int& error) const;
    void Clear();

    void SetFilter(std::uint8_t eventChar, bool nullStrip);

    // Signalled whenever bytes leave the queue.
    const TRsEvent& Room() const { return room_; }
    void ResetRoom() { room_.ResetEvent(); }

private:
    int Strip(std::uint8_t* data, int n) const;

    mutable std::mutex mutex_;
    TRsCommBuffer queue_;
    TRsEvent room_;
    std::uint8_t eventChar_ = 0;
    bool nullStrip_ = false;
};

} // namespace serial
