#include "exchange/serial/TRsHandOver.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <poll.h>

namespace serial {

TRsHandOver::TRsHandOver() : state_(std::make_shared<State>()) {
    // Without an event loop there is no main thread to hand calls to.
    if (!QCoreApplication::instance()) return;
    notifier_ = new QSocketNotifier(state_->wake.Handle(), QSocketNotifier::Read);
    QObject::connect(notifier_, &QSocketNotifier::activated, notifier_,
                     [state = state_] { RunPending(state); });
}

TRsHandOver::~TRsHandOver() {
    Cancel();
    if (!notifier_) return;
    notifier_->setEnabled(false);
    bool running = false;
    {
        std::lock_guard lock(state_->mutex);
        running = state_->running;
    }
    // Inside its own wake-up the notifier must outlive the handler's return.
    if (running) notifier_->deleteLater();
    else delete notifier_;
}

bool TRsHandOver::Run(std::function<void()> call, const TRsEvent& stop, const TRsEvent* side,
                      const std::function<void()>& onSide) {
    {
        std::lock_guard lock(state_->mutex);
        if (state_->cancelled || !notifier_) return !stop.IsSignaled();
        state_->pending = std::move(call);
    }
    state_->done.ResetEvent();
    state_->wake.SetEvent();

    pollfd fds[3] = {{stop.Handle(), POLLIN, 0}, {state_->done.Handle(), POLLIN, 0}, {-1, POLLIN, 0}};
    if (side) fds[2].fd = side->Handle();
    for (;;) {
        const int n = ::poll(fds, 3, -1);
        if (n < 0 && errno != EINTR) return false;
        if (n <= 0) continue;
        if (fds[0].revents) return false;
        if (fds[1].revents) return true;
        if (fds[2].revents && onSide) onSide();
    }
}

void TRsHandOver::RunPending(std::shared_ptr<State> state) {
    state->wake.ResetEvent();
    std::function<void()> call;
    {
        std::lock_guard lock(state->mutex);
        if (!state->cancelled) call = std::move(state->pending);
        state->pending = nullptr;
        state->running = static_cast<bool>(call);
    }
    if (call) call();
    {
        std::lock_guard lock(state->mutex);
        state->running = false;
    }
    state->done.SetEvent();
}

void TRsHandOver::Cancel() {
    std::lock_guard lock(state_->mutex);
    state_->cancelled = true;
    state_->pending = nullptr;
}

} // namespace serial
