#pragma once
#include "exchange/serial/RsTypes.h"
#include "exchange/serial/TRsEvent.h"
#include "exchange/serial/TRsHandOver.h"

#include <atomic>
#include <thread>

namespace serial {

// Common part of the port's two worker threads: start, stop, priority, and
// the hand-over of calls to the main thread. The port stops and joins its
// threads before it closes the device they use.
class TRsCommThread {
public:
    // `name` (at most 15 characters) shows in the system's thread lists.
    TRsCommThread(const char* name, TRsThreadPriority priority);
    // Derived threads stop and join in their own destructors, while the
    // Execute they run still exists.
    virtual ~TRsCommThread() = default;
    TRsCommThread(const TRsCommThread&) = delete;
    TRsCommThread& operator=(const TRsCommThread&) = delete;

    void Start();
    // Main thread: wakes the thread, which ends without handing over any more
    // calls; calls already queued to the main thread are dropped.
    void StopThread();
    void Join();
    void SetPriority(TRsThreadPriority priority);

protected:
    virtual void Execute() = 0;

    TRsEvent stop_;
    TRsHandOver handOver_;

private:
    void Run();

    const char* name_;
    std::thread thread_;
    std::atomic<int> threadId_{0};
    std::atomic<TRsThreadPriority> priority_;
};

} // namespace serial
