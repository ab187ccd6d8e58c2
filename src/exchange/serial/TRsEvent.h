#pragma once
#include "exchange/serial/RsTypes.h"

namespace serial {

// A manual-reset event: once set it stays signalled until reset. It is an
// eventfd, so a thread can wait for it in poll() together with a device.
class TRsEvent {
public:
    TRsEvent();
    ~TRsEvent();
    TRsEvent(const TRsEvent&) = delete;
    TRsEvent& operator=(const TRsEvent&) = delete;

    void SetEvent();
    void ResetEvent();
    bool IsSignaled() const;

    // Waits up to `milliseconds` (negative: without a limit).
    TRsEventWaitResult WaitFor(int milliseconds) const;

    // The descriptor to watch for POLLIN in poll().
    int Handle() const { return fd_; }

private:
    int fd_ = -1;
};

} // namespace serial
