#include "Device.h"

namespace sim {

Device::Device(const SimOptions& options, InstrumentMemory& memory, Transmitter& tx, EventLog& log)
    : options_(options), memory_(memory), tx_(tx), log_(log) {}

bool Device::speedMatches(int speed) {
    if (!options_.checkSpeed || speed == options_.lineSpeed()) return true;
    log_.note(QStringLiteral("frame at %1 bit/s not understood").arg(speed));
    return false;
}

void Device::answer(QByteArray bytes, std::int64_t notBefore) {
    if (faulty()) {
        if (options_.silence) {
            log_.note(QStringLiteral("silent"));
            return;
        }
        if (options_.garbage > 0) bytes.prepend(QByteArray(options_.garbage, char(0xA5)));
        if (options_.stallAfter >= 0 && options_.stallAfter < bytes.size()) {
            log_.note(QStringLiteral("stalled after %1 bytes").arg(options_.stallAfter));
            bytes.truncate(options_.stallAfter);
        }
        if (options_.hangup) {
            log_.note(QStringLiteral("hanging up"));
            bytes.truncate(bytes.size() / 2);
            log_.frame("tx", 0, bytes);
            tx_.send(bytes, notBefore, true);
            return;
        }
    }
    // Logged whole and as it leaves, faults applied, so that a log can be replayed.
    log_.frame("tx", 0, bytes);
    tx_.send(bytes, notBefore);
}

} // namespace sim
