// Apart from the rest: <asm/termbits.h> cannot share a file with <termios.h>.
#include "SlaveSpeed.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace sim {

int lineSpeedOf(int fd) {
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) return 0;
    return int(t.c_ospeed);
}

} // namespace sim
