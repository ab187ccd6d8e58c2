#pragma once
#include "exchange/serial/SerialDevice.h"
#include "exchange/serial/TRsCommBuffer.h"
#include "exchange/serial/TRsCommThread.h"
#include "exchange/serial/TRsCriticalSection.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace serial {

// Drains the port's write queue into the device. Each emptied queue is
// reported as EV_TXEMPTY and each refused transfer as EV_ERR, both handed
// to the main thread (HandleLineEvent).
class TRsCommWriteThread final : public TRsCommThread {
public:
    using Dispatch = std::function<void(std::uint32_t events)>;

    TRsCommWriteThread(const SerialDevice& device, int writeSize, Dispatch lineEvent,
                       TRsThreadPriority priority);
    ~TRsCommWriteThread() override;

    // Main thread: appends the bytes when they fit the queue whole.
    bool Append(const void* data, int count);
    int Queued();

    // Main thread: asks the thread to empty the queue and waits up to
    // `milliseconds` for its answer; false (queue untouched) without one.
    bool PurgeWrite(int milliseconds);

    // Signalled whenever bytes leave the queue.
    const TRsEvent& Room() const { return room_; }
    void ResetRoom() { room_.ResetEvent(); }

    // CE_IOE when a transfer was refused since the last call.
    int TakeErrors() { return errors_.exchange(0); }

protected:
    void Execute() override;

private:
    bool WriteData();
    bool Finish(int written);
    bool Report(std::uint32_t event);
    void AnswerPurge();

    const SerialDevice& device_;
    const Dispatch lineEvent_;
    TRsCriticalSection writeLock_;
    TRsCommBuffer queue_;
    TRsEvent data_;
    TRsEvent purgeRequest_;
    TRsEvent purgeAck_;
    TRsEvent room_;
    std::atomic<int> errors_{0};
};

} // namespace serial
