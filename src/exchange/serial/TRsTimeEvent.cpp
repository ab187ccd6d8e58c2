#include "exchange/serial/TRsTimeEvent.h"

#include <time.h>

namespace serial {

std::uint32_t GetTickCount() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const auto ms =
        static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

void InitTimer(TRsTimeEvent& event, std::uint32_t milliseconds) {
    event.start = GetTickCount();
    event.duration = milliseconds;
}

bool TimerExpired(const TRsTimeEvent& event) { return TimerExpiredAt(event, GetTickCount()); }

bool TimerExpiredAt(const TRsTimeEvent& event, std::uint32_t now) {
    const std::uint32_t elapsed = now < event.start ? 0xFFFFFFFFu - event.start + now : now - event.start;
    return elapsed > event.duration;
}

} // namespace serial
