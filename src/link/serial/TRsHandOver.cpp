#include "link/serial/TRsHandOver.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <cerrno>
#include <poll.h>

TRsHandOver::TRsHandOver() : state_(std::make_shared<State>()) {}

bool TRsHandOver::Run(std::function<void()> call, const TRsEvent& stop, const TRsEvent* side,
                      const std::function<void()>& onSide) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || state_->cancelled) return !stop.IsSignaled();

    state_->done.ResetEvent();
    // The queued call keeps the state alive: it may run after the worker has ended.
    QMetaObject::invokeMethod(
        app,
        [state = state_, call = std::move(call)] {
            if (!state->cancelled) call();
            state->done.SetEvent();
        },
        Qt::QueuedConnection);

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

void TRsHandOver::Cancel() { state_->cancelled = true; }
