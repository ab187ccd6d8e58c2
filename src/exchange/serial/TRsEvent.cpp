#include "exchange/serial/TRsEvent.h"

#include "exchange/serial/ERsCommError.h"
#include "exchange/serial/PlatformError.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace serial {

TRsEvent::TRsEvent() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (fd_ < 0) {
        const int code = errno;
        throw ERsCommError(PlatformError::Format(QStringLiteral("Error creating event (%d), %s"), code,
                                                 PlatformError::Text(code)));
    }
}

TRsEvent::~TRsEvent() { ::close(fd_); }

void TRsEvent::SetEvent() {
    const std::uint64_t one = 1;
    // Fails only when the counter is already near its limit, i.e. signalled.
    [[maybe_unused]] const ssize_t n = ::write(fd_, &one, sizeof one);
}

void TRsEvent::ResetEvent() {
    std::uint64_t value = 0;
    // EAGAIN means it was not signalled: nothing to reset.
    [[maybe_unused]] const ssize_t n = ::read(fd_, &value, sizeof value);
}

bool TRsEvent::IsSignaled() const {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

TRsEventWaitResult TRsEvent::WaitFor(int milliseconds) const {
    pollfd p{fd_, POLLIN, 0};
    for (;;) {
        const int n = ::poll(&p, 1, milliseconds < 0 ? -1 : milliseconds);
        if (n > 0) return wrSignaled;
        if (n == 0) return wrTimeout;
        if (errno != EINTR) return wrError;
    }
}

} // namespace serial
