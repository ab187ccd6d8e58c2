#pragma once
#include "exchange/serial/SerialLineSettings.h"

#include <QByteArray>
#include <cstddef>
#include <functional>
#include <memory>
#include <sys/types.h>

namespace serial {

// Line error and modem counters of a device; devices without them (pseudo
// terminals) report none.
struct SerialCounters {
    int frame = 0;
    int overrun = 0;
    int parity = 0;
    int brk = 0;
    int bufOverrun = 0;
    int ring = 0;
};

// One serial device as the port and its threads use it. The program's is the
// termios binding (TermiosDevice); tests put a device of their own under the
// port to play a line that fails in chosen ways. Calls return 0 or the error
// code (errno); reads and writes never block and fail as read(2) and write(2)
// do, with errno set.
class SerialDevice {
public:
    SerialDevice() = default;
    virtual ~SerialDevice() = default;
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Opens for exclusive use; the device closes when destroyed.
    virtual int Open(const QByteArray& path) = 0;

    // The descriptors the threads wait on in poll(): the first reports POLLIN
    // when input has arrived (POLLHUP or POLLERR once the line is gone), the
    // second POLLOUT when a full device has room again.
    virtual int InputHandle() const = 0;
    virtual int OutputHandle() const = 0;

    // Raw mode with the given framing, speed, handshake and modem lines.
    virtual int ApplyLine(const SerialLineSettings& settings) = 0;
    // Reads return at once with what has arrived.
    virtual int SetImmediateReads() = 0;

    virtual int InputCount(int& count) const = 0;
    virtual int OutputCount(int& count) const = 0;
    virtual int Flush(bool input, bool output) = 0;

    // False when the device keeps no counters.
    virtual bool Counters(SerialCounters& counters) const = 0;
    // TIOCM_* bits; false when the device has no modem lines.
    virtual bool ModemLines(int& bits) const = 0;

    virtual ssize_t Read(void* buffer, std::size_t count) const = 0;
    virtual ssize_t Write(const void* buffer, std::size_t count) const = 0;
};

// Makes the (unopened) device a port opens.
using SerialDeviceFactory = std::function<std::unique_ptr<SerialDevice>()>;

} // namespace serial
