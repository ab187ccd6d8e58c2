#pragma once

namespace serial {

// Any line speed in bits per second, 56000 included, through termios2/BOTHER.
// Kept apart because <asm/termbits.h> cannot share a file with <termios.h>.
namespace SerialSpeed {

// Returns 0 or the error code; a speed of 0 or less is refused (EINVAL)
// rather than hanging up the line.
int Set(int fd, int bitsPerSecond);

// Reads back the output speed; returns 0 or the error code.
int Get(int fd, int& bitsPerSecond);

} // namespace SerialSpeed

} // namespace serial
