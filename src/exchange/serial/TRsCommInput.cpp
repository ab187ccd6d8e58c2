#include "exchange/serial/TRsCommInput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace serial {

TRsCommInput::TRsCommInput(int capacity) : queue_(capacity) {}

void TRsCommInput::SetFilter(std::uint8_t eventChar, bool nullStrip) {
    std::lock_guard lock(mutex_);
    eventChar_ = eventChar;
    nullStrip_ = nullStrip;
}

int TRsCommInput::Strip(std::uint8_t* data, int n) const {
    if (!nullStrip_) return n;
    return static_cast<int>(std::remove(data, data + n, std::uint8_t(0)) - data);
}

TRsCommInput::Arrival TRsCommInput::Fill(const SerialDevice& device) {
    std::lock_guard lock(mutex_);
    Arrival arrival;
    const int threshold = queue_.Capacity() - queue_.Capacity() / 5;
    const bool wasBelow80 = queue_.Used() < threshold;
    std::uint8_t chunk[4096];
    while (queue_.Free() > 0) {
        const auto want = static_cast<std::size_t>(std::min<int>(queue_.Free(), sizeof chunk));
        const ssize_t n = device.Read(chunk, want);
        if (n <= 0) break; // nothing more now (0 or EAGAIN), or a hang-up the caller sees in poll
        const int got = static_cast<int>(n);
        if (std::memchr(chunk, eventChar_, static_cast<std::size_t>(got))) arrival.eventChar = true;
        arrival.bytes += queue_.Write(chunk, Strip(chunk, got));
        if (static_cast<std::size_t>(n) < want) break;
    }
    arrival.reached80 = wasBelow80 && queue_.Used() >= threshold && queue_.Capacity() > 0;
    return arrival;
}

bool TRsCommInput::IsFull() const {
    std::lock_guard lock(mutex_);
    return queue_.Free() == 0;
}

int TRsCommInput::Read(const SerialDevice& device, void* dest, int count, int& error) {
    error = 0;
    if (!dest || count <= 0) return 0;
    std::lock_guard lock(mutex_);
    auto* out = static_cast<std::uint8_t*>(dest);
    int done = queue_.Read(out, count);
    if (done > 0) room_.SetEvent();
    while (done < count) {
        const ssize_t n = device.Read(out + done, static_cast<std::size_t>(count - done));
        if (n < 0) {
            if (errno != EAGAIN && errno != EINTR && done == 0) error = errno;
            break;
        }
        if (n == 0) break;
        done += Strip(out + done, static_cast<int>(n));
    }
    return done;
}

int TRsCommInput::Count(const SerialDevice& device, int& error) const {
    std::lock_guard lock(mutex_);
    int waiting = 0;
    error = device.InputCount(waiting);
    return error ? 0 : queue_.Used() + waiting;
}

void TRsCommInput::Clear() {
    std::lock_guard lock(mutex_);
    queue_.Clear();
    room_.SetEvent();
}

} // namespace serial
