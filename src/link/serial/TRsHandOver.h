#pragma once
#include "link/serial/TRsEvent.h"

#include <atomic>
#include <functional>
#include <memory>

// Hands a worker thread's calls to the main (application) thread and waits
// until each has run, so that at most one call of the worker is in flight.
// Unlike a blocking queued invocation, the wait also ends when the worker is
// told to stop: closing a port from the main thread, even from inside a
// handler, never waits for a worker that waits for the main thread.
class TRsHandOver {
public:
    TRsHandOver();

    // Worker side: queues `call` to the main thread and waits until it has run
    // (true) or `stop` is signalled (false). While waiting, `onSide` runs on the
    // worker whenever `side` is signalled; it must reset `side`.
    bool Run(std::function<void()> call, const TRsEvent& stop, const TRsEvent* side = nullptr,
             const std::function<void()>& onSide = {});

    // Main thread: calls queued from now on, or still queued, are dropped.
    void Cancel();

private:
    struct State {
        std::atomic<bool> cancelled{false};
        TRsEvent done;
    };
    std::shared_ptr<State> state_;
};
