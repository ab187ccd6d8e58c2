#pragma once

namespace sim {

// The line speed (bit/s) set on a terminal, any speed included; 0 when unknown.
// On a pseudo-terminal master this is the speed the slave's user set.
int lineSpeedOf(int fd);

} // namespace sim
