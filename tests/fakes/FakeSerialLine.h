#pragma once
#include "exchange/serial/SerialDevice.h"

#include <QByteArray>
#include <QList>
#include <memory>

namespace serial {

// The far end of a serial line for tests, put under a port in place of its
// device (port.SetDeviceFactory(line.factory())): it delivers input in pieces
// of chosen sizes, fails reads and writes with chosen error codes, holds both
// directions until released, and goes away as an unplugged adapter does. The
// device it makes waits in poll() like a real one, on pipes whose readiness
// follows the line, so the port's threads run unchanged. Safe to drive from the
// test while the port's threads use the device.
class FakeSerialLine {
public:
    FakeSerialLine();
    ~FakeSerialLine();
    FakeSerialLine(const FakeSerialLine&) = delete;
    FakeSerialLine& operator=(const FakeSerialLine&) = delete;

    // Devices on this line, for TRsCustomComm::SetDeviceFactory.
    SerialDeviceFactory factory() const;

    // Input: each read takes from one piece at most; `pieces` are the sizes
    // of the first pieces, whatever remains comes as one more.
    void send(const QByteArray& bytes, const QList<int>& pieces = {});
    // The next `times` reads fail with `code` (EAGAIN, EIO, ...) before any input.
    void failReads(int code, int times = 1);
    // The next `times` writes fail with `code`.
    void failWrites(int code, int times = 1);
    // Reads and writes find nothing to take and no room (EAGAIN), and the
    // device reports neither input nor room, until release().
    void stall();
    void release();
    // The device is gone: every call fails with `code`, poll() reports a hang-up.
    void unplug(int code);

    // Everything the port wrote, in order.
    QByteArray written() const;
    // Input not read yet.
    int pending() const;
    // The line speed the port set last (0 before any).
    int lineSpeed() const;
    // Devices open on this line.
    int openDevices() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};

} // namespace serial
