#include "exchange/serial/SerialSpeed.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace serial {

namespace SerialSpeed {

int Set(int fd, int bitsPerSecond) {
    if (bitsPerSecond <= 0) return EINVAL;
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) return errno;
    t.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ispeed = static_cast<speed_t>(bitsPerSecond);
    t.c_ospeed = static_cast<speed_t>(bitsPerSecond);
    return ioctl(fd, TCSETS2, &t) == 0 ? 0 : errno;
}

int Get(int fd, int& bitsPerSecond) {
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) return errno;
    bitsPerSecond = static_cast<int>(t.c_ospeed);
    return 0;
}

} // namespace SerialSpeed

} // namespace serial
