#include "exchange/serial/TRsCommEventThread.h"

#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>

namespace serial {

namespace {
constexpr std::uint32_t LineEvents = EV_ERR | EV_BREAK | EV_CTS | EV_DSR | EV_RLSD | EV_RING;
// How often the error counters and modem lines are looked at when such events are watched.
constexpr int kLineWatchMs = 20;
} // namespace

TRsCommEventThread::TRsCommEventThread(const SerialDevice& device, TRsCommInput& input, std::uint32_t mask,
                                       Dispatch doEvent, TRsThreadPriority priority)
    : TRsCommThread("rs-event", priority), device_(device), input_(input), mask_(mask),
      doEvent_(std::move(doEvent)) {
    hasCounters_ = device_.Counters(counters_);
    hasModemLines_ = device_.ModemLines(modemLines_);
}

TRsCommEventThread::~TRsCommEventThread() {
    StopThread();
    Join();
}

void TRsCommEventThread::Execute() {
    const bool watchLine = (mask_ & LineEvents) && (hasCounters_ || hasModemLines_);
    bool hungUp = false;
    for (;;) {
        input_.ResetRoom();
        const bool full = input_.IsFull();
        pollfd fds[2] = {{stop_.Handle(), POLLIN, 0}, {-1, POLLIN, 0}};
        if (full) fds[1].fd = input_.Room().Handle();
        else if (!hungUp) fds[1].fd = device_.InputHandle();
        const int n = ::poll(fds, 2, watchLine ? kLineWatchMs : -1);
        if (n < 0 && errno != EINTR) return;
        if (fds[0].revents) return;

        std::uint32_t events = 0;
        if (!full && fds[1].revents) {
            const TRsCommInput::Arrival arrival = input_.Fill(device_);
            // A device that was removed or whose other end closed keeps reporting
            // a hang-up: stop watching it and deliver nothing until the port closes.
            if (arrival.bytes == 0 && (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))) hungUp = true;
            if (arrival.bytes > 0) events |= EV_RXCHAR;
            if (arrival.eventChar) events |= EV_RXFLAG;
            if (arrival.reached80) events |= EV_RX80FULL;
        }
        if (watchLine) events |= WatchLine();
        events &= mask_;
        if (events && !handOver_.Run([this, events] { doEvent_(events); }, stop_)) return;
    }
}

std::uint32_t TRsCommEventThread::WatchLine() {
    std::uint32_t events = 0;
    SerialCounters now;
    if (hasCounters_ && device_.Counters(now)) {
        if (now.frame != counters_.frame || now.overrun != counters_.overrun ||
            now.parity != counters_.parity || now.bufOverrun != counters_.bufOverrun)
            events |= EV_ERR;
        if (now.brk != counters_.brk) events |= EV_BREAK;
        if (now.ring != counters_.ring) events |= EV_RING;
        counters_ = now;
    }
    int lines = 0;
    if (hasModemLines_ && device_.ModemLines(lines)) {
        const int changed = lines ^ modemLines_;
        if (changed & TIOCM_CTS) events |= EV_CTS;
        if (changed & TIOCM_DSR) events |= EV_DSR;
        if (changed & TIOCM_CD) events |= EV_RLSD;
        modemLines_ = lines;
    }
    return events;
}

} // namespace serial
