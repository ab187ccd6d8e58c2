#pragma once
#include "link/serial/SerialLineSettings.h"

#include <QByteArray>
#include <cstddef>
#include <sys/types.h>

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

// One open serial device: the termios binding of the port. Calls return 0 or
// the error code (errno); the descriptor is non-blocking throughout.
class SerialDevice {
public:
    SerialDevice() = default;
    ~SerialDevice() { Close(); }
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Opens for exclusive use: TIOCEXCL keeps other openers out, and an flock
    // also keeps out root and this program's other ports (EBUSY when held).
    int Open(const QByteArray& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    // Raw mode with the given framing, speed, handshake and modem lines.
    int ApplyLine(const SerialLineSettings& settings);
    // Reads return at once with what has arrived.
    int SetImmediateReads();

    int InputCount(int& count) const;
    int OutputCount(int& count) const;
    int Flush(bool input, bool output);

    // False when the device keeps no counters.
    bool Counters(SerialCounters& counters) const;
    // TIOCM_* bits; false when the device has no modem lines.
    bool ModemLines(int& bits) const;

    ssize_t Read(void* buffer, std::size_t count) const;
    ssize_t Write(const void* buffer, std::size_t count) const;

private:
    int SetModemLine(int bit, bool on);
    int fd_ = -1;
};
