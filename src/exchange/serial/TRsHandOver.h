#pragma once
#include "exchange/serial/TRsEvent.h"

#include <functional>
#include <memory>
#include <mutex>

class QSocketNotifier;

namespace serial {

// Hands a worker thread's calls to the main (application) thread and waits
// until each has run, so that at most one call of the worker is in flight.
// The main thread is woken through an eventfd that its event loop watches;
// the call itself passes under a mutex. Unlike a blocking queued invocation,
// the wait also ends when the worker is told to stop: closing a port from the
// main thread, even from inside a handler, never waits for a worker that
// waits for the main thread.
class TRsHandOver {
public:
    // Create and destroy on the main thread; destroying from inside a call it
    // runs (a handler that closes its port) is allowed.
    TRsHandOver();
    ~TRsHandOver();
    TRsHandOver(const TRsHandOver&) = delete;
    TRsHandOver& operator=(const TRsHandOver&) = delete;

    // Worker side: passes `call` to the main thread and waits until it has run
    // (true) or `stop` is signalled (false). While waiting, `onSide` runs on the
    // worker whenever `side` is signalled; it must reset `side`.
    bool Run(std::function<void()> call, const TRsEvent& stop, const TRsEvent* side = nullptr,
             const std::function<void()>& onSide = {});

    // Main thread: a call passed and not yet run is dropped, and so is any later one.
    void Cancel();

private:
    // Shared with the main thread's wake-up handler, which may outlive this object.
    struct State {
        std::mutex mutex;
        std::function<void()> pending;
        bool cancelled = false;
        bool running = false;
        TRsEvent wake;
        TRsEvent done;
    };
    static void RunPending(std::shared_ptr<State> state);

    std::shared_ptr<State> state_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace serial
