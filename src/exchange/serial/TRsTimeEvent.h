#pragma once
#include <cstdint>

namespace serial {

// A time limit measured on the 32-bit millisecond tick count.
struct TRsTimeEvent {
    std::uint32_t start = 0;
    std::uint32_t duration = 0;
};

// Milliseconds of the monotonic clock, wrapping at 2^32 like the tick count.
std::uint32_t GetTickCount();

void InitTimer(TRsTimeEvent& event, std::uint32_t milliseconds);
bool TimerExpired(const TRsTimeEvent& event);

// The test of TimerExpired at a given tick: elapsed time across the wrap is
// 0xFFFFFFFF - start + now when the tick is below the start.
bool TimerExpiredAt(const TRsTimeEvent& event, std::uint32_t now);

} // namespace serial
